// The playback clock, driven by a hand-set clock so no test depends on the machine's speed.
#include "playback/TimerThread.h"

#include "CapturedOutput.h"
#include "fakes/FakeDisplay.h"
#include "fakes/FakeLog.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

namespace {

std::shared_ptr<SrtMessage> entry(
    int number, double start, double end, std::optional<std::string> text)
{
    auto e = std::make_shared<SrtMessage>();
    e->setNumberData(number);
    e->setStartTimeData(start);
    e->setEndTimeData(end);
    if (text)
        e->setMessage(*text);
    return e;
}

class TimerThreadTest : public ::testing::Test {
protected:
    TimerThreadTest()
    {
        timer.setTimeTextField(&time);
        timer.setMessageTextField(&message);
        timer.setMessageTextField2(&message2);
        timer.setClock([this] { return now.load(); });
        // A short real sleep keeps the worker from spinning while the test changes the clock.
        timer.setSleeper(
            [](unsigned) { std::this_thread::sleep_for(std::chrono::milliseconds(1)); });
    }

    // Starts and waits for the first pass, so the worker has read its starting clock before
    // the test moves the clock.
    void startTimer()
    {
        timer.start();
        ASSERT_TRUE(time.waitForSets(1));
    }

    void stopTimer()
    {
        timer.stop();
        timer.waitFor();
    }

    FakeLog log;
    FakeDisplay time;
    FakeDisplay message;
    FakeDisplay message2;
    std::atomic<double> now{ 1000.0 };
    TimerThread timer;
};

TEST_F(TimerThreadTest, EntriesWhoseOpenIntervalsHoldThePositionShowStackedInListOrder)
{
    timer.setDataArray(
        { entry(1, 1.0, 2.0, "A"), entry(2, 1.5, 3.0, "B"), entry(3, 4.0, 5.0, {}) });
    const std::pair<double, std::optional<std::string>> cases[] = {
        { 1.0, std::nullopt },
        { 1.2, "A" },
        // Both show where they overlap, the earlier entry first.
        { 1.7, "A\nB" },
        { 2.0, "B" },
        { 3.0, std::nullopt },
        // An entry without text gives none, as no entry does.
        { 4.5, std::nullopt },
    };
    for (const auto& [x, want] : cases)
        EXPECT_EQ(timer.getMessage(x), want) << x;
    timer.clearDataArray();
    EXPECT_EQ(timer.getMessage(1.2), std::nullopt);
}

TEST_F(TimerThreadTest, SeekWhileStoppedShowsTheSubtitleThereAndResetEmptiesTheTime)
{
    // Without subtitles a seek empties both message fields.
    timer.seek(75.25);
    EXPECT_EQ(time.text(), "00:01:15:250");
    EXPECT_EQ(timer.getPosition(), 75.25);
    EXPECT_EQ(message.text(), "");
    EXPECT_EQ(message2.text(), "");

    // With the timing applied: the entry at 10..20 s shows from 12 s (delay 2).
    timer.setDataArray({ entry(1, 10.0, 20.0, "Ten") });
    timer.setTiming({ 2.0, 1.0 });
    timer.seek(12.5);
    EXPECT_EQ(message.text(), "Ten");
    EXPECT_EQ(message2.text(), "Ten");
    timer.seek(11.5);
    EXPECT_EQ(message.text(), "");

    timer.seek(15.0);
    timer.reset();
    EXPECT_EQ(timer.getPosition(), 0.0);
    // Reset keeps its empty time field; nothing shows at zero.
    EXPECT_EQ(time.text(), "");
    EXPECT_EQ(message.text(), "");
}

TEST_F(TimerThreadTest, RunShowsTimeAndTextAndResumesWhereItStopped)
{
    timer.setDataArray({ entry(1, 10.5, 11.5, "Hello") });
    timer.seek(10.0);
    startTimer();
    // The first pass comes at once and counts from the sought position.
    ASSERT_TRUE(time.waitFor("00:00:10:000"));
    ASSERT_TRUE(message.waitFor(""));
    now = now + 1.0;
    ASSERT_TRUE(time.waitFor("00:00:11:000"));
    ASSERT_TRUE(message.waitFor("Hello"));
    ASSERT_TRUE(message2.waitFor("Hello"));
    now = now + 1.0;
    ASSERT_TRUE(time.waitFor("00:00:12:000"));
    stopTimer();
    EXPECT_EQ(timer.getPosition(), 12.0);
    EXPECT_FALSE(timer.isRunning());

    // Time that passes while stopped does not count.
    now = now + 50.0;
    startTimer();
    ASSERT_TRUE(time.waitFor("00:00:12:000"));
    now = now + 0.25;
    ASSERT_TRUE(time.waitFor("00:00:12:250"));
    stopTimer();
    EXPECT_EQ(timer.getPosition(), 12.25);
}

TEST_F(TimerThreadTest, PastTheLastEntryBothMessagesAreEmpty)
{
    timer.setDataArray({ entry(1, 0.5, 1.0, "Only") });
    startTimer();
    now = now + 0.75;
    ASSERT_TRUE(message.waitFor("Only"));
    now = now + 3600.0;
    ASSERT_TRUE(time.waitFor("01:00:00:750"));
    ASSERT_TRUE(message.waitFor(""));
    ASSERT_TRUE(message2.waitFor(""));
    stopTimer();
}

TEST_F(TimerThreadTest, SeekWhileRunningReplacesTheWorker)
{
    startTimer();
    ASSERT_TRUE(timer.isRunning());
    timer.seek(30.0);
    // A pass of the new worker, counting from the sought position.
    ASSERT_TRUE(time.waitForSets(1));
    EXPECT_EQ(time.text(), "00:00:30:000");
    EXPECT_TRUE(timer.isRunning());
    stopTimer();
    EXPECT_EQ(log.lines(),
        (std::vector<std::string>{ "Thread Start", "Thread Stop", "Thread Start", "Thread Stop" }));
}

TEST_F(TimerThreadTest, MarksPairIntoOneTimeLineAcrossStopAndStart)
{
    std::FILE* out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    timer.setMarkOutput(out);

    timer.seek(1.25);
    timer.marker();
    // The first half is flushed at once, without waiting for the line to end.
    EXPECT_EQ(writtenTo(out), "00:00:01:250 --> ");

    startTimer();
    now = now + 1.75;
    ASSERT_TRUE(time.waitFor("00:00:03:000"));
    stopTimer();
    timer.marker();
    EXPECT_EQ(writtenTo(out), "00:00:01:250 --> 00:00:03:000\n");

    // The toggle carries on: the next mark opens a new line.
    timer.marker();
    EXPECT_EQ(writtenTo(out), "00:00:01:250 --> 00:00:03:000\n00:00:03:000 --> ");
    std::fclose(out);
}

// Start, seek and stop in quick succession with the real clock and sleep; run under
// ThreadSanitizer to check the handshake.
TEST(TimerThreadStress, StartSeekStopManyTimesWhileTheWorkerRuns)
{
    FakeLog log;
    FakeDisplay time, message, message2;
    TimerThread timer;
    timer.setTimeTextField(&time);
    timer.setMessageTextField(&message);
    timer.setMessageTextField2(&message2);
    timer.setDataArray({ entry(1, 0.0, 1000.0, "Always") });
    for (int i = 0; i < 200; ++i) {
        timer.start();
        timer.seek(i * 0.5);
        if (i % 3 == 0)
            timer.reset();
        (void)timer.getPosition();
        timer.stop();
        timer.waitFor();
        EXPECT_FALSE(timer.isRunning());
    }
    // Every worker logged its start and stop.
    const auto lines = log.lines();
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Thread Start"),
        std::count(lines.begin(), lines.end(), "Thread Stop"));
    EXPECT_GE(std::count(lines.begin(), lines.end(), "Thread Start"), 200);
}

// Lists and timings replaced from the UI thread while the worker reads them, then a quit while
// playing; run under ThreadSanitizer to check the hand-over.
TEST(TimerThreadStress, ListsReplacedWhilePlayingAndAQuitWhilePlaying)
{
    FakeLog log;
    FakeDisplay time, message, message2;
    auto timer = std::make_unique<TimerThread>();
    timer->setTimeTextField(&time);
    timer->setMessageTextField(&message);
    timer->setMessageTextField2(&message2);
    timer->start();
    for (int i = 0; i < 300; ++i) {
        timer->setDataArray({ entry(1, 0.0, 1000.0, "List " + std::to_string(i)) });
        if (i % 7 == 0)
            timer->clearDataArray();
        // A negative delay keeps the position inside the entry.
        timer->setTiming({ -0.01 * i, 1.0 });
    }
    // The worker picks up the last list without a restart.
    ASSERT_TRUE(message.waitFor("List 299"));
    ASSERT_TRUE(message2.waitFor("List 299"));
    EXPECT_EQ(timer->timing().delay, -2.99);
    // Destroying the timer while it plays joins its worker first.
    timer.reset();
    EXPECT_EQ(log.lines(), (std::vector<std::string>{ "Thread Start", "Thread Stop" }));
}

} // namespace

namespace {

// A followed player's position, set by the test.
class FixedSource final : public PositionSource {
public:
    double position() const override { return value.load(); }
    std::atomic<double> value{ 0 };
};

TEST_F(TimerThreadTest, ShowsASourcesPositionWithTheTimingAndCountsOnFromItWhenCleared)
{
    timer.setDataArray({ entry(1, 10.0, 20.0, "Shifted") });
    // The subtitles 5 s late: the followed position is the video's, the timing applies on top.
    timer.setTiming(Timing{ .delay = 5.0 });
    FixedSource source;
    source.value = 12.0;
    timer.setPositionSource(&source);
    startTimer();
    ASSERT_TRUE(time.waitFor("00:00:12:000"));
    ASSERT_TRUE(message.waitFor(""));
    // The worker's own clock moving changes nothing while following.
    now = now + 30.0;
    source.value = 16.0;
    ASSERT_TRUE(time.waitFor("00:00:16:000"));
    ASSERT_TRUE(message.waitFor("Shifted"));
    stopTimer();
    timer.setPositionSource(nullptr);

    // The own clock goes on from the last followed position.
    startTimer();
    now = now + 1.0;
    ASSERT_TRUE(time.waitFor("00:00:17:000"));
    stopTimer();
}

TEST_F(TimerThreadTest, UnseenTimeWakesOnlyForSubtitleChangesAndStillKnowsThePosition)
{
    // With the delay, clock times: A 1.5-2.5, B 2.5-4.0 (touching), C 5.5-6.5.
    timer.setDataArray(
        { entry(1, 1.0, 2.0, "A"), entry(2, 2.0, 3.5, "B"), entry(3, 5.0, 6.0, "C") });
    timer.setTiming(Timing{ .delay = 0.5 });
    timer.setTimeSeen(false);
    struct Pass {
        double at;
        std::string text;
        double rest;
    };
    std::vector<Pass> passes;
    FixedSource source;
    bool followed = false;
    bool seen = false;
    timer.setSleeper([&](unsigned micros) {
        const double rest = micros / 1e6;
        passes.push_back({ timer.getPosition(), message.text(), rest });
        now = now + rest / 2;
        // No pass comes while it rests, yet the position counts on (10 ms passes keep theirs).
        const double counted = seen ? passes.back().at : passes.back().at + rest / 2;
        EXPECT_NEAR(timer.getPosition(), followed ? source.value.load() : counted, 1e-9);
        if (passes.size() == 6 || followed) {
            timer.stop();
            return;
        }
        now = now + rest / 2;
    });
    timer.seek(0);
    timer.start();
    timer.waitFor();
    const Pass want[] = {
        { 0, "", 1.5005 }, { 1.5005, "A", 1.0 }, { 2.5005, "B", 1.5 }, { 4.0005, "", 1.5 },
        { 5.5005, "C", 1.0 }, { 6.5005, "", 10.0 }, // nothing left to show: only a wake ends it
    };
    ASSERT_EQ(passes.size(), std::size(want));
    for (std::size_t i = 0; i < passes.size(); ++i) {
        EXPECT_NEAR(passes[i].at, want[i].at, 2e-6) << i;
        EXPECT_EQ(passes[i].text, want[i].text) << i;
        EXPECT_NEAR(passes[i].rest, want[i].rest, 2e-6) << i;
    }
    // Stopped halfway through the last rest: it holds where the clock was, not the last pass.
    EXPECT_NEAR(timer.getPosition(), 11.5005, 1e-6);
    EXPECT_EQ(time.text(), "00:00:11:500");

    // A followed player can jump at any time: the rest stays short.
    passes.clear();
    followed = true;
    source.value = 1.0;
    timer.setPositionSource(&source);
    timer.start();
    timer.waitFor();
    ASSERT_EQ(passes.size(), 1u);
    EXPECT_LE(passes[0].rest, 0.05);
    timer.setPositionSource(nullptr);

    // Seen again, every pass is 10 ms apart.
    passes.clear();
    followed = false;
    seen = true;
    timer.setTimeSeen(true);
    timer.start();
    timer.waitFor();
    for (const Pass& p : passes)
        EXPECT_EQ(p.rest, 0.01);
}

TEST_F(TimerThreadTest, AfterACutTheRestEndsWhereTheSplitTakesOver)
{
    // The video lost file time 3.5 to 9.5: B was cut, C shows at clock 4 to 5.
    timer.setDataArray(
        { entry(1, 1.0, 2.0, "A"), entry(2, 8.0, 9.0, "B"), entry(3, 10.0, 11.0, "C") });
    timer.setTiming(Timing{ 0, 1, 9.5, -6 });
    timer.setTimeSeen(false);
    std::vector<std::pair<double, std::string>> passes;
    timer.setSleeper([&](unsigned micros) {
        passes.emplace_back(timer.getPosition(), message.text());
        if (passes.size() == 6)
            timer.stop();
        now = now + micros / 1e6;
    });
    timer.seek(0);
    timer.start();
    timer.waitFor();
    const std::pair<double, std::string> want[] = { { 0, "" }, { 1.0005, "A" }, { 2.0005, "" },
        { 3.5005, "" }, { 4.0005, "C" }, { 5.0005, "" } };
    ASSERT_EQ(passes.size(), std::size(want));
    for (std::size_t i = 0; i < passes.size(); ++i) {
        EXPECT_NEAR(passes[i].first, want[i].first, 2e-6) << i;
        EXPECT_EQ(passes[i].second, want[i].second) << i;
    }
}

TEST(TimerThreadRest, NewSubtitlesShowingTheTimeOrStoppingEndARestAtOnce)
{
    // The real sleep: only a wake can end a rest of 10 s before the limits below.
    TimerThread timer;
    FakeDisplay time;
    timer.setTimeTextField(&time);
    timer.setDataArray({ entry(1, 500.0, 501.0, "Far away") });
    timer.setTimeSeen(false);
    timer.start();
    ASSERT_TRUE(time.waitForTotalSets(1));
    // Time to settle into the rest.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ASSERT_EQ(time.sets(), 1);
    // New subtitles: the rest was for the old ones. (The pass they cause may come before the
    // wait starts, hence the count in all.)
    timer.setDataArray({ entry(1, 0.0, 900.0, "Near") });
    EXPECT_TRUE(time.waitForTotalSets(2, std::chrono::seconds(3)));
    timer.setTimeSeen(true);
    EXPECT_TRUE(time.waitForSets(2, std::chrono::seconds(3)));
    timer.setTimeSeen(false);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const auto asked = std::chrono::steady_clock::now();
    timer.stop();
    timer.waitFor();
    EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::seconds(3));
}

} // namespace

TEST_F(TimerThreadTest, TwoTracksShowAtOnePositionEachWithItsOwnTiming)
{
    FakeDisplay second;
    timer.setSecondTextField(&second);
    timer.setDataArray({ entry(1, 10.0, 12.0, "A"), entry(2, 20.0, 22.0, "B") });
    timer.setTiming({ 1.0, 1.0 });
    timer.setSecondCues(std::make_shared<const Cues>(SrtMessageList{ entry(1, 10.0, 12.0, "Eins"),
        entry(2, 20.0, 22.0, "Zwei"), entry(3, 10.5, 11.5, "Drei") }));
    // Stretched twice and 15 seconds earlier: "Eins" at 5..9 ("Drei" over it at 6..8), "Zwei"
    // at 25..29 on the clock.
    timer.setSecondTiming({ -15.0, 2.0 });
    const struct {
        double x;
        std::string first, second;
    } cases[] = {
        { 5.5, "", "Eins" },
        { 7.0, "", "Eins\nDrei" },
        { 11.5, "A", "" },
        { 26.0, "", "Zwei" },
        { 35.0, "", "" },
        { 21.5, "B", "" },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(timer.getMessage(c.x).value_or(""), c.first) << c.x;
        EXPECT_EQ(timer.getSecondMessage(c.x).value_or(""), c.second) << c.x;
    }
    // The worker shows both lines, each through its own lookup.
    startTimer();
    for (const auto& c : cases) {
        timer.seek(c.x);
        EXPECT_TRUE(message.waitFor(c.first)) << c.x;
        EXPECT_TRUE(second.waitFor(c.second)) << c.x;
    }
    // A line that stays is not handed on again at every pass (once the pass that showed "B"
    // is over).
    ASSERT_TRUE(time.waitForSets(2));
    const int sets = second.sets();
    ASSERT_TRUE(time.waitForSets(5));
    EXPECT_EQ(second.sets(), sets);
    // A new timing for the second track alone reaches the running worker.
    timer.setSecondTiming({});
    EXPECT_TRUE(second.waitFor("Zwei"));
    EXPECT_EQ(message.text(), "B");
    stopTimer();
}
