// Subclock as a player others control: which command each request is, what it then reports,
// and which changes of position are jumps to announce.
#include "control/PublishedPlayer.h"

#include "fakes/ControllerRig.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

namespace {

using Status = PublishedState::Status;

// Three subtitles: 1–2 s, 5–6 s, 10–11 s.
const std::string kSrt = "1\r\n00:00:01,000 --> 00:00:02,000\r\nOne\r\n\r\n"
                         "2\r\n00:00:05,000 --> 00:00:06,000\r\nTwo\r\n\r\n"
                         "3\r\n00:00:10,000 --> 00:00:11,000\r\nThree\r\n";

// Public: the cases' steps reach in through a reference.
class PublishedPlayerTest : public ::testing::Test, public ControllerRig {
public:
    PublishedPlayerTest()
    {
        timer.setClock([this] { return now.load(); });
        timer.setSleeper(
            [](unsigned) { std::this_thread::sleep_for(std::chrono::milliseconds(1)); });
    }
    ~PublishedPlayerTest() override { stopTimer(); }

    // Plays and waits for the worker's first pass, so that it has read its starting clock
    // before the test moves the clock.
    void play()
    {
        const int before = time.sets();
        player.play();
        ASSERT_TRUE(time.waitForTotalSets(before + 1));
    }

    // Moves both clocks on and waits for the worker to have counted it.
    void runFor(double seconds)
    {
        now = now + seconds;
        const double target = timer.getPosition() + seconds;
        for (int i = 0; i < 2000 && ctrl.started() && timer.getPosition() < target - 0.001; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }

    // Stopped at 0 with the file chosen, and looked at.
    void freshStart()
    {
        following = false;
        ctrl.pause();
        ctrl.seekTo(0);
        ASSERT_TRUE(ctrl.openFile(dir.write("three.srt", kSrt)));
        player.poll();
    }

    std::atomic<double> now{ 100 };
    bool following = false;
    PublishedPlayer player{ ctrl, timer, [this] { return following; } };
};

TEST_F(PublishedPlayerTest, RequestsMoveTheClockAndJumpsAreAnnounced)
{
    using P = PublishedPlayerTest;
    struct Case {
        const char* name;
        std::function<void(P&)> act;
        Status status;
        double position;
        bool seeked;
        bool started;
    };
    const Case cases[] = {
        { "PlayPause starts the own clock", [](P& t) { t.player.playPause(); }, Status::Playing, 0,
            false, true },
        { "running on between two looks is no jump",
            [](P& t) {
                t.play();
                t.player.poll();
                t.runFor(2);
            },
            Status::Playing, 2, false, true },
        { "a pause between two looks is no jump",
            [](P& t) {
                t.play();
                t.player.poll();
                t.runFor(1);
                t.player.pause();
                t.now = t.now + 1;
            },
            Status::Paused, 1, false, false },
        { "a seek is a jump however small", [](P& t) { t.player.seek(100'000); }, Status::Paused,
            0.1, true, false },
        { "a seek stops at the start",
            [](P& t) {
                t.ctrl.seekTo(5);
                t.player.poll();
                t.player.seek(-10'000'000);
            },
            Status::Stopped, 0, true, false },
        { "a move made in the window is a jump too", [](P& t) { t.ctrl.seekTo(30); },
            Status::Paused, 30, true, false },
        { "Next goes to the next subtitle", [](P& t) { t.player.next(); }, Status::Paused, 1, true,
            false },
        { "Previous goes to the one before",
            [](P& t) {
                t.ctrl.seekTo(7);
                t.player.poll();
                t.player.previous();
            },
            Status::Paused, 5, true, false },
        { "SetPosition on the file chosen",
            [](P& t) { t.player.setPosition(t.player.state().trackId, 5'000'000); }, Status::Paused,
            5, true, false },
        { "SetPosition of another track is ignored",
            [](P& t) { t.player.setPosition("/io/github/subclock/Subtitles/0", 5'000'000); },
            Status::Stopped, 0, false, false },
        { "SetPosition past the end is ignored",
            [](P& t) { t.player.setPosition(t.player.state().trackId, 12'000'000); },
            Status::Stopped, 0, false, false },
        { "Stop goes back to the start, stopped",
            [](P& t) {
                t.play();
                t.runFor(3);
                t.player.stop();
            },
            Status::Stopped, 0, true, false },
        { "while following it reports nothing of its own and takes no requests",
            [](P& t) {
                t.ctrl.seekTo(7);
                t.player.poll();
                t.following = true;
                // Its position drops to 0 here, once.
                t.player.poll();
                t.player.play();
                t.player.seek(1'000'000);
                t.player.next();
            },
            Status::Stopped, 0, false, false },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        freshStart();

        c.act(*this);
        const PublishedPlayer::Changes changes = player.poll();
        const PublishedState s = player.state();
        EXPECT_EQ(s.status, c.status);
        EXPECT_NEAR(static_cast<double>(s.positionUs) / 1e6, c.position, 0.01);
        EXPECT_EQ(changes.seeked, c.seeked);
        if (changes.seeked) {
            EXPECT_EQ(changes.positionUs, s.positionUs);
        }
        EXPECT_EQ(ctrl.started(), c.started);
    }
}

TEST_F(PublishedPlayerTest, TheMetadataNamesTheFileAndANewFileIsANewTrack)
{
    const PublishedState none = player.state();
    EXPECT_EQ(none.trackId, PublishedPlayer::kNoTrack);
    EXPECT_FALSE(none.canPlay || none.canSeek);

    const std::string first = dir.write("first.srt", kSrt);
    ASSERT_TRUE(ctrl.openFile(first));
    player.poll();
    const PublishedState s = player.state();
    EXPECT_EQ(s.path, first);
    EXPECT_EQ(s.title, "first.srt");
    EXPECT_EQ(s.lengthUs, 11'000'000);
    EXPECT_TRUE(s.canPlay && s.canSeek && s.canGoNext);
    // The delay moves the end on the clock, which is the length a player shows.
    ctrl.shiftDelay(2);
    EXPECT_EQ(player.state().lengthUs, 13'000'000);

    ASSERT_TRUE(ctrl.openFile(dir.write("second.srt", kSrt)));
    const PublishedPlayer::Changes changes = player.poll();
    EXPECT_NE(player.state().trackId, s.trackId);
    EXPECT_NE(std::find(changes.properties.begin(), changes.properties.end(), "Metadata"),
        changes.properties.end());
}

// Each case starts playing.
TEST_F(PublishedPlayerTest, OnlyWhatTheControllerChangedIsToldAndEachJumpIsSeekedOnce)
{
    struct Case {
        const char* name;
        std::function<void(PublishedPlayerTest&)> act;
        bool told;
        bool seeked;
        // The property announced, or none.
        const char* property;
    };
    const Case cases[] = {
        { "playing on wakes nothing", [](auto& t) { t.runFor(2); }, false, false, nullptr },
        { "the key to the next subtitle", [](auto& t) { t.ctrl.nextSubtitle(); }, true, true,
            nullptr },
        { "Reset", [](auto& t) { t.ctrl.click(FakeControl(MainCtrl::kReset)); }, true, true,
            nullptr },
        { "Stop", [](auto& t) { t.ctrl.pause(); }, true, false, "PlaybackStatus" },
        { "a delay step", [](auto& t) { t.ctrl.shiftDelay(0.5); }, true, false, "Metadata" },
        { "the file grown on disk",
            [](auto& t) {
                t.dir.write(
                    "three.srt", kSrt + "\r\n\r\n4\r\n00:00:20,000 --> 00:00:21,000\r\nFour\r\n");
                t.ctrl.fileChangedOnDisk();
            },
            true, false, "Metadata" },
    };
    int told = 0;
    player.setListener([&told] { ++told; });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        freshStart();
        play();
        player.poll();
        told = 0;

        c.act(*this);
        EXPECT_EQ(told > 0, c.told);
        const PublishedPlayer::Changes changes = player.poll();
        EXPECT_EQ(changes.seeked, c.seeked);
        EXPECT_EQ(changes.properties,
            c.property ? std::vector<std::string>{ c.property } : std::vector<std::string>{});
        // Announced once: a second look finds nothing left.
        const PublishedPlayer::Changes again = player.poll();
        EXPECT_FALSE(again.seeked);
        EXPECT_TRUE(again.properties.empty());
    }
}

} // namespace
