// The reader against paths and files that fight back. Every case ends in a failed read or a list;
// never a crash, a hang, an allocation for bytes the file does not have, or a lost entry.
#include "Hostile.h"
#include "control/MainCtrl.h"
#include "fakes/FakeControls.h"
#include "fakes/FakeDisplay.h"
#include "fakes/FakeLog.h"
#include "fakes/FakeStore.h"
#include "platform/Encodings.h"
#include "subtitles/SrtFile.h"

#include <unicode/ucnv.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <thread>

namespace {

using namespace hostile;
using Clock = std::chrono::steady_clock;

constexpr std::size_t kSlack = 1 << 20;
constexpr off_t kGiB = 1LL << 30;

struct ReadCase {
    std::string label;
    // Makes the path to read.
    std::function<std::string(const TempDir&)> make;
    bool exists = true;
    bool readOk = true;
    // Entries expected from a film (numbered from 1, text "Line N"); -1 for any number.
    int entries = 0;
    std::uint32_t encoding = encodings::kUtf8;
    std::uint8_t lineEnding = SrtFile::kCrLf;
    // Done after the existence test, before the reader opens the path.
    std::function<void(const std::string&)> afterCheck = nullptr;
    // Done after the reader opened the path, before it reads.
    std::function<void(const std::string&)> afterOpen = nullptr;
    // Runs while the read goes on, stopped when it ends.
    std::function<void(std::stop_token, const std::string&)> duringRead = nullptr;
};

void append(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::app | std::ios::binary) << bytes;
}

std::string repeat(const std::string& piece, std::size_t times)
{
    std::string out;
    out.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        out += piece;
    return out;
}

std::string separatorOf(std::uint8_t lineEnding)
{
    return lineEnding == SrtFile::kLf ? "\n" : lineEnding == SrtFile::kCr ? "\r" : "\r\n";
}

TEST(HostileRead, EveryPathEndsInAFailedReadOrAList)
{
    FakeLog log;
    TempDir dir;
    const std::string three = film(3);
    const std::string bigLine(64 << 20, 'x');
    const ReadCase cases[] = {
        { .label = "directory",
            .make = [](const TempDir& d) { return d.path().string(); },
            .readOk = false },
        { .label = "fifo with no writer",
            .make = [](const TempDir& d) { return fifo(d, "fifo.srt"); },
            .readOk = false },
        { .label = "/dev/zero",
            .make = [](const TempDir&) { return std::string("/dev/zero"); },
            .readOk = false },
        { .label = "/dev/urandom",
            .make = [](const TempDir&) { return std::string("/dev/urandom"); },
            .readOk = false },
        { .label = "missing",
            .make = [](const TempDir& d) { return (d.path() / "none.srt").string(); },
            .exists = false,
            .readOk = false },
        { .label = "empty file",
            .make = [](const TempDir& d) { return d.write("empty.srt", ""); } },
        { .label = "deleted between the check and the open",
            .make = [&](const TempDir& d) { return d.write("deleted.srt", three); },
            .readOk = false,
            .afterCheck = [](const std::string& p) { std::filesystem::remove(p); } },
        { .label = "deleted between the open and the read",
            .make = [&](const TempDir& d) { return d.write("deleted2.srt", three); },
            .entries = 3,
            .afterOpen = [](const std::string& p) { std::filesystem::remove(p); } },
        { .label = "truncated between the check and the open",
            .make = [](const TempDir& d) { return d.write("cut.srt", film(10)); },
            .entries = 5,
            .afterCheck
            = [](const std::string& p) { ASSERT_EQ(::truncate(p.c_str(), film(5).size()), 0); } },
        { .label = "truncated to nothing between the open and the read",
            .make = [&](const TempDir& d) { return d.write("cut2.srt", three); },
            .afterOpen = [](const std::string& p) { ASSERT_EQ(::truncate(p.c_str(), 0), 0); } },
        { .label = "grown between the check and the open",
            .make = [&](const TempDir& d) { return d.write("grown.srt", three); },
            .entries = 6,
            .afterCheck = [](const std::string& p) { append(p, film(6).substr(film(3).size())); } },
        { .label = "growing while read",
            .make = [](const TempDir& d) { return d.write("growing.srt", film(2000)); },
            .entries = 2000,
            .duringRead =
                [](std::stop_token stop, const std::string& p) {
                    const std::string more
                        = "9999\r\n00:00:00,000 --> 00:00:01,000\r\nlate\r\n\r\n";
                    while (!stop.stop_requested())
                        append(p, more);
                } },
        // Large enough that the reader gives back the text it has passed while it walks.
        { .label = "200,000 entries, 12 MB",
            .make = [](const TempDir& d) { return d.write("large.srt", film(200000)); },
            .entries = 200000 },
        { .label = "sparse, 4 GiB and 37 bytes",
            .make = [](const TempDir& d) { return sparseFile(d, "sparse4.srt", 4 * kGiB + 37); },
            .readOk = false },
        { .label = "sparse, 5 GiB",
            .make = [](const TempDir& d) { return sparseFile(d, "sparse5.srt", 5 * kGiB); },
            .readOk = false },
        { .label = "64 MB line without a newline, UTF-8",
            .make = [&](const TempDir& d) { return d.write("line.srt", bigLine); } },
        { .label = "64 MB line without a newline, Shift JIS",
            .make = [&](const TempDir& d) { return d.write("line-sjis.srt", bigLine); },
            .encoding = encodings::kShiftJis },
        { .label = "only CRLF separators",
            .make = [](const TempDir& d) { return d.write("crlf.srt", repeat("\r\n", 1 << 19)); } },
        { .label = "only LF separators, read as LF",
            .make = [](const TempDir& d) { return d.write("lf.srt", std::string(1 << 20, '\n')); },
            .lineEnding = SrtFile::kLf },
        { .label = "only CR separators, read as CRLF",
            .make
            = [](const TempDir& d) { return d.write("cr.srt", std::string(1 << 20, '\r')); } },
        { .label = "binary, as UTF-8",
            .make = [](const TempDir& d) { return d.write("bin.srt", randomBytes(1 << 20, 7)); },
            .readOk = false },
        { .label = "binary, as Latin 1",
            .make = [](const TempDir& d) { return d.write("bin1.srt", randomBytes(1 << 20, 7)); },
            .entries = -1,
            .encoding = 5 },
        { .label = "non-ASCII path",
            .make = [&](const TempDir& d) { return d.write("字幕 — été.srt", three); },
            .entries = 3 },
        { .label = "path with newlines",
            .make = [&](const TempDir& d) { return d.write("film\nwith\nnewlines.srt", three); },
            .entries = 3 },
        { .label = "path that is not UTF-8",
            .make = [&](const TempDir& d) { return d.write("\xFF\xFE film.srt", three); },
            .entries = 3 },
    };

    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.label);
        const std::string path = c.make(dir);
        const auto started = Clock::now();
        const bool exists = File::isExistFile(path);
        EXPECT_EQ(exists, c.exists);
        if (c.afterCheck)
            c.afterCheck(path);

        resetLargestAllocation();
        const auto reader = SrtFile::file(path, c.encoding, c.lineEnding);
        const off_t sizeAtOpen = reader->size() < 0 ? 0 : reader->size();
        // An entry already in the list must survive whatever the read does.
        const std::string sep = separatorOf(c.lineEnding);
        reader->parseText("0" + sep + "00:00:00,000 --> 00:00:00,500" + sep + "kept");
        if (c.afterOpen)
            c.afterOpen(path);
        std::jthread during;
        if (c.duringRead)
            during = std::jthread(c.duringRead, path);
        const bool ok = withinLimit<bool>(c.label, [&] { return reader->readData(); });
        during = {};
        EXPECT_EQ(ok, c.readOk);

        const SrtMessageList& list = reader->dataArray();
        ASSERT_GE(list.size(), 1U);
        EXPECT_EQ(list[0]->numberData(), 0);
        EXPECT_EQ(list[0]->message(), "kept");
        if (!ok) {
            EXPECT_EQ(list.size(), 1U);
        }
        if (ok && c.entries >= 0) {
            ASSERT_EQ(list.size(), 1U + c.entries);
            for (int i = 1; i <= c.entries; ++i) {
                EXPECT_EQ(list[i]->numberData(), i);
                EXPECT_TRUE(list[i]->message()
                    && list[i]->message()->starts_with("Line " + std::to_string(i)))
                    << "entry " << i;
            }
        }
        // Decoding may grow the text up to three times (one byte to a three-byte character).
        EXPECT_LE(largestAllocation(), 3 * static_cast<std::size_t>(sizeAtOpen) + kSlack)
            << "file size at open " << sizeAtOpen;
        EXPECT_LT(Clock::now() - started, std::chrono::seconds(10));
    }
}

// The text of entry 2 holds the invalid sequence; an encoding in which every byte sequence is
// valid (empty sequence here) must read all of the file instead.
TEST(HostileRead, InvalidBytesInEveryListedEncodingLeaveTheListAsItWas)
{
    FakeLog log;
    TempDir dir;
    const std::map<encodings::EncodingId, std::string> invalid = {
        { 4, "\xC3\x28" },
        { 8, "\xFD" },
        { 3, "\xFF" },
        { 21, "\x80" },
        { 1, "\x80" },
        { 13, "\xD2" },
        { 0x80000207, "\xD2" },
        { 0x80000505, "\xCA" },
        { 0x80000507, "\xA1" },
        { 0x80000632, "\x80" },
        { 0x80000631, "\x81\x7F" },
        { 0x80000A03, "\x81\x7F" },
        { 0x80000940, "\x81\x7F" },
        { 10, std::string("\xD8\x00\x00\x41", 4) },
        { 0x90000100, std::string("\xD8\x00\x00\x41", 4) },
        { 0x94000100, std::string("\x00\xD8\x41\x00", 4) },
        { 0x8C000100, std::string("\x00\x11\x00\x00", 4) },
        { 0x98000100, std::string("\x00\x11\x00\x00", 4) },
        { 0x9C000100, std::string("\x00\x00\x11\x00", 4) },
    };
    // Where every byte decodes, all of the high half goes into one text line.
    std::string highHalf;
    for (int b = 0x80; b <= 0xFF; ++b)
        highHalf.push_back(static_cast<char>(b));

    for (const encodings::Encoding& e : encodings::availableStringEncodings()) {
        SCOPED_TRACE(e.name);
        const auto bad = invalid.find(e.id);
        const bool wide = e.id == 10 || (e.id >= 0x8C000100 && e.id <= 0x9C000100);
        const bool wide32 = e.id == 0x8C000100 || e.id == 0x98000100 || e.id == 0x9C000100;
        const bool littleEndian = e.id == 0x94000100 || e.id == 0x9C000100;
        // ASCII-compatible encodings take the text as it is; the UTF-16 and UTF-32 ones get it
        // widened, with the invalid code unit spliced in whole.
        auto encode = [&](const std::string& ascii) {
            if (!wide)
                return ascii;
            std::string out;
            for (const char c : ascii) {
                std::string unit(wide32 ? 4 : 2, '\0');
                unit[littleEndian ? 0 : unit.size() - 1] = c;
                out += unit;
            }
            return out;
        };
        const std::string body = encode("1\r\n00:00:01,000 --> 00:00:02,000\r\nfine\r\n\r\n"
                                        "2\r\n00:00:03,000 --> 00:00:04,000\r\nbad ")
            + (bad != invalid.end() ? bad->second : highHalf)
            + encode(" here\r\n\r\n3\r\n00:00:05,000 --> 00:00:06,000\r\nend\r\n");
        const std::string path = dir.write("enc-" + std::to_string(e.id) + ".srt", body);

        const auto reader = SrtFile::file(path, e.id, SrtFile::kCrLf);
        reader->parseText("0\r\n00:00:00,000 --> 00:00:00,500\r\nkept");
        const bool ok = reader->readData();
        const SrtMessageList& list = reader->dataArray();
        if (bad != invalid.end()) {
            EXPECT_FALSE(ok);
            ASSERT_EQ(list.size(), 1U);
        } else {
            EXPECT_TRUE(ok);
            ASSERT_EQ(list.size(), 4U);
            // 128 characters, none of them lost or replaced by a question mark.
            const std::string text = list[2]->message().value_or("");
            EXPECT_TRUE(encodings::isValidUtf8(text));
            const auto characters = std::count_if(text.begin(), text.end(),
                [](char ch) { return (static_cast<unsigned char>(ch) & 0xC0) != 0x80; });
            EXPECT_EQ(characters, static_cast<long>(std::string("bad  here\n").size() + 128));
            EXPECT_EQ(text.find('?'), std::string::npos);
            EXPECT_EQ(list[3]->message(), "end\n");
        }
        EXPECT_EQ(list[0]->message(), "kept");
    }
}

// Large inputs are decoded in slices; characters, shift sequences and byte-order marks that fall
// on a slice edge must read as if there were none. ICU's one-shot conversion is the reference.
TEST(HostileRead, LongTextInEveryEncodingDecodesAcrossSliceEdges)
{
    const std::string sample
        = "Subtitles 字幕 終電は零時に出ました。 车站在哪里？ 車站在哪裡？ 역이 어디예요? "
          "Где вокзал? Πού είναι; Où est la gare ? Gdzie jest dworzec? "
          "İstasyon איפה أين สถานี Nhà ga ½ € ‰ ｶﾀｶﾅ 𝄞 😀\r\n";
    std::string utf8;
    // Odd padding shifts every character against the slice edges from one copy to the next.
    for (int i = 0; utf8.size() < (300 << 10); ++i)
        utf8 += std::string(static_cast<std::size_t>(i % 7), '.') + sample;

    auto convert = [](const char* to, const char* from, const std::string& in) {
        UErrorCode status = U_ZERO_ERROR;
        UConverter* source = ucnv_open(from, &status);
        UConverter* target = ucnv_open(to, &status);
        // Characters a byte encoding lacks become "?", which it can read back; the Unicode
        // encodings lack none.
        if (ucnv_getMinCharSize(target) == 1)
            ucnv_setSubstChars(target, "?", 1, &status);
        std::string out(in.size() * 4 + 16, '\0');
        char* t = out.data();
        const char* src = in.data();
        ucnv_convertEx(target, source, &t, out.data() + out.size(), &src, in.data() + in.size(),
            nullptr, nullptr, nullptr, nullptr, true, true, &status);
        EXPECT_TRUE(U_SUCCESS(status)) << u_errorName(status);
        out.resize(static_cast<std::size_t>(t - out.data()));
        ucnv_close(source);
        ucnv_close(target);
        return out;
    };

    for (const encodings::Encoding& e : encodings::availableStringEncodings()) {
        if (!e.icuName)
            continue;
        // Each shift moves every slice edge to another byte of the characters around it; across
        // sixteen of them every multi-byte encoding gets an edge inside a character.
        for (int shift = 0; shift < 16; ++shift) {
            SCOPED_TRACE(std::string(e.name) + ", shifted by " + std::to_string(shift));
            const std::string encoded = convert(e.icuName, "UTF-8", std::string(shift, '.') + utf8);
            ASSERT_GT(encoded.size(), 128U << 10);
            const std::string want = convert("UTF-8", e.icuName, encoded);
            const auto got = encodings::decode(encoded, e.id);
            ASSERT_TRUE(got.has_value());
            // A leading byte-order mark is the one difference decode is meant to make.
            EXPECT_EQ(*got, want.starts_with("\xEF\xBB\xBF") ? want.substr(3) : want);
        }
    }
}

// A file large enough to be read off the UI thread. Start, Stop, Start while its read runs read it
// once, hand over one list, and log what one Start logs; the window's thread never waits.
TEST(HostileRead, LargeFileIsReadOnceOffTheUiThreadAcrossStartStopStart)
{
    FakeLog log;
    TempDir dir;
    std::string film;
    constexpr int kEntries = 60000;
    for (int i = 1; i <= kEntries; ++i) {
        film += std::to_string(i) + "\r\n00:00:00,000 --> 99:00:00,000\r\nLine " + std::to_string(i)
            + " of a file large enough to be felt\r\n\r\n";
    }
    ASSERT_GE(film.size(), static_cast<std::size_t>(MainCtrl::kBackgroundReadBytes));
    const std::string path = dir.write("large.srt", film);

    FakeDisplay time, message, message2, label;
    TimerThread timer;
    timer.setTimeTextField(&time);
    timer.setMessageTextField(&message);
    timer.setMessageTextField2(&message2);
    FakeButton startButton;
    FakeSlider slider;
    FakePanel panel;
    FakeStore store;
    FakeMenu enc, ret;
    FakeOpenDialog dialog;
    FakeAlert alert;
    FakeUiQueue queue;
    FakeBusy busy;
    MainCtrl ctrl;
    ctrl.connect({ &timer, &startButton, &slider, &label, &panel, &store, &enc, &ret, &dialog,
        &alert, &queue, &busy });
    ctrl.openFile(path);
    // Chosen at once; the list comes when the read is done.
    EXPECT_EQ(label.text(), "large.srt");
    EXPECT_TRUE(ctrl.reading());
    EXPECT_EQ(busy.shown, "Reading large.srt\u2026");
    ASSERT_TRUE(queue.runPosted());
    EXPECT_FALSE(busy.shown.has_value());
    ASSERT_NE(timer.cues(), nullptr);
    EXPECT_EQ(timer.cues()->size(), static_cast<std::size_t>(kEntries));

    ctrl.click(startButton);
    // The old list is let go before the new one is built.
    EXPECT_EQ(timer.cues(), nullptr);
    ctrl.click(startButton);
    ctrl.click(startButton);
    EXPECT_TRUE(ctrl.started());
    EXPECT_TRUE(ctrl.reading());
    EXPECT_FALSE(timer.isRunning());
    ASSERT_TRUE(queue.runPosted());
    // The clock starts when the read is done. Every entry covers the whole film: the first eight
    // show, stacked.
    std::string stacked;
    for (int i = 1; i <= 8; ++i)
        stacked += "Line " + std::to_string(i) + " of a file large enough to be felt\n";
    ASSERT_TRUE(message.waitFor(stacked));
    EXPECT_TRUE(timer.isRunning());
    ASSERT_NE(timer.cues(), nullptr);
    EXPECT_EQ(timer.cues()->size(), static_cast<std::size_t>(kEntries));
    ctrl.pause();

    std::vector<std::string> events;
    for (const std::string& line : log.lines()) {
        if (line.rfind("size:", 0) == 0 || line.rfind("Thread", 0) == 0)
            events.push_back(line);
    }
    EXPECT_EQ(events,
        (std::vector<std::string>{
            "size:" + std::to_string(film.size()), "Thread Start", "Thread Stop" }));
    EXPECT_TRUE(alert.shown.empty());
}

} // namespace

// Automatic on the files that fight back: detection must not hang on them, nor allocate for
// more than the decoded copies it compares.
TEST(HostileRead, AutomaticEndsInAFailedReadOrAList)
{
    FakeLog log;
    TempDir dir;
    std::string mixed = film(3, "\r\n") + film(6, "\n").substr(film(3, "\n").size());
    mixed += film(9, "\r").substr(film(6, "\r").size());
    struct Case {
        const char* label;
        std::string bytes;
        bool readOk;
        int entries; // -1 for any number
    };
    const Case cases[] = {
        { "empty file", "", true, 0 },
        { "1 MB of random bytes", randomBytes(1 << 20, 7), true, -1 },
        { "16 MB line without a newline", std::string(16 << 20, 'x'), true, 0 },
        { "16 MB of high bytes", std::string(16 << 20, '\xE9'), true, 0 },
        { "only CR, LF and CRLF separators", repeat("\r\n\n\r", 1 << 18), true, 0 },
        { "CRLF, LF and CR films in one file", mixed, true, 9 },
        { "200,000 entries, LF", film(200000, "\n"), true, 200000 },
        { "NUL bytes", std::string(1 << 20, '\0'), true, 0 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const std::string path = dir.write("auto.srt", c.bytes);
        const auto started = Clock::now();
        resetLargestAllocation();
        const auto reader = SrtFile::file(path, encodings::kShiftJis, SrtFile::kCrLf);
        reader->setAutomatic(true, true);
        const bool ok = withinLimit<bool>(c.label, [&] { return reader->readData(); });
        EXPECT_EQ(ok, c.readOk);
        const SrtMessageList& list = reader->dataArray();
        if (ok && c.entries >= 0) {
            ASSERT_EQ(list.size(), static_cast<std::size_t>(c.entries));
            for (int i = 1; i <= c.entries; ++i)
                EXPECT_TRUE(list[i - 1]->message()
                    && list[i - 1]->message()->starts_with("Line " + std::to_string(i) + "\n"))
                    << "entry " << i;
        }
        EXPECT_LE(largestAllocation(), 3 * c.bytes.size() + kSlack);
        EXPECT_LT(Clock::now() - started, std::chrono::seconds(10));
    }
}
