// The reader: the index-line test, the walk over lines, and reading real and hostile paths.
#include "subtitles/SrtFile.h"

#include "subtitles/SrtWriter.h"

#include "TempDir.h"
#include "fakes/FakeLog.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Entry {
    int number;
    double start;
    double end;
    std::optional<std::string> text;
};

std::vector<Entry> entriesOf(const SrtMessageList& list)
{
    std::vector<Entry> out;
    for (const auto& e : list)
        out.push_back({ e->numberData(), e->startTimeData(), e->endTimeData(), e->message() });
    return out;
}

void expectEntries(
    const std::vector<Entry>& got, const std::vector<Entry>& want, const std::string& label)
{
    ASSERT_EQ(got.size(), want.size()) << label;
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ(got[i].number, want[i].number) << label << " entry " << i;
        EXPECT_DOUBLE_EQ(got[i].start, want[i].start) << label << " entry " << i;
        EXPECT_DOUBLE_EQ(got[i].end, want[i].end) << label << " entry " << i;
        EXPECT_EQ(got[i].text, want[i].text) << label << " entry " << i;
    }
}

std::vector<Entry> readFile(
    const std::string& path, std::uint32_t encoding, std::uint8_t rc, bool* ok = nullptr)
{
    const auto reader = SrtFile::file(path, encoding, rc);
    const bool read = reader->readData();
    if (ok)
        *ok = read;
    return entriesOf(reader->dataArray());
}

TEST(SrtFile, IndexLinesAreNonEmptyAsciiDigits)
{
    const std::pair<const char*, bool> cases[] = {
        { "1", true },
        { "007", true },
        { "2024", true },
        { "", false },
        { " 1", false },
        { "1 ", false },
        { "1\r", false },
        { "-1", false },
        { "+1", false },
        { "1a", false },
        { "１", false },
        { "12\xEF\xBC\x93", false },
    };
    for (const auto& [line, isIndex] : cases)
        EXPECT_EQ(SrtFile::isDigitCode(line), isIndex) << '"' << line << '"';
}

TEST(SrtFile, IndexValuesSaturateAt32Bits)
{
    EXPECT_EQ(intValue("007"), 7);
    EXPECT_EQ(intValue("2147483647"), 2147483647);
    EXPECT_EQ(intValue("2147483648"), 2147483647);
    EXPECT_EQ(intValue("99999999999999999999999999"), 2147483647);
}

TEST(SrtFile, WalkBuildsEntriesAsTheLinesSay)
{
    struct Case {
        const char* label;
        std::string text;
        std::uint8_t rc;
        std::vector<Entry> want;
    };
    const Case cases[] = {
        { "two entries, two lines and a blank",
            "1\r\n00:00:01,500 --> 00:00:04,250\r\nHello\r\nWorld\r\n\r\n"
            "2\r\n00:00:05,000 --> 00:00:06,000\r\nBye\r\n",
            SrtFile::kCrLf, { { 1, 1.5, 4.25, "Hello\nWorld\n" }, { 2, 5.0, 6.0, "Bye\n" } } },
        { "index 007", "007\n00:00:01,000 --> 00:00:02,000\nx", SrtFile::kLf,
            { { 7, 1, 2, "x" } } },
        { "CRLF read as LF keeps a CR on every line",
            "1\r\n00:00:01,000 --> 00:00:02,000\r\nHi\r\n", SrtFile::kLf, {} },
        { "digits-only text line starts an entry",
            "1\n00:00:01,000 --> 00:00:02,000\nIn\n1999\nthe end\n", SrtFile::kLf,
            { { 1, 1, 2, "In" }, { 1999, 0, 0, "" } } },
        { "lines before the first index are ignored",
            "junk\n\nmore\n3\n00:00:03,000 --> 00:00:04,000\nA", SrtFile::kLf,
            { { 3, 3, 4, "A" } } },
        { "index as the last line", "1\n00:00:01,000 --> 00:00:02,000\nA\n5", SrtFile::kLf,
            { { 1, 1, 2, "A" }, { 5, 0, 0, std::nullopt } } },
        { "empty text", "", SrtFile::kCrLf, {} },
        { "return code 7", "1\n00:00:01,000 --> 00:00:02,000\nA\n", 7, {} },
        { "empty line after the time line gives an empty text",
            "1\n00:00:01,000 --> 00:00:02,000\n\n2\n00:00:03,000 --> 00:00:04,000", SrtFile::kLf,
            { { 1, 1, 2, "" }, { 2, 3, 4, std::nullopt } } },
        { "CR line endings", "1\r00:00:01,000 --> 00:00:02,000\rA\rB", SrtFile::kCr,
            { { 1, 1, 2, "A\nB" } } },
        { "end before start stays as read", "1\n00:00:05,000 --> 00:00:01,000\nA", SrtFile::kLf,
            { { 1, 5, 1, "A" } } },
        { "non-ASCII time line gives zero times", "1\n００:00:01,000 --> 00:00:02,000\nA",
            SrtFile::kLf, { { 1, 0, 0, "A" } } },
        { "a stray CR inside a CRLF text stays",
            "1\r\n00:00:01,000 --> 00:00:02,000\r\na\r\r\nb\r\n", SrtFile::kCrLf,
            { { 1, 1, 2, "a\r\nb\n" } } },
        { "largest two-digit time line", "1\n99:59:59,999 --> 00:00:00,000\nA", SrtFile::kLf,
            { { 1, 99 * 3600 + 59 * 60 + 59 + 0.999, 0, "A" } } },
    };
    for (const auto& c : cases) {
        SrtFile reader("/nonexistent/for/parse", 4, c.rc);
        reader.parseText(c.text);
        expectEntries(entriesOf(reader.dataArray()), c.want, c.label);
    }
}

TEST(SrtFile, ReadsAFileInTheChosenEncoding)
{
    FakeLog log;
    TempDir dir;
    // "こんにちは" in Shift JIS.
    const std::string sjis
        = "1\r\n00:00:01,000 --> 00:00:02,000\r\n\x82\xb1\x82\xf1\x82\xc9\x82\xbf\x82\xcd\r\n";
    const std::string path = dir.write("ja.srt", sjis);
    bool ok = false;
    expectEntries(readFile(path, 8, SrtFile::kCrLf, &ok),
        { { 1, 1, 2, "\xE3\x81\x93\xE3\x82\x93\xE3\x81\xAB\xE3\x81\xA1\xE3\x81\xAF\n" } }, "sjis");
    EXPECT_TRUE(ok);

    // The same bytes are not UTF-8: the read fails and the list stays empty.
    EXPECT_TRUE(readFile(path, 4, SrtFile::kCrLf, &ok).empty());
    EXPECT_FALSE(ok);

    // A byte-order mark does not cost the first entry.
    const std::string bomPath = dir.write("bom.srt",
        "\xEF\xBB\xBF"
        "1\n00:00:01,000 --> 00:00:02,000\nA\n");
    expectEntries(readFile(bomPath, 4, SrtFile::kLf, &ok), { { 1, 1, 2, "A\n" } }, "bom");
    EXPECT_TRUE(ok);

    // An empty file reads as an empty list.
    EXPECT_TRUE(readFile(dir.write("empty.srt", ""), 8, SrtFile::kCrLf, &ok).empty());
    EXPECT_TRUE(ok);
}

TEST(SrtFile, HostilePathsFailWithoutBlockingOrOverreading)
{
    FakeLog log;
    TempDir dir;
    const std::string fifo = (dir.path() / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

    struct Case {
        std::string label;
        std::string path;
        bool exists;
        ReadFailure why;
    };
    const Case cases[] = {
        { "directory", dir.path().string(), true, ReadFailure::notRegular },
        { "fifo without a writer", fifo, true, ReadFailure::notRegular },
        { "/dev/null", "/dev/null", true, ReadFailure::notRegular },
        { "/dev/zero", "/dev/zero", true, ReadFailure::notRegular },
        { "missing", (dir.path() / "missing.srt").string(), false, ReadFailure::notFound },
        { "not UTF-8", dir.write("latin1.srt", "caf\xE9"), true, ReadFailure::notDecodable },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(File::isExistFile(c.path), c.exists) << c.label;
        bool ok = true;
        EXPECT_TRUE(readFile(c.path, 4, SrtFile::kCrLf, &ok).empty()) << c.label;
        EXPECT_FALSE(ok) << c.label;
        SrtFile reader(c.path, 4, SrtFile::kCrLf);
        EXPECT_FALSE(reader.readData()) << c.label;
        EXPECT_EQ(reader.failure(), c.why) << c.label;
    }
    // The missing file was logged when the reader could not open it.
    const auto lines = log.lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "file error"), lines.end());
}

// Files of several megabytes take the reader's large-file paths; they must give exactly what
// decoding and parsing the same bytes in memory gives.
TEST(SrtFile, LargeFilesReadAsTheirTextParses)
{
    FakeLog log;
    TempDir dir;
    std::string utf8;
    for (int i = 1; utf8.size() < (12U << 20); ++i) {
        char head[96];
        std::snprintf(head, sizeof head, "%d\r\n00:%02d:%02d,%03d --> 00:%02d:%02d,%03d\r\n", i,
            i / 60 % 60, i % 60, i % 1000, i / 60 % 60, i % 60, (i + 500) % 1000);
        utf8 += head;
        utf8 += i % 3 ? "A line of dialogue\r\nand another one\r\n\r\n"
                      : "\xE5\xAD\x97\xE5\xB9\x95\xE3\x81\xA7\xE3\x81\x99\r\n\r\n";
    }
    // The same text in Shift JIS ("字幕です").
    std::string sjis;
    const std::string_view word = "\xE5\xAD\x97\xE5\xB9\x95\xE3\x81\xA7\xE3\x81\x99";
    for (std::size_t from = 0;;) {
        const std::size_t at = utf8.find(word, from);
        sjis.append(utf8, from, at == std::string::npos ? std::string::npos : at - from);
        if (at == std::string::npos)
            break;
        sjis += "\x8E\x9A\x96\x8B\x82\xC5\x82\xB7";
        from = at + word.size();
    }

    for (const auto& [bytes, encoding] : { std::pair{ utf8, 4U }, std::pair{ sjis, 8U } }) {
        const std::string path = dir.write("large.srt", bytes);
        bool ok = false;
        const auto read = readFile(path, encoding, SrtFile::kCrLf, &ok);
        ASSERT_TRUE(ok) << encoding;
        SrtFile inMemory("/nonexistent/for/parse", encoding, SrtFile::kCrLf);
        inMemory.parseText(utf8);
        const auto parsed = entriesOf(inMemory.dataArray());
        ASSERT_GT(parsed.size(), 100000U);
        ASSERT_EQ(read.size(), parsed.size()) << encoding;
        // One report for the first difference rather than one per entry.
        for (std::size_t i = 0; i < read.size(); ++i) {
            const bool same = read[i].number == parsed[i].number && read[i].start == parsed[i].start
                && read[i].end == parsed[i].end && read[i].text == parsed[i].text;
            ASSERT_TRUE(same) << "encoding " << encoding << ", entry " << i;
        }
    }
}

TEST(SrtFile, FileChangedBetweenOpenAndReadIsHandled)
{
    FakeLog log;
    TempDir dir;
    const std::string body = "1\n00:00:01,000 --> 00:00:02,000\nA\n";

    // Removed after the reader opened it: the open descriptor still reads the old bytes.
    const std::string removed = dir.write("removed.srt", body);
    auto reader = SrtFile::file(removed, 4, SrtFile::kLf);
    std::filesystem::remove(removed);
    EXPECT_TRUE(reader->readData());
    EXPECT_EQ(reader->dataArray().size(), 1U);

    // Truncated after opening: only what is left is read, into a buffer no larger than that.
    const std::string truncated = dir.write("truncated.srt", body);
    reader = SrtFile::file(truncated, 4, SrtFile::kLf);
    ASSERT_EQ(::truncate(truncated.c_str(), 2), 0);
    EXPECT_TRUE(reader->readData());
    ASSERT_EQ(reader->dataArray().size(), 1U);
    EXPECT_EQ(reader->dataArray()[0]->numberData(), 1);
    EXPECT_FALSE(reader->dataArray()[0]->message().has_value());

    // Grown after opening: the size known at opening bounds the read.
    const std::string grown = dir.write("grown.srt", body);
    reader = SrtFile::file(grown, 4, SrtFile::kLf);
    std::ofstream(grown, std::ios::app) << "2\n00:00:03,000 --> 00:00:04,000\nB\n";
    EXPECT_TRUE(reader->readData());
    EXPECT_EQ(reader->dataArray().size(), 1U);
}

TEST(SrtFile, FileLargerThanTheSizeFieldIsRefusedUnread)
{
    FakeLog log;
    TempDir dir;
    const std::string path = dir.write("huge.srt", "");
    // Sparse: no disk is used.
    ASSERT_EQ(::truncate(path.c_str(), 5LL * 1024 * 1024 * 1024), 0);
    const auto reader = SrtFile::file(path, 4, SrtFile::kLf);
    EXPECT_EQ(reader->size(), -1);
    EXPECT_FALSE(reader->readData());
}

TEST(SrtFile, DetectEncodingPicksTheFirstThatDecodes)
{
    FakeLog log;
    TempDir dir;
    EXPECT_EQ(SrtFile::file(dir.write("ascii.srt", "1\n"), 8, 1)->detectEncoding(), 4U);
    // Lone Shift JIS lead bytes are not UTF-8 but are Shift JIS.
    EXPECT_EQ(SrtFile::file(dir.write("sjis.srt", "\x82\xb1"), 8, 1)->detectEncoding(), 8U);
    EXPECT_EQ(SrtFile::file((dir.path() / "none").string(), 8, 1)->detectEncoding(), 0U);
}

TEST(SrtFile, DumpPrintsRoundedTimesAndLogsTexts)
{
    FakeLog log;
    SrtFile reader("/nonexistent/for/dump", 4, SrtFile::kLf);
    reader.parseText("1\n00:00:01,005 --> 01:02:03,004\nHello\n2");
    std::FILE* out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    reader.dumpValues(out);
    std::rewind(out);
    std::string printed(4096, '\0');
    printed.resize(std::fread(printed.data(), 1, printed.size(), out));
    std::fclose(out);
    EXPECT_EQ(printed,
        "count_nsma:\t 1\n"
        "start:\t\t\t 00:00:01:005\n"
        "end  :\t\t\t 01:02:03:004\n"
        "count_nsma:\t 2\n"
        "start:\t\t\t 00:00:00:000\n"
        "end  :\t\t\t 00:00:00:000\n");
    const auto lines = log.lines();
    ASSERT_GE(lines.size(), 2U);
    EXPECT_EQ(lines[lines.size() - 2], "Hello");
    EXPECT_EQ(lines.back(), "");
}

TEST(SrtWriter, WrittenFilesReadBackToTheSameTimesAndTexts)
{
    // Rounded to the millisecond, carrying into seconds, minutes and hours; nothing before zero.
    const std::pair<double, const char*> times[] = { { 0, "00:00:00,000" },
        { 1.0005, "00:00:01,001" }, { 59.9996, "00:01:00,000" }, { 3599.9999, "01:00:00,000" },
        { 36001.25, "10:00:01,250" }, { -4.2, "00:00:00,000" } };
    for (const auto& [seconds, text] : times)
        EXPECT_EQ(srtTime(seconds), text) << seconds;

    const std::vector<WrittenCue> cues
        = { { 1, 1.5, 2.25, "One\n" }, { 7, 3, 4.125, "Two\nlines\n\n" }, { 8, 5, 6, "" },
              { 9, 7.001, 8.999, "Last, no newline" } };
    for (const char* ending : { "\r\n", "\n" }) {
        SrtFile reader("/nonexistent", 4, ending[0] == '\r' ? SrtFile::kCrLf : SrtFile::kLf);
        reader.parseText(writeSrt(cues, ending));
        const SrtMessageList& read = reader.dataArray();
        ASSERT_EQ(read.size(), cues.size());
        for (std::size_t i = 0; i < cues.size(); ++i) {
            EXPECT_EQ(read[i]->numberData(), cues[i].number);
            EXPECT_EQ(srtTime(read[i]->startTimeData()), srtTime(cues[i].start));
            EXPECT_EQ(srtTime(read[i]->endTimeData()), srtTime(cues[i].end));
            // The same text; the blank lines that end a block are the reader's, not the text's.
            const auto trimmed = [](std::string text) {
                while (!text.empty() && text.back() == '\n')
                    text.pop_back();
                return text;
            };
            ASSERT_TRUE(read[i]->message().has_value()) << i;
            EXPECT_EQ(trimmed(*read[i]->message()), trimmed(cues[i].text)) << i;
        }
    }
}

} // namespace
