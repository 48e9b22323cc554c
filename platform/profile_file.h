#pragma once
// Our reader of profile (INI) files, with the rules of the classic profile
// API: "[name]" opens a section; "key=value" gives a value. Section and key
// names match without regard to ASCII letter case. The value is the text after
// the first "=" up to the end of its line, without the blanks around it and
// without one pair of enclosing quotes, cut to at most 10239 bytes.
#include <filesystem>
#include <string_view>

#include "text/text.h"

namespace tumbrix {

inline constexpr int kProfileValueLimit = 10239;

// Reads the file afresh on every call. The empty text when the file, the
// section or the key is missing, or when the section or key name is empty.
// The first matching key wins, in the first section of that name holding it.
Text read_profile_string(const std::filesystem::path& file, std::string_view section,
                         std::string_view key);

}  // namespace tumbrix
