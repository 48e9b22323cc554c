#pragma once
// The keyword as query URLs carry it, and pages that arrive in UTF-8.
#include <string>
#include <string_view>

#include "text/text.h"

namespace tumbrix {

// ECMAScript encodeURIComponent over UTF-16: each character as UTF-8 bytes
// written "%XX" (upper-case hex), except A-Z a-z 0-9 - _ . ! ~ * ' ( ), which
// stay. A lone surrogate cannot be encoded: the result is the empty text.
Text encode_uri_component(std::u16string_view text);

// The text of the search box 搜索框, taken whole, encoded as above.
Text encode_keyword();

// A UTF-8 page as GBK text: ends at the page's first zero byte or its end;
// characters GBK cannot hold and malformed bytes become "?".
Text utf8_to_local_text(std::string_view page);

// UTF-16 code units (little-endian bytes) as GBK text, up to the first zero
// unit or the end; the output takes at most as many bytes as the input.
Text wide_to_local_text(std::string_view wide);

}  // namespace tumbrix
