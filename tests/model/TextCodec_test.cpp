#include "model/TextCodec.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

std::u32string CodePoints(std::string_view text)
{
    std::u32string out;
    cUtf8Reader reader(text);
    while (!reader.AtEnd()) {
        out += reader.Next();
    }
    return out;
}

// A byte that starts no valid sequence is read as its code page 1252
// character and the reader goes on with the next byte: nothing is lost,
// nothing is read past the end, and the file gets the very bytes back.
TEST(TextCodecTest, InvalidUtf8IsReadByteByByteAsCodePage1252)
{
    struct Case
    {
        const char* name;
        std::string bytes;
        std::u32string expected;
    };
    const std::vector<Case> cases = {
        {"overlong slash in two bytes", "\xC0\xAF", U"\u00C0\u00AF"},
        {"overlong NUL in two bytes", std::string("\xC0\x80", 2), U"\u00C0\u20AC"},
        {"overlong in three bytes", "\xE0\x80\xAF", U"\u00E0\u20AC\u00AF"},
        {"overlong in four bytes", "\xF0\x80\x80\xAF", U"\u00F0\u20AC\u20AC\u00AF"},
        {"lone continuation byte", "a\x80z", U"a\u20ACz"},
        {"run of continuation bytes", "\x80\xBF\x9D", U"\u20AC\u00BF\u009D"},
        {"two-byte sequence cut at the end", "ab\xC3", U"ab\u00C3"},
        {"three-byte sequence cut at the end", "\xE2\x82", U"\u00E2\u201A"},
        {"four-byte sequence cut at the end", "\xF0\x9F\x98", U"\u00F0\u0178\u02DC"},
        {"sequence cut by an ASCII byte",
         "\xE2\x82"
         "A",
         U"\u00E2\u201A"
         "A"},
        {"high surrogate encoded", "\xED\xA0\x80", U"\u00ED\u00A0\u20AC"},
        {"low surrogate encoded", "\xED\xBF\xBF", U"\u00ED\u00BF\u00BF"},
        {"surrogate pair encoded separately", "\xED\xA0\xBD\xED\xB8\x80",
         U"\u00ED\u00A0\u00BD\u00ED\u00B8\u20AC"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", U"\u00F4\u0090\u20AC\u20AC"},
        {"F5 lead byte", "\xF5\x80\x80\x80", U"\u00F5\u20AC\u20AC\u20AC"},
        {"F8 five-byte lead", "\xF8\x88\x80\x80\x80", U"\u00F8\u02C6\u20AC\u20AC\u20AC"},
        {"FC six-byte lead", "\xFC", U"\u00FC"},
        {"FE and FF", "\xFE\xFF", U"\u00FE\u00FF"},
        {"valid text around a bad byte", "\xC3\xA9\xFF\xE2\x82\xAC", U"\u00E9\u00FF\u20AC"},
        {"unassigned code page bytes pass as C1 controls", "\x81\x8D\x8F\x90\x9D",
         U"\u0081\u008D\u008F\u0090\u009D"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CodePoints(c.bytes), c.expected);
    }
}

TEST(TextCodecTest, InvalidUtf8ConvertsSafelyEveryWay)
{
    const std::vector<std::string> inputs = {
        "\xC0\xAF",
        "\xE0\x80\xAF",
        "a\x80z",
        "\xE2\x82",
        "\xF0\x9F\x98",
        "\xED\xA0\x80",
        "\xED\xBF\xBF",
        "\xF4\x90\x80\x80",
        "\xF5\xF8\xFC\xFE\xFF",
        "\x81\x8D\x8F\x90\x9D",
    };
    for (const std::string& bytes : inputs) {
        SCOPED_TRACE(testing::PrintToString(bytes));
        // Every byte was taken as its own code page character, so the code
        // page text is the input itself.
        EXPECT_EQ(Utf8ToCp1252(bytes), bytes);
        // UTF-16 holds no lone surrogate, and back in UTF-8 the text is valid:
        // read again, it gives the same characters.
        const std::u16string utf16 = Utf8ToUtf16(bytes);
        for (const char16_t unit : utf16) {
            EXPECT_FALSE(unit >= 0xD800 && unit <= 0xDFFF);
        }
        const std::string utf8 = Utf16ToUtf8(utf16);
        EXPECT_EQ(CodePoints(utf8), CodePoints(bytes));
        EXPECT_EQ(Utf8ToUtf16(utf8), utf16);
    }
}

TEST(TextCodecTest, ValidSequencesAtTheLimitsAreKept)
{
    struct Case
    {
        const char* name;
        std::string bytes;
        char32_t expected;
    };
    const std::vector<Case> cases = {
        {"smallest two-byte", "\xC2\x80", U'\u0080'},
        {"smallest three-byte", "\xE0\xA0\x80", U'\u0800'},
        {"last before the surrogates", "\xED\x9F\xBF", U'\uD7FF'},
        {"first after the surrogates", "\xEE\x80\x80", U'\uE000'},
        {"smallest four-byte", "\xF0\x90\x80\x80", U'\U00010000'},
        {"largest code point", "\xF4\x8F\xBF\xBF", U'\U0010FFFF'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(CodePoints(c.bytes), std::u32string(1, c.expected));
        std::string back;
        AppendUtf8(back, c.expected);
        EXPECT_EQ(back, c.bytes);
    }
}

} // namespace
