// Automatic reading: the forgiving walk, the line ending found, the report, the locale as a
// tie-breaker, and agreement with the hand-picked reader on well-formed files.
#include "subtitles/AutoReader.h"

#include "platform/CharsetDetector.h"
#include "subtitles/SrtFile.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Read {
    std::vector<std::string> lines; // "number start end text" per entry
    ReadingReport report;
};

Read readAutomatically(const std::string& bytes, const std::string& locale = "C")
{
    SrtMessageList entries;
    Read r;
    EXPECT_TRUE(autoread::read(bytes, std::nullopt, std::nullopt, locale, entries, r.report));
    for (const auto& e : entries) {
        std::ostringstream line;
        line << e->numberData() << " " << e->startTimeData() << " " << e->endTimeData() << " "
             << e->message().value_or("<none>");
        r.lines.push_back(line.str());
    }
    return r;
}

TEST(AutoReader, ForgivesWhatRealFilesGetWrong)
{
    struct Case {
        const char* what;
        std::string file;
        std::vector<std::string> entries;
        LineEnding lineEnding;
        std::vector<std::size_t> skipped;
    };
    const Case cases[] = {
        { "every line ending in one file",
            "1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n\r\n2\n00:00:03,000 --> 00:00:04,000\nB\n\n"
            "3\r00:00:05,000 --> 00:00:06,000\rC\r\r4\r\n00:00:07,000 --> 00:00:08,000\r\nD",
            { "1 1 2 A\n", "2 3 4 B\n", "3 5 6 C\n", "4 7 8 D" }, LineEnding::crlf, {} },
        { "dot before the milliseconds, short fractions, spaces, position notes",
            "1\n00:00:01.500 --> 00:00:02.25\nA\n\n2\n 0:00:03,5  -->  00:00:04,000  X1:10 "
            "Y1:20\nB",
            { "1 1.5 2.25 A\n", "2 3.5 4 B" }, LineEnding::lf, {} },
        { "spaces around an index",
            "  7 \n00:00:01,000 --> 00:00:02,000\nA\n\n\t8\t\n"
            "00:00:03,000 --> 00:00:04,000\nB",
            { "7 1 2 A\n", "8 3 4 B" }, LineEnding::lf, {} },
        { "a year alone on a text line stays text",
            "1\n00:00:01,000 --> 00:00:02,000\nIt was\n1984\n\n2\n00:00:03,000 --> 00:00:04,000\nB",
            { "1 1 2 It was\n1984\n", "2 3 4 B" }, LineEnding::lf, {} },
        { "a block with an unreadable time line is skipped, not glued to the one before",
            "1\n00:00:01,000 --> 00:00:02,000\nA\n\n2\n00:00:xx,000 --> 00:00:04,000\nB\n\n"
            "3\n00:00:05,000 --> 00:00:06,000\nC",
            { "1 1 2 A\n", "3 5 6 C" }, LineEnding::lf, { 5 } },
        { "text before the first subtitle is one skipped block",
            "WEBVTT\nKind: captions\n\n1\n00:00:01,000 --> 00:00:02,000\nA", { "1 1 2 A" },
            LineEnding::lf, { 1 } },
        { "CR alone", "1\r00:00:01,000 --> 00:00:02,000\rA", { "1 1 2 A" }, LineEnding::cr, {} },
    };
    for (const Case& c : cases) {
        const Read r = readAutomatically(c.file);
        EXPECT_EQ(r.lines, c.entries) << c.what;
        EXPECT_EQ(r.report.lineEnding, c.lineEnding) << c.what;
        EXPECT_EQ(r.report.skippedLines, c.skipped) << c.what;
        EXPECT_EQ(r.report.subtitles, c.entries.size()) << c.what;
    }
}

// On a file with nothing to forgive, Automatic must give what the right hand-picked choice
// gives, to the bit.
TEST(AutoReader, AgreesWithTheHandPickedReaderOnWellFormedFiles)
{
    struct Case {
        const char* path;
        std::uint32_t encoding;
        LineEnding lineEnding;
    };
    const Case cases[] = {
        { SUBCLOCK_SOURCE "/resources/sample.srt", 8, LineEnding::crlf },
        { SUBCLOCK_SOURCE "/tests/samples/basic-crlf.srt", 4, LineEnding::crlf },
        { SUBCLOCK_SOURCE "/tests/samples/utf16le-bom-crlf.srt", 0x94000100, LineEnding::crlf },
    };
    for (const Case& c : cases) {
        SrtFile byHand(c.path, c.encoding, c.lineEnding);
        SrtFile automatic(c.path, 8, 0);
        automatic.setAutomatic(true, true);
        ASSERT_TRUE(byHand.readData()) << c.path;
        ASSERT_TRUE(automatic.readData()) << c.path;
        const auto& a = automatic.dataArray();
        const auto& b = byHand.dataArray();
        ASSERT_EQ(a.size(), b.size()) << c.path;
        ASSERT_FALSE(a.empty()) << c.path;
        for (std::size_t i = 0; i < a.size(); ++i) {
            EXPECT_EQ(a[i]->numberData(), b[i]->numberData()) << c.path << " " << i;
            EXPECT_EQ(a[i]->startTimeData(), b[i]->startTimeData()) << c.path << " " << i;
            EXPECT_EQ(a[i]->endTimeData(), b[i]->endTimeData()) << c.path << " " << i;
            EXPECT_EQ(a[i]->message(), b[i]->message()) << c.path << " " << i;
        }
        EXPECT_EQ(automatic.report().encoding, c.encoding) << c.path;
        EXPECT_EQ(automatic.report().lineEnding, c.lineEnding) << c.path;
        EXPECT_EQ(automatic.report().duration, b.back()->endTimeData()) << c.path;
    }
}

TEST(AutoReader, TheLocaleBreaksATieBetweenTheDetectors)
{
    // Polish in ISO-8859-2 without a byte of 0x80-0x9F: uchardet reads Western, ICU Central
    // European.
    const std::string file
        = "1\r\n00:00:01,000 --> 00:00:02,000\r\nZa\xBF\xF3\xB3\xE6 g\xEA\xB6l\xB1 ja\xBC\xF1\r\n";
    const Read polish = readAutomatically(file, "pl_PL.UTF-8");
    ASSERT_EQ(polish.lines.size(), 1U);
    EXPECT_EQ(polish.lines[0], "1 1 2 Zażółć gęślą jaźń\n");
    // A Windows code page over its ISO sibling once a byte of 0x80-0x9F shows up (œ is 0x9C).
    const Read french = readAutomatically("1\r\n00:00:01,000 --> 00:00:02,000\r\nC\x9Cur bris\xE9 "
                                          "\x85 \x93tr\xE8s\x94 d\xE9\xE7u.\r\n",
        "C");
    ASSERT_EQ(french.lines.size(), 1U);
    EXPECT_EQ(french.lines[0], "1 1 2 Cœur brisé … “très” déçu.\n");
}

TEST(AutoReader, NothingToReadIsSaidNotGuessed)
{
    SrtMessageList entries;
    ReadingReport report;
    // Valid UTF-8 with no subtitle in it: read, but nothing found.
    EXPECT_TRUE(
        autoread::read("just some words\n", std::nullopt, std::nullopt, "C", entries, report));
    EXPECT_EQ(report.subtitles, 0U);
    EXPECT_EQ(report.skippedLines, std::vector<std::size_t>{ 1 });
    EXPECT_FALSE(autoread::suggest("just some words\n", "C"));
    // An LF file read by hand as CRLF: the alert's offer is LF and the encoding it is in.
    const auto offer = autoread::suggest(
        "1\n00:00:01,000 --> 00:00:02,000\n\xCF\xF0\xE8\xE2\xE5\xF2, \xEC\xE8\xF0!\n", "C");
    ASSERT_TRUE(offer);
    EXPECT_EQ(offer->lineEnding, SrtFile::kLf);
    EXPECT_EQ(encodings::shortName(offer->encoding), "Windows-1251");
}

} // namespace
