// The shared ASCII helpers: which characters each trim removes, and that bytes past 0x7F are
// left alone (a UTF-8 lead byte lowered in a Latin-1 locale would corrupt the text).
#include "platform/Ascii.h"

#include <gtest/gtest.h>

namespace {

TEST(Ascii, TrimAndCompareKeepToAscii)
{
    struct Case {
        std::string_view in, blanks, whitespace;
    };
    const Case trims[] = {
        { " \t12\t ", "12", "12" },
        { "\r\n12 \r", "\r\n12 \r", "12" },
        { " \v\f", "\v\f", "" },
        { "   ", "", "" },
        { "a b", "a b", "a b" },
    };
    for (const Case& c : trims) {
        EXPECT_EQ(ascii::trimmed(c.in, ascii::kBlanks), c.blanks) << '"' << c.in << '"';
        EXPECT_EQ(ascii::trimmed(c.in, ascii::kWhitespace), c.whitespace) << '"' << c.in << '"';
    }

    struct Pair {
        std::string_view a, b;
        bool equal;
    };
    const Pair pairs[] = {
        { ".SRT", ".srt", true }, { "Color", "cOLOR", true }, { ".srt", ".srt ", false },
        { "\xC3\x89", "\xC3\xA9", false }, // É and é: not ASCII, not folded
        { "[", "{", false }, // 0x5B and 0x7B differ by the case bit but are not letters
    };
    for (const Pair& p : pairs)
        EXPECT_EQ(ascii::equalsIgnoringCase(p.a, p.b), p.equal) << p.a << " / " << p.b;

    EXPECT_EQ(ascii::toLower(std::string("MPV Player \xC3\x89")), "mpv player \xC3\x89");
}

} // namespace
