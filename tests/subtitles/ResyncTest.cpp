// Lining up: the timing map, stepping between subtitles, the two-point solve and its snapping,
// typed times, the saved file read back, and the per-file memory.
#include "subtitles/Resync.h"
#include "control/TimingMemory.h"
#include "subtitles/SrtFile.h"
#include "subtitles/TimeEntry.h"

#include "TempDir.h"
#include "fakes/FakeLog.h"
#include "fakes/FakeStore.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

std::shared_ptr<SrtMessage> entry(int number, double start, double end, std::string text = "t")
{
    auto e = std::make_shared<SrtMessage>();
    e->setNumberData(number);
    e->setStartTimeData(start);
    e->setEndTimeData(end);
    e->setMessage(std::move(text));
    return e;
}

TEST(Resync, TimingMapsFileToClockAndBack)
{
    struct Case {
        Timing timing;
        double file;
        double clock;
    };
    const Case cases[] = {
        { { 0, 1 }, 12.5, 12.5 },
        { { 0.3, 1 }, 12.5, 12.8 },
        // A negative delay puts an early cue before zero.
        { { -1.2, 1 }, 0.5, -0.7 },
        { { 0, 24000.0 / 1001.0 / 25.0 }, 100.0, 2400000.0 / 1001.0 / 25.0 },
        { { -2.5, 0.5 }, 3.0, -1.0 },
        // A video with 28 s cut at file time 100: before the split, after it.
        { { 2, 1, 100, -26 }, 50, 52 },
        { { 2, 1, 100, -26 }, 100, 74 },
        { { 2, 1, 100, -26 }, 150, 124 },
        // The same film with a scene of 28 s added instead.
        { { 2, 1, 100, 30 }, 99, 101 },
        { { 2, 1, 100, 30 }, 100, 130 },
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(c.timing.toClock(c.file), c.clock, 1e-9) << c.file;
        EXPECT_NEAR(c.timing.toFile(c.clock), c.file, 1e-9) << c.clock;
    }
    // While the added scene plays, the file waits just before the split: nothing after it shows.
    const Timing added{ 2, 1, 100, 30 };
    EXPECT_LT(added.toFile(115), 100);
    EXPECT_GT(added.toFile(115), 99.999);
    // After the cut, the part the video lost is passed over.
    EXPECT_NEAR((Timing{ 2, 1, 100, -26 }.toFile(80)), 106, 1e-9);
}

TEST(Resync, NextAndPreviousStartInClockTimeOnUnsortedOverlappingLists)
{
    // Out of order, one overlapping its neighbour, two sharing a start, one that never shows.
    const Cues cues({ entry(3, 30, 35), entry(1, 10, 25), entry(2, 20, 22), entry(4, 20, 21),
        entry(5, 40, 40) });
    const Timing late{ 2, 1 };
    const Timing early{ -12, 0.5 };
    struct Case {
        Timing timing;
        double clock;
        std::optional<double> next, previous;
    };
    const Case cases[] = {
        { {}, 0, 10, std::nullopt },
        { {}, 10, 20, std::nullopt },
        { {}, 15, 20, 10 },
        { {}, 20, 30, 10 },
        { {}, 20.001, 30, 20 },
        // The entry at 40 never shows, so there is nothing after 30.
        { {}, 31, std::nullopt, 30 },
        { late, 12, 22, std::nullopt },
        { late, 12.5, 22, 12 },
        // A cue before zero is still the previous one.
        { early, 0, 3, -2 },
        { early, 3.5, std::nullopt, 3 },
    };
    for (const Case& c : cases) {
        EXPECT_EQ(nextStartAt(cues, c.timing, c.clock), c.next) << c.clock;
        EXPECT_EQ(previousStartAt(cues, c.timing, c.clock), c.previous) << c.clock;
    }
}

TEST(Resync, TwoCatchesOfAResampledFileGiveBackTheOriginalTimes)
{
    // A made-up film's starts, then the same file made for 23.976 fps and shifted by 2 s.
    const double film = 24000.0 / 1001.0;
    const double original[] = { 1.0, 4.48, 61.94, 92.2, 1800.25, 5400.5, 7199.999 };
    const auto resampled = [&](double s) { return s * 25.0 / film + 2.0; };

    const auto solved = solveTiming({ resampled(1.0), 1.0 }, { resampled(92.2), 92.2 });
    ASSERT_TRUE(solved);
    ASSERT_NE(solved->snapped, nullptr);
    EXPECT_EQ(solved->snapped->label, "23.976 → 25 fps");
    for (const double s : original)
        EXPECT_NEAR(solved->timing.toClock(resampled(s)), s, 0.001) << s;

    // Key presses 40 ms late and 30 ms early still snap; the delay splits the difference.
    const auto pressed = solveTiming({ resampled(1.0), 1.04 }, { resampled(1800.25), 1800.22 });
    ASSERT_TRUE(pressed && pressed->snapped);
    EXPECT_EQ(pressed->snapped->label, "23.976 → 25 fps");
    EXPECT_NEAR(pressed->timing.toClock(resampled(900)), 900, 0.04);

    // Off every ratio: both lines land exactly where they were caught.
    const auto plain = solveTiming({ 10, 11 }, { 110, 110.5 });
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->snapped, nullptr);
    EXPECT_NEAR(plain->timing.toClock(10), 11, 1e-9);
    EXPECT_NEAR(plain->timing.toClock(110), 110.5, 1e-9);

    // Too close together, or a speed no film has.
    EXPECT_FALSE(solveTiming({ 10, 10 }, { 69.9, 70 }));
    EXPECT_FALSE(solveTiming({ 10, 10 }, { 100, 300 }));
    EXPECT_FALSE(solveTiming({ 10, 100 }, { 100, 10 }));
}

TEST(Resync, SpeedsSnapToTheNearestRatioWithinFifteenHundredthsOfAPercent)
{
    const double film = 24000.0 / 1001.0;
    struct Case {
        double speed;
        const char* label; // empty: kept as solved
    };
    const Case cases[] = {
        { film / 25.0, "23.976 → 25 fps" },
        { film / 25.0 * 1.0004, "23.976 → 25 fps" },
        { film / 25.0 * 0.9986, "23.976 → 25 fps" },
        { film / 25.0 * 0.9984, "" },
        // 24 → 25 is only 0.1 % away: the nearer wins.
        { film / 25.0 * 1.0008, "24 → 25 fps" },
        { 25.0 / film, "25 → 23.976 fps" },
        { 24.0 / film, "24 → 23.976 or 30 → 29.97 fps" },
        { 30.0 * 1001 / 30000, "24 → 23.976 or 30 → 29.97 fps" },
        { film / 24.0, "23.976 → 24 or 29.97 → 30 fps" },
        { 25.0 / 24.0 * 0.9996, "25 → 24 fps" },
        { 24.0 / 25.0, "24 → 25 fps" },
        // One frame rate: nearer to 1 than to 24/23.976, so not taken for it.
        { 1.0, "same frame rate" },
        { 1.0004, "same frame rate" },
        { 1.0008, "24 → 23.976 or 30 → 29.97 fps" },
        { 1.1, "" },
    };
    for (const Case& c : cases) {
        const SpeedRatio* r = nearestRatio(c.speed);
        EXPECT_EQ(std::string(r ? r->label : std::string_view()), c.label) << c.speed;
    }
}

TEST(Resync, TypedTimesInEveryAcceptedFormAndRefusals)
{
    struct Case {
        const char* text;
        std::optional<double> seconds;
    };
    const Case cases[] = {
        { "1:02:03.5", 3723.5 },
        { "01:02:03,500", 3723.5 },
        { "62:03", 3723.0 },
        { "3723.5", 3723.5 },
        { "01:02:03:500", 3723.5 },
        { " 0:00:01,25 ", 1.25 },
        { "0", 0.0 },
        { "100:00:00", 360000.0 },
        { "", std::nullopt },
        { "abc", std::nullopt },
        { "-5", std::nullopt },
        { "1:60:00", std::nullopt },
        { "1:00:60", std::nullopt },
        { "5:75", std::nullopt },
        { "1::3", std::nullopt },
        { "1:2:3:4:5", std::nullopt },
        { "1.5:00", std::nullopt },
        { "1:02:03.", std::nullopt },
        { "3e2", std::nullopt },
        { "1:02:03:5", std::nullopt },
        { "12 34", std::nullopt },
    };
    for (const Case& c : cases) {
        const std::optional<double> got = parseTimeEntry(c.text);
        ASSERT_EQ(got.has_value(), c.seconds.has_value()) << c.text;
        if (got) {
            EXPECT_NEAR(*got, *c.seconds, 1e-9) << c.text;
        }
    }
    EXPECT_NE(kTimeEntryForms.find("01:02:03,500"), std::string_view::npos);
}

TEST(Resync, SavedFileReadsBackToTheAdjustedTimesAndTexts)
{
    FakeLog log;
    TempDir dir;
    // Numbers out of step, two lines, an empty text, UTF-8 beyond ASCII.
    const std::string original
        = "7\r\n00:00:01,000 --> 00:00:03,880\r\nThe last train.\r\n\r\n"
          "8\r\n00:00:04,480 --> 00:00:07,160\r\ntwo\r\nlines\r\n\r\n"
          "12\r\n00:00:10,000 --> 00:00:12,000\r\n\r\n"
          "9\r\n01:00:00,125 --> 01:00:01,000\r\ncaf\xC3\xA9 \xE5\xAD\x97\r\n";
    // The file ending with a blank line or without: the reader keeps the one in the last text.
    for (const std::string& ending : { std::string(), std::string("\r\n") }) {
        const auto first = SrtFile::file(dir.write("in.srt", original + ending), 4, SrtFile::kCrLf);
        ASSERT_TRUE(first->readData());
        const Cues cues(first->dataArray());
        const Timing timing{ 0.3456, 24000.0 / 1001.0 / 25.0 };
        struct Ending {
            const char* bytes;
            std::uint8_t code;
        };
        for (const Ending ending :
            { Ending{ "\r\n", SrtFile::kCrLf }, Ending{ "\n", SrtFile::kLf } }) {
            const std::string path
                = dir.write("saved.srt", adjustedSrt(cues, timing, ending.bytes));
            const auto reader = SrtFile::file(path, 4, ending.code);
            ASSERT_TRUE(reader->readData());
            const SrtMessageList& back = reader->dataArray();
            ASSERT_EQ(back.size(), cues.size());
            for (std::size_t i = 0; i < back.size(); ++i) {
                const SrtMessage& want = *cues.entries()[i];
                EXPECT_EQ(back[i]->numberData(), want.numberData());
                EXPECT_NEAR(back[i]->startTimeData(), timing.toClock(want.startTimeData()), 0.0005);
                EXPECT_NEAR(back[i]->endTimeData(), timing.toClock(want.endTimeData()), 0.0005);
                EXPECT_EQ(back[i]->message(), want.message()) << i;
            }
        }
    }
}

TEST(Resync, TimingMemoryKeepsTheLatestHundredFilesNewestFirst)
{
    FakeStore store;
    TimingMemory memory;
    memory.load(store);
    for (int i = 0; i < 105; ++i)
        memory.remember(store, "/films/" + std::to_string(i) + ".srt", { i * 0.1, 1 });
    // Chosen again: to the front, with its new timing.
    memory.remember(store, "/films/10.srt", { -1.2, 0.95904 });

    TimingMemory reloaded;
    reloaded.load(store);
    const auto entries = TimingMemory::parse(std::get<std::string>(store.values["file_timing"]));
    ASSERT_EQ(entries.size(), TimingMemory::kCapacity);
    EXPECT_EQ(entries.front().first, "/films/10.srt");
    EXPECT_EQ(reloaded.find("/films/10.srt"), (Timing{ -1.2, 0.95904 }));
    EXPECT_EQ(reloaded.find("/films/104.srt"), (Timing{ 104 * 0.1, 1 }));
    // The oldest fell off; 10 came back, so 5 is the oldest kept.
    EXPECT_FALSE(reloaded.find("/films/4.srt"));
    EXPECT_TRUE(reloaded.find("/films/5.srt"));

    // Back to no timing: forgotten. A tab in a name is kept, a line break cannot be.
    reloaded.remember(store, "/films/10.srt", {});
    reloaded.remember(store, "/odd\tname.srt", { 1, 1 });
    reloaded.remember(store, "/odd\nname.srt", { 1, 1 });
    TimingMemory again;
    again.load(store);
    EXPECT_FALSE(again.find("/films/10.srt"));
    EXPECT_EQ(again.find("/odd\tname.srt"), (Timing{ 1, 1 }));
    EXPECT_FALSE(again.find("/odd\nname.srt"));

    // Damaged lines are skipped; the rest still count.
    store.values["file_timing"]
        = std::string("x\t1\t/a.srt\n0.5\t0\t/b.srt\n0.5\t1\n0.25\t1\t/c.srt\nnan\t1\t/d.srt\n");
    again.load(store);
    EXPECT_FALSE(again.find("/a.srt"));
    EXPECT_FALSE(again.find("/b.srt"));
    EXPECT_FALSE(again.find("/d.srt"));
    EXPECT_EQ(again.find("/c.srt"), (Timing{ 0.25, 1 }));

    // A split comes back whole; a damaged one drops its line.
    again.remember(store, "/cut.srt", { 2, 1, 3130.5, -26.25 });
    store.values["file_timing"] = std::get<std::string>(store.values["file_timing"])
        + "1;100\t1\t/half.srt\n1;100;x\t1\t/bad.srt\n";
    again.load(store);
    EXPECT_EQ(again.find("/cut.srt"), (Timing{ 2, 1, 3130.5, -26.25 }));
    EXPECT_FALSE(again.find("/half.srt"));
    EXPECT_FALSE(again.find("/bad.srt"));
    store.storeErrorOn.insert("file_timing");
    again.load(store);
    EXPECT_FALSE(again.find("/c.srt"));
}

} // namespace
