#pragma once
// Whole-file reads and writes at the file-system edge. Paths are the file
// system's own (UTF-8); GBK names are converted by the caller.
#include <filesystem>
#include <string_view>

#include "text/text.h"

namespace tumbrix::files {

// The whole content of a regular file; empty bytes when it is missing,
// unreadable or not a regular file (a FIFO or a device is never read).
Bytes read_whole_file(const std::filesystem::path& file);

// Creates the file (mode 0600) or replaces its whole content. Refuses to
// follow a symbolic link at the last step. False when anything failed.
bool write_whole_file(const std::filesystem::path& file, std::string_view data);

// True when anything of that name exists, a dangling symbolic link included.
bool entry_exists(const std::filesystem::path& path);

// True for a name that stays inside its folder: not empty, not "." or "..",
// no "/", "\" or NUL, at most 255 bytes as a file-system (UTF-8) name. "\" is
// looked for character by character, since a GBK trail byte can be 0x5C.
bool is_plain_file_name(std::string_view gbk_name);

// The GBK name `gbk_name` inside `folder`.
std::filesystem::path path_in(const std::filesystem::path& folder, std::string_view gbk_name);

}  // namespace tumbrix::files
