#pragma once
// Code-page conversion at the edges of Tumbrix: GBK (CP936) is the code page of
// every text inside; widgets speak UTF-16 and many pages arrive in UTF-8.
// Malformed input never fails a conversion: an undecodable byte becomes
// U+FFFD, and a character GBK cannot hold becomes "?", its default character.
#include <string>
#include <string_view>

namespace tumbrix::codepage {

std::u16string gbk_to_utf16(std::string_view gbk);
std::string utf16_to_gbk(std::u16string_view utf16);
std::u16string utf8_to_utf16(std::string_view utf8);
std::string utf16_to_utf8(std::u16string_view utf16);

std::string utf8_to_gbk(std::string_view utf8);
std::string gbk_to_utf8(std::string_view gbk);

}  // namespace tumbrix::codepage
