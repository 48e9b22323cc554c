#pragma once
// The text model. A text is a string of GBK bytes that ends at its first NUL;
// the empty text and an absent text are the same thing. Bytes (a fetched body)
// are counted and may hold NUL bytes. Positions are 1-based byte positions and
// -1 means "not found".
//
// The scanning operations (find, replace, split, lower, upper, strip_spaces)
// walk the text one character at a time: a byte of 0x80 or above and the byte
// after it form one two-byte character, so a match only ever begins on a
// character boundary. A lead byte with nothing after it ends the walk. The
// cutting operations (left/right/mid) count bytes and may split a character.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tumbrix {

using Text = std::string;
using Bytes = std::string;
using TextList = std::vector<Text>;

// The pieces between successive delimiters, found from the left. A leading or
// doubled delimiter gives an empty piece; the piece after the last delimiter
// is kept only when it is not empty. No delimiter: one piece; empty text: none.
TextList text_split(std::string_view text, std::string_view delimiter);

// Replaces `count` occurrences of `find` (all when count < 0) from `start` on.
// With case_sensitive false only ASCII letters fold. Empty text or find: unchanged.
Text text_replace(std::string_view text, std::string_view find, std::string_view replacement,
                  int start = 1, int count = -1, bool case_sensitive = true);

// The 1-based position of the first `find` at or after `start`, or -1.
int text_find(std::string_view text, std::string_view find, int start = 1,
              bool ignore_case = false);

// Full-width folding, then blanks, an optional sign and decimal digits; 0 when
// no digit comes first. A comma ends the number. Saturates at the int32 range.
int32_t text_to_int(std::string_view text);
// Full-width folding, then the leading decimal real number; 0 when none.
double text_to_number(std::string_view text);

Text left_bytes(std::string_view text, int n);
Text right_bytes(std::string_view text, int n);
Text mid_bytes(std::string_view text, int start, int n);
int text_byte_length(std::string_view text);

// Without ASCII spaces and ideographic spaces (A1 A1); tabs and line breaks stay.
Text text_strip_spaces(std::string_view text);
Text text_lower(std::string_view text);
Text text_upper(std::string_view text);
// Deletes up to `length` bytes at `start` and puts `insert` there.
Text text_replace_range(std::string_view text, int start, int length, std::string_view insert = {});

// Full-width forms A3 A1..A3 FE to ASCII, A1 A1 to a space, A1 AB to "~",
// A1 EE and A1 EF to "*"; every other character unchanged.
Text full_width_fold(std::string_view text);

Text bytes_to_text(std::string_view bytes);
Text number_to_text(int32_t value);
Text number_to_text(double value);
Text blank_text(int n);
Bytes blank_bytes(int n);

}  // namespace tumbrix
