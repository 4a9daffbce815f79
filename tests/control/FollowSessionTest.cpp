// Following a player without a bus: the hand-over to and from the own clock, the transport in
// force, and the subtitles of the video the player plays.
#include "control/FollowSession.h"

#include "fakes/ControllerRig.h"
#include "fakes/FakePlayerBus.h"

#include <gtest/gtest.h>

namespace {

const std::string kFake = "org.mpris.MediaPlayer2.fake";
// CRLF, the line ending read by default.
const std::string kSrt = "1\r\n00:00:00,000 --> 00:10:00,000\r\nHello\r\n";

class RecordingView final : public FollowView {
public:
    void say(const std::string& utf8) override { message = utf8; }
    void showPlayers() override { }
    void showPlayback(bool playing) override { this->playing = playing; }
    void showCapabilities() override { }
    void offerOwnClock(bool offered) override { ownClockOffered = offered; }
    void followingChanged() override { }

    std::string message;
    bool playing = false;
    bool ownClockOffered = false;
};

class FollowSessionTest : public ::testing::Test, public ControllerRig {
protected:
    ~FollowSessionTest() override { stopTimer(); }

    // The fake player, listed and followed, paused at `at` seconds.
    void followFake(double at)
    {
        bus.position().reset(at, FollowedPosition::Status::Paused, 1);
        session.followWhenThere("fake");
        bus.add(kFake, "Fake Player");
    }

    FakePlayerBus bus;
    RecordingView view;
    FollowSession session{ { &bus, &ctrl, &timer, &store, &view, "de" } };
};

TEST_F(FollowSessionTest, HandsOverToThePlayerAndBackPausedWhereItWas)
{
    ASSERT_TRUE(ctrl.openFile(dir.write("own.srt", kSrt)));
    session.transport().play();
    ASSERT_TRUE(ctrl.started());

    followFake(42);
    // The stored wish found its player; the own clock stopped without a click.
    EXPECT_EQ(bus.following, kFake);
    EXPECT_EQ(store.stringValue("follow_player"), "fake");
    EXPECT_FALSE(ctrl.started());
    EXPECT_EQ(startButton.title, "Start");
    EXPECT_EQ(bus.calls, std::vector<std::string>{ "follow " + kFake });
    // The worker runs on for the player, showing its position.
    EXPECT_TRUE(time.waitFor("00:00:42:000"));

    bus.quit();
    EXPECT_FALSE(session.active());
    EXPECT_FALSE(timer.isRunning());
    EXPECT_DOUBLE_EQ(timer.getPosition(), 42);
    EXPECT_EQ(view.message, "Fake Player quit: back to the own clock, paused at 00:00:42:000.");
    // The next Start counts on from there, on the own clock.
    session.transport().playPause();
    EXPECT_TRUE(ctrl.started());
    EXPECT_GE(timer.getPosition(), 42);
}

TEST_F(FollowSessionTest, TheTransportInForceIsThePlayerWhileFollowing)
{
    struct Case {
        const char* name;
        std::function<void()> act;
        std::string call;
    };
    const Case cases[] = {
        { "play or pause", [&] { session.transport().playPause(); }, "playPause" },
        { "skip back", [&] { session.transport().skipBy(-5); }, "seekBy -5.000000" },
        { "to start", [&] { session.transport().toStart(); }, "setPosition 0.000000" },
        // Moves to a subtitle or a time go through the controller.
        { "to a time", [&] { ctrl.seekTo(30); }, "setPosition 30.000000" },
    };
    ASSERT_TRUE(ctrl.openFile(dir.write("own.srt", kSrt)));
    followFake(10);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bus.calls.clear();
        c.act();
        EXPECT_EQ(bus.calls, std::vector<std::string>{ c.call });
        EXPECT_FALSE(ctrl.started());
    }
    // Back on the own clock, the same moves stay at home.
    session.chooseOwnClock();
    EXPECT_EQ(store.stringValue("follow_player"), "");
    bus.calls.clear();
    for (const Case& c : cases)
        c.act();
    EXPECT_TRUE(bus.calls.empty());
    EXPECT_TRUE(ctrl.started());
}

TEST_F(FollowSessionTest, APlayerWithoutAPositionRunsTheOwnClockOnFromWhereItWas)
{
    ASSERT_TRUE(ctrl.openFile(dir.write("own.srt", kSrt)));
    ctrl.seekTo(42);
    followFake(7);
    bus.position().setStatus(FollowedPosition::Status::Playing);
    bus.reportNoPosition();
    // The own clock's time, not the player's, running as the player does.
    EXPECT_DOUBLE_EQ(bus.position().position(), 42);
    EXPECT_TRUE(session.transport().playing());
    EXPECT_EQ(view.message,
        "Fake Player does not report its position: the time shown is the own clock's, pausing "
        "and resuming with it.");
    // Moves go to that clock: the player cannot take them.
    bus.calls.clear();
    session.transport().skipBy(-5);
    EXPECT_DOUBLE_EQ(bus.position().position(), 37);
    ctrl.seekTo(30);
    EXPECT_DOUBLE_EQ(bus.position().position(), 30);
    EXPECT_TRUE(bus.calls.empty());
    EXPECT_TRUE(session.transport().playing());
}

TEST_F(FollowSessionTest, LoadsTheSubtitlesBesideTheVideoPlayed)
{
    struct Case {
        std::string url;
        std::optional<std::string> video;
        std::optional<std::string> loaded;
        std::string message;
    };
    const std::string d = dir.path().string();
    dir.write("movie.srt", kSrt);
    // Not UTF-8: the name is the file system's bytes.
    dir.write("caf\xe9.srt", kSrt);
    dir.write("film.de.srt", kSrt);
    dir.write("film.fr.srt", kSrt);
    const Case cases[] = {
        { "file://" + d + "/movie.mkv", d + "/movie.mkv", d + "/movie.srt",
            "Loaded movie.srt from " + d + ", beside the video Fake Player plays." },
        { "file://" + d + "/caf%E9.mkv", d + "/caf\xe9.mkv", d + "/caf\xe9.srt", "" },
        { "file://" + d + "/film.mkv", d + "/film.mkv", d + "/film.de.srt", "" },
        { "file://" + d + "/none.mkv", d + "/none.mkv", std::nullopt,
            "No subtitles beside none.mkv: the subtitles stay as they are." },
        { "https://example.com/v", std::nullopt, std::nullopt,
            "Fake Player plays https://example.com/v, not a local file: the subtitles stay as "
            "they are." },
    };
    followFake(0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.url);
        const std::optional<std::string> before = ctrl.filename();
        bus.play(c.url, c.video);
        EXPECT_EQ(ctrl.filename(), c.loaded ? c.loaded : before);
        // A MicroDVD file read now counts frames in this video's rate.
        EXPECT_EQ(ctrl.readingChoice().video(), c.video.value_or(""));
        if (!c.message.empty()) {
            EXPECT_EQ(view.message, c.message);
        }
    }
}

TEST_F(FollowSessionTest, AFileChosenByHandIsKeptForItsVideoOnly)
{
    const std::string d = dir.path().string();
    const std::string chosen = dir.write("chosen.srt", kSrt);
    const std::string next = dir.write("next.srt", kSrt);
    dir.write("movie.srt", kSrt);
    followFake(0);
    bus.play("file://" + d + "/movie.mkv", d + "/movie.mkv");
    session.chooseByHand([&] { ctrl.openFile(chosen); });
    // The same video again (a seek back to its start, a loop) keeps the choice.
    bus.play("file://" + d + "/movie.mkv", d + "/movie.mkv");
    EXPECT_EQ(ctrl.filename(), chosen);
    EXPECT_EQ(view.message, "Following Fake Player; keeping the subtitles you chose.");
    bus.play("file://" + d + "/next.mkv", d + "/next.mkv");
    EXPECT_EQ(ctrl.filename(), next);
}

} // namespace
