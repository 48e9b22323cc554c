// Plain "..." literals are GBK bytes in this build, so "中文" here is D6 D0 CE C4.
#include <gtest/gtest.h>

#include "text/text.h"

namespace tumbrix {
namespace {

TEST(TextFind, WalksWholeCharacters) {
    struct Case {
        const char* name;
        std::string text;
        std::string find;
        int start;
        bool ignore_case;
        int expected;
    };
    const Case cases[] = {
        {"ascii", "abcabc", "c", 1, false, 3},
        {"from start position", "abcabc", "c", 4, false, 6},
        {"start past the end", "abc", "c", 4, false, -1},
        {"start below 1 means 1", "abc", "a", -3, false, 1},
        {"not found", "abc", "x", 1, false, -1},
        {"empty find", "abc", "", 1, false, -1},
        {"two-byte character", "a中文b", "文", 1, false, 4},
        // D0 CE is the trail of 中 followed by the lead of 文: never a match.
        {"pair straddling two characters", "中文", "\xD0\xCE", 1, false, -1},
        {"ascii byte that is a trail byte", "\x81\x40@", "@", 1, false, 3},
        {"ignore case folds ascii", "xAbC", "abc", 1, true, 2},
        {"case matters by default", "xAbC", "abc", 1, false, -1},
        // 丂 is 81 40 and 丂's trail "@" must not fold; "\x81\x60" is another character.
        {"ignore case leaves trail bytes alone", "\x81\x40", "\x81\x60", 1, true, -1},
        {"lone lead byte at the end ends the walk", "ab\xD6", "\xD6", 1, false, -1},
        {"text ends at NUL", std::string("ab\0cd", 5), "cd", 1, false, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(text_find(c.text, c.find, c.start, c.ignore_case), c.expected);
    }
}

TEST(TextSplit, PiecesBetweenDelimiters) {
    struct Case {
        const char* name;
        std::string text;
        std::string delimiter;
        TextList expected;
    };
    const Case cases[] = {
        {"plain", "a$b$c", "$", {"a", "b", "c"}},
        {"leading delimiter", "$a", "$", {"", "a"}},
        {"adjacent delimiters", "a$$b", "$", {"a", "", "b"}},
        {"trailing delimiter adds no empty piece", "a$b$", "$", {"a", "b"}},
        {"no delimiter", "abc", "$", {"abc"}},
        {"empty text", "", "$", {}},
        {"multi-byte delimiter", "x咨询热线：y咨询热线：z", "咨询热线：", {"x", "y", "z"}},
        {"delimiter at the very start", "咨询热线：y", "咨询热线：", {"", "y"}},
        {"only a delimiter", "$", "$", {""}},
        {"delimiter split across characters is no delimiter", "中文", "\xD0\xCE", {"中文"}},
        // After a delimiter that ends in a lead byte the walk keeps its
        // character boundaries: "\xB0\x61" is one character.
        {"resumes on the old boundaries", "a\xB0\x61\xB0\x61\xB0", "a\xB0", {"", "a\xB0\x61\xB0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(text_split(c.text, c.delimiter), c.expected);
    }
}

TEST(TextReplace, ReplacesFromTheLeft) {
    struct Case {
        const char* name;
        std::string text;
        std::string find;
        std::string replacement;
        int start;
        int count;
        bool case_sensitive;
        std::string expected;
    };
    const Case cases[] = {
        {"all occurrences", "a<em>b</em>c<em>", "<em>", "", 1, -1, true, "ab</em>c"},
        {"case-insensitive touches ascii only", "x<EM>y<Em>", "<em>", "", 1, -1, false, "xy"},
        {"case-sensitive keeps other case", "x<EM>y", "<em>", "", 1, -1, true, "x<EM>y"},
        {"resumes after each replacement", "aaaa", "aa", "a", 1, -1, true, "aa"},
        {"from a start position", "abab", "ab", "", 2, -1, true, "ab"},
        {"limited count", "ababab", "ab", "X", 1, 2, true, "XXab"},
        {"empty find leaves text", "abc", "", "X", 1, -1, true, "abc"},
        {"empty text", "", "a", "X", 1, -1, true, ""},
        {"two-byte characters", "约1,230约", "约", "", 1, -1, true, "1,230"},
        {"trail byte never folds", "\x81\x40", "\x81\x60", "", 1, -1, false, "\x81\x40"},
        {"resumes on the old boundaries", "a\xB0\x61\xB0\x61\xB0", "a\xB0", "", 1, -1, true,
         "a\xB0\x61\xB0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(text_replace(c.text, c.find, c.replacement, c.start, c.count, c.case_sensitive),
                  c.expected);
    }
}

TEST(TextCase, FoldsAsciiLettersOnly) {
    // 乗 is 81 5C and 丂 is 81 40: their trail bytes must survive both maps.
    EXPECT_EQ(text_lower("AbC中\x81\x40Z"), "abc中\x81\x40z");
    EXPECT_EQ(text_upper("abc\x81\x5Cz"), "ABC\x81\x5CZ");
    EXPECT_EQ(text_upper("\x81\x61"), "\x81\x61");  // 81 61 is one character, not "a"
    EXPECT_EQ(text_lower("AB\xD6"), "ab\xD6");      // a lone lead byte is kept
}

TEST(TextStripSpaces, RemovesAsciiAndIdeographicSpaces) {
    EXPECT_EQ(text_strip_spaces(" a\tb\r\n 　c "), "a\tb\r\nc");
    EXPECT_EQ(text_strip_spaces("   "), "");
}

TEST(TextToInt, ParsesLeadingInteger) {
    struct Case {
        std::string text;
        int32_t expected;
    };
    const Case cases[] = {
        {"123", 123},
        {"  \t\r\n42abc", 42},
        {"-17", -17},
        {"+5", 5},
        {"1,230", 1},  // a comma ends the number
        {"abc", 0},
        {"", 0},
        {"１２３", 123},  // full-width digits
        {"－１２", -12},  // full-width minus
        {"＋７", 7},      // full-width plus
        {"　９", 9},      // ideographic space is a blank after folding
        {"99999999999", INT32_MAX},
        {"-99999999999", INT32_MIN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(text_to_int(c.text), c.expected);
    }
}

TEST(TextToNumber, ParsesLeadingReal) {
    EXPECT_DOUBLE_EQ(text_to_number("8080"), 8080.0);
    EXPECT_DOUBLE_EQ(text_to_number(" -2.5e2x"), -250.0);
    EXPECT_DOUBLE_EQ(text_to_number("1e"), 1.0);
    EXPECT_DOUBLE_EQ(text_to_number(".5"), 0.5);
    EXPECT_DOUBLE_EQ(text_to_number("３．５"), 3.5);
    EXPECT_DOUBLE_EQ(text_to_number("abc"), 0.0);
    EXPECT_DOUBLE_EQ(text_to_number("inf"), 0.0);
    EXPECT_DOUBLE_EQ(text_to_number("0x10"), 0.0);
}

TEST(FullWidthFold, MapsTheFoldedForms) {
    EXPECT_EQ(full_width_fold("１２，ａＺ！～"), "12,aZ!~");
    EXPECT_EQ(full_width_fold("　"), " ");
    EXPECT_EQ(full_width_fold("\xA1\xAB\xA1\xEE\xA1\xEF"), "~**");
    EXPECT_EQ(full_width_fold("中文"), "中文");
}

TEST(ByteCutting, CountsBytes) {
    struct Case {
        const char* name;
        Text got;
        Text expected;
    };
    const Case cases[] = {
        {"left within", left_bytes("abcdef", 2), "ab"},
        {"left beyond", left_bytes("abc", 10), "abc"},
        {"left zero", left_bytes("abc", 0), ""},
        {"left negative", left_bytes("abc", -1), ""},
        {"left cuts a character", left_bytes("中文", 3), "\xD6\xD0\xCE"},
        {"right within", right_bytes("abcdef", 2), "ef"},
        {"right beyond", right_bytes("abc", 10), "abc"},
        {"right zero", right_bytes("abc", 0), ""},
        {"mid within", mid_bytes("abcdef", 2, 3), "bcd"},
        {"mid to the end", mid_bytes("abcdef", 5, 10), "ef"},
        {"mid start below 1", mid_bytes("abc", 0, 2), ""},
        {"mid start past end", mid_bytes("abc", 4, 2), ""},
        {"mid last byte", mid_bytes("abc", 3, 1), "c"},
        {"replace range", text_replace_range("Set-Cookie: a=b", 1, 12), "a=b"},
        {"replace range insert", text_replace_range("abcdef", 2, 2, "XY"), "aXYdef"},
        {"replace range past end", text_replace_range("abc", 3, 10, "Z"), "abZ"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.got, c.expected);
    }
    EXPECT_EQ(text_byte_length("中a"), 3);
    EXPECT_EQ(text_byte_length(std::string("ab\0c", 4)), 2);
}

TEST(Conversions, NumbersBlanksAndBytes) {
    EXPECT_EQ(number_to_text(int32_t{-42}), "-42");
    EXPECT_EQ(number_to_text(2.0), "2");
    EXPECT_EQ(number_to_text(0.1), "0.1");
    EXPECT_EQ(number_to_text(1.0 / 3.0), "0.3333333333333");
    EXPECT_EQ(number_to_text(1e20), "1e+20");
    EXPECT_EQ(blank_text(3), "   ");
    EXPECT_EQ(blank_text(0), "");
    EXPECT_EQ(blank_bytes(2), std::string(2, '\0'));
    EXPECT_EQ(blank_bytes(-1), "");
    EXPECT_EQ(bytes_to_text(std::string("ab\0cd", 5)), "ab");
    EXPECT_EQ(bytes_to_text("abc"), "abc");
}

}  // namespace
}  // namespace tumbrix
