// The script splitter and its decoding.
#include "cueing/Script.h"

#include "fakes/FakeLog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(Script, ParagraphsSplitAtBlankLinesWhateverTheLineEndings)
{
    using P = std::vector<std::string>;
    const struct {
        const char* label;
        std::string text;
        P want;
    } cases[] = {
        { "LF", "One\nline two\n\nTwo\n", { "One\nline two", "Two" } },
        { "CRLF", "One\r\nline two\r\n\r\nTwo\r\n", { "One\nline two", "Two" } },
        { "CR", "One\rline two\r\rTwo", { "One\nline two", "Two" } },
        { "trailing spaces and tabs, and lines of spaces as blanks",
            "One  \t\nline two \n   \nTwo\t\n", { "One\nline two", "Two" } },
        { "several blank lines, leading and trailing ones", "\n\n\nOne\n\n\n\n\nTwo\n\n\n",
            { "One", "Two" } },
        { "a byte-order mark", "\xEF\xBB\xBFOne\r\n\r\nTwo", { "One", "Two" } },
        { "leading spaces inside a line are kept", "  Indented\n", { "  Indented" } },
        { "nothing", "", {} },
        { "only blank lines", "\r\n \r\n\t\n", {} },
    };
    for (const auto& c : cases)
        EXPECT_EQ(script::paragraphs(c.text), c.want) << c.label;
}

TEST(Script, DecodesUtf8OrTheFirstEncodingThatFits)
{
    FakeLog log;
    // UTF-8 with a byte-order mark, and "日本" in Shift JIS, which is not UTF-8.
    EXPECT_EQ(script::decode("\xEF\xBB\xBF\xC3\xA9t\xC3\xA9"), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(script::decode("\x93\xFA\x96\x7B"), "\xE6\x97\xA5\xE6\x9C\xAC");
}

} // namespace
