#pragma once
// The settings file "配置.ini" in the user's private folder, in the profile-file
// layout. Written once per start from the notice page; read afresh on every
// advert timer tick.
#include <filesystem>
#include <optional>
#include <string_view>

#include "text/text.h"

namespace tumbrix {

// Nothing when the private folder cannot be used.
std::optional<std::filesystem::path> settings_path();

// The value of `key` in `section`; the empty text when the file, the section
// or the key is missing. At most 10239 bytes.
Text read_setting(std::string_view section, std::string_view key);

// Creates the file or replaces its whole content. False when it failed.
bool write_settings_file(std::string_view content);

}  // namespace tumbrix
