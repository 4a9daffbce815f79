// Which format a file that holds no SubRip looks like, as the alert names it.
#include "subtitles/FormatSniff.h"

#include <gtest/gtest.h>

namespace {

TEST(FormatSniff, NamesTheFormatFromTheFirstBytes)
{
    using namespace std::string_literals;
    const struct {
        std::string head;
        std::optional<std::string> format;
    } cases[] = {
        { "\xEF\xBB\xBFWEBVTT\n\n00:01.000 --> 00:02.000\nHi\n", "a WebVTT file" },
        { "\n\nWEBVTT - with a title\r\n", "a WebVTT file" },
        // UTF-16 with its byte-order mark, both ways round.
        { "\xFF\xFEW\0E\0B\0V\0T\0T\0\n\0"s, "a WebVTT file" },
        { "\xFE\xFF\0W\0E\0B\0V\0T\0T\0\n"s, "a WebVTT file" },
        { "[Script Info]\nScriptType: v4.00+\n", "an ASS (Advanced SubStation Alpha) file" },
        { "[Script Info]\nScriptType: v4.00\n\n[V4 Styles]\n", "an SSA (SubStation Alpha) file" },
        { "{100}{250}Hello|World\n", "a MicroDVD file" },
        { "[10][25]Hello\n", "an MPL2 file" },
        { "<SAMI>\n<HEAD>", "a SAMI file" },
        // SubRip that did not read, and plain text, are no other format.
        { "1\r\n00:00:01,000 --> 00:00:02,000\r\nWEBVTT\r\n", std::nullopt },
        { "{100}Hello", std::nullopt },
        { "", std::nullopt },
    };
    for (const auto& c : cases)
        EXPECT_EQ(otherSubtitleFormat(c.head), c.format) << ::testing::PrintToString(c.head);
}

TEST(FormatSniff, SubRipTimeLinesKeepAFileSubRip)
{
    const struct {
        const char* text;
        SubtitleFormat format;
    } cases[] = {
        { "WEBVTT\n\n00:00:01.000 --> 00:00:02.000\nHi\n", SubtitleFormat::webvtt },
        // What Automatic read as SubRip before stays SubRip, whatever else the text holds.
        { "WEBVTT\n\n1\n00:00:01,000 --> 00:00:02,000\nHi\n", SubtitleFormat::subrip },
        { "1\n00:00:01,000 --> 00:00:02,000\n[SUBTITLE] {1}{2}\n", SubtitleFormat::subrip },
        { "[Script Info]\n1\n00:00:01,000 --> 00:00:02,000\nx\n", SubtitleFormat::subrip },
        { "[INFORMATION]\n[SUBTITLE]\n00:00:01.00,00:00:02.00\nx\n", SubtitleFormat::subviewer },
        { "{1}{1}25\n{25}{50}x\n", SubtitleFormat::microdvd },
        { "plain words\n", SubtitleFormat::subrip },
    };
    for (const auto& c : cases)
        EXPECT_EQ(sniffFormat(c.text), c.format) << c.text;
}

} // namespace
