#pragma once
// The folders Tumbrix keeps files in.
#include <filesystem>
#include <optional>

namespace tumbrix::folders {

// The user's private folder for the settings file and the advert pictures:
// "tumbrix" under the user's cache location, created with mode 0700 when
// missing. Nothing when it cannot be made safe: a symbolic link, not a folder,
// or owned by another account. A folder of ours that others may enter is
// closed to them first.
std::optional<std::filesystem::path> private_folder();

// The user's documents folder; empty when the platform reports none.
std::filesystem::path documents_folder();

// Tests point both folders somewhere of their own: the private folder becomes
// "tumbrix" under `private_base`. An empty path keeps the platform's choice.
void override_folders_for_tests(const std::filesystem::path& private_base,
                                const std::filesystem::path& documents);

}  // namespace tumbrix::folders
