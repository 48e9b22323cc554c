#include "notice/settings_file.h"

#include "platform/files.h"
#include "platform/folders.h"
#include "platform/profile_file.h"

namespace tumbrix {

std::optional<std::filesystem::path> settings_path() {
    const auto folder = folders::private_folder();
    if (!folder) return std::nullopt;
    return files::path_in(*folder, "配置.ini");
}

Text read_setting(std::string_view section, std::string_view key) {
    const auto path = settings_path();
    return path ? read_profile_string(*path, section, key) : Text();
}

bool write_settings_file(std::string_view content) {
    const auto path = settings_path();
    return path && files::write_whole_file(*path, content);
}

}  // namespace tumbrix
