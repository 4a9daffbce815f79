// Following over a real (private) session bus: a fake player driven through play, pause, seek,
// rate and media changes, refusing to seek and quitting; one that reports no position; and one
// that never answers.
#include "shell/MprisFollower.h"

#include "TempDir.h"
#include "control/SubtitleFinder.h"
#include "shell/FakeMprisPlayer.h"
#include "shell/WaitUntil.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

const QString kFake = QStringLiteral("org.mpris.MediaPlayer2.fake");

bool listed(const MprisFollower& follower, const QString& busName)
{
    for (const PlayerInfo& p : follower.players()) {
        if (p.busName == busName.toStdString())
            return true;
    }
    return false;
}

class FollowBusTest : public ::testing::Test {
protected:
    FollowBusTest() { EXPECT_TRUE(follower.busAvailable()) << "run under dbus-run-session"; }

    // Within 50 ms of the player, as the end-to-end test wants of the real one.
    bool inStep() const
    {
        return std::abs(follower.position().position() - player.position()) < 0.05;
    }

    FakeMprisPlayer player{ QStringLiteral("fake"), QStringLiteral("Fake Player") };
    MprisFollower follower{ QDBusConnection::sessionBus() };
};

TEST_F(FollowBusTest, FollowsPlayPauseSeekRateAndMediaUntilThePlayerQuits)
{
    ASSERT_TRUE(waitUntil([&] { return listed(follower, kFake); }));
    EXPECT_EQ(playerTitles(follower.players()).front(), "Fake Player");

    follower.follow(kFake.toStdString());
    // Picks up the position it is already at, and moves with it.
    ASSERT_TRUE(waitUntil([&] { return follower.position().position() > 10; }));
    QTest::qWait(300);
    EXPECT_TRUE(inStep()) << follower.position().position() << " vs " << player.position();

    // Pausing in the player stops the clock there.
    follower.playPause();
    ASSERT_TRUE(waitUntil([&] { return player.status == "Paused"; }));
    QTest::qWait(300);
    const double paused = follower.position().position();
    QTest::qWait(300);
    EXPECT_DOUBLE_EQ(follower.position().position(), paused);
    EXPECT_NEAR(paused, player.position(), 0.005);

    // A seek shows at once, through the Seeked signal rather than the next poll.
    follower.seekBy(20);
    ASSERT_TRUE(waitUntil([&] { return follower.position().position() > 25; }, 150));
    EXPECT_NEAR(follower.position().position(), player.position(), 0.005);
    EXPECT_TRUE(player.calls.contains(QStringLiteral("Seek 20000000")));

    // Double speed, playing again.
    player.setRate(2);
    player.setStatus(QStringLiteral("Playing"));
    QTest::qWait(500);
    EXPECT_TRUE(inStep()) << follower.position().position() << " vs " << player.position();
    EXPECT_DOUBLE_EQ(follower.position().rate(), 2);

    // Home in the window: back to 0 of the current track.
    follower.setPosition(0);
    ASSERT_TRUE(waitUntil([&] { return follower.position().position() < 1; }, 150));

    // A new local video; its subtitles are found beside it.
    TempDir dir;
    dir.write("clip.mkv", "");
    const std::string srt = dir.write("clip.srt", "1\n00:00:01,000 --> 00:00:02,000\nHi\n");
    QSignalSpy media(&follower, &MprisFollower::mediaChanged);
    player.setMedia(
        QUrl::fromLocalFile(QString::fromStdString((dir.path() / "clip.mkv").string())).toString());
    ASSERT_TRUE(media.wait(2000));
    ASSERT_TRUE(follower.mediaPath());
    EXPECT_EQ(findSubtitlesFor(*follower.mediaPath(), ""), srt);
    QTest::qWait(300);
    EXPECT_TRUE(inStep()) << follower.position().position() << " vs " << player.position();

    // A player that stops allowing seeks says so.
    EXPECT_TRUE(follower.canSeek());
    player.setCanSeek(false);
    EXPECT_TRUE(waitUntil([&] { return !follower.canSeek(); }));

    // Quitting: following stops, the clock holds where the player was.
    QSignalSpy quit(&follower, &MprisFollower::playerQuit);
    player.setStatus(QStringLiteral("Playing"));
    QTest::qWait(200);
    const double last = player.position();
    player.quit();
    ASSERT_TRUE(quit.wait(2000));
    EXPECT_EQ(quit.takeFirst().at(0).toString(), "Fake Player");
    EXPECT_TRUE(follower.followed().empty());
    EXPECT_FALSE(listed(follower, kFake));
    const double held = follower.position().position();
    EXPECT_NEAR(held, last, 0.1);
    QTest::qWait(200);
    EXPECT_DOUBLE_EQ(follower.position().position(), held);
}

TEST_F(FollowBusTest, BrowsersSeekedFloodAndAPlayerWithoutPosition)
{
    // Chromium: Seeked at every position update is a resync, not a seek to show.
    ASSERT_TRUE(waitUntil([&] { return listed(follower, kFake); }));
    follower.follow(kFake.toStdString());
    ASSERT_TRUE(waitUntil([&] { return follower.position().position() > 10; }));
    QSignalSpy playback(&follower, &MprisFollower::playbackChanged);
    double last = follower.position().position();
    for (int i = 0; i < 30; ++i) {
        player.resync();
        for (int tick = 0; tick < 10; ++tick) {
            QTest::qWait(10);
            const double shown = follower.position().position();
            ASSERT_GE(shown, last) << "update " << i;
            last = shown;
        }
    }
    EXPECT_TRUE(inStep()) << follower.position().position() << " vs " << player.position();
    // Nothing for the window to redraw: the flood costs no more than polling.
    EXPECT_EQ(playback.count(), 0);

    // Firefox: no Position. The clock is ours, and pauses and resumes with the player. A process
    // of its own, since one process is one player.
    QProcess firefox;
    firefox.start(QCoreApplication::applicationFilePath(), { "--firefox", "firefox.instance_1_2" });
    const QString name = QStringLiteral("org.mpris.MediaPlayer2.firefox.instance_1_2");
    ASSERT_TRUE(waitUntil([&] { return listed(follower, name); }));
    follower.position().reset(100, FollowedPosition::Status::Paused, 1);
    follower.follow(name.toStdString());
    ASSERT_TRUE(waitUntil([&] { return !follower.reportsPosition(); }));
    // Seeks go to our clock even though the player cannot seek.
    EXPECT_TRUE(follower.canSeek());
    QTest::qWait(300);
    EXPECT_GT(follower.position().position(), 100.2);
    follower.playPause();
    ASSERT_TRUE(waitUntil(
        [&] { return follower.position().status() == FollowedPosition::Status::Paused; }));
    const double paused = follower.position().position();
    QTest::qWait(300);
    EXPECT_DOUBLE_EQ(follower.position().position(), paused);
    follower.playPause();
    EXPECT_TRUE(waitUntil([&] { return follower.position().position() > paused + 0.2; }));
    firefox.kill();
    firefox.waitForFinished();
}

TEST(MediaPathTest, AMediaURLNamesTheBytesOfItsFile)
{
    struct Case {
        const char* url;
        std::optional<std::string> path;
    };
    const Case cases[] = {
        // Latin-1, not UTF-8: the name's byte itself.
        { "file:///films/caf%E9.mkv", "/films/caf\xe9.mkv" },
        { "file:///films/caf%C3%A9%20noir.mkv", "/films/caf\xc3\xa9 noir.mkv" },
        { "https://example.com/caf%E9.mkv", std::nullopt },
    };
    for (const Case& c : cases)
        EXPECT_EQ(localMediaPath(QUrl(QString::fromLatin1(c.url))), c.path) << c.url;
}

TEST_F(FollowBusTest, OnePlayerUnderTwoNamesIsListedOnceUnderTheShorter)
{
    // A process of its own: players are told apart by process. Either name may be described
    // first; the list is complete, and announced, either way.
    for (const bool shorterFirst : { true, false }) {
        QProcess vlc;
        vlc.start(QCoreApplication::applicationFilePath(),
            { "--player", shorterFirst ? "vlc" : "vlc.instance42",
                shorterFirst ? "vlc.instance42" : "vlc" });
        MprisFollower fresh(QDBusConnection::sessionBus());
        ASSERT_TRUE(waitUntil(
            [&] { return fresh.playersKnown() && listed(fresh, "org.mpris.MediaPlayer2.vlc"); }));
        QTest::qWait(300);
        // The fixture's fake, and VLC once, in the order their descriptions came.
        std::vector<std::string> titles = playerTitles(fresh.players());
        std::sort(titles.begin(), titles.end());
        EXPECT_EQ(titles, (std::vector<std::string>{ "Fake Player", "VLC media player" }))
            << shorterFirst;
        vlc.kill();
        vlc.waitForFinished();
        ASSERT_TRUE(waitUntil([&] { return fresh.players().size() == 1; }));
    }
}

TEST_F(FollowBusTest, APositionThatNeverMovesIsReportedWithinThreeSeconds)
{
    player.reportNoPosition();
    ASSERT_TRUE(waitUntil([&] { return listed(follower, kFake); }));
    QSignalSpy stuck(&follower, &MprisFollower::positionStuck);
    QElapsedTimer clock;
    clock.start();
    follower.follow(kFake.toStdString());
    ASSERT_TRUE(stuck.wait(4000));
    EXPECT_LE(clock.elapsed(), 3200);
}

TEST_F(FollowBusTest, APlayerThatNeverAnswersLeavesTheGuiResponsive)
{
    QProcess hung;
    hung.start(QCoreApplication::applicationFilePath(), { "--hung-player", "hung" });
    const QString name = QStringLiteral("org.mpris.MediaPlayer2.hung");
    // Listed by its bus name once its description times out.
    ASSERT_TRUE(waitUntil([&] { return listed(follower, name); }));
    EXPECT_EQ(playerTitles(follower.players()).back(), name.toStdString());

    QElapsedTimer clock;
    clock.start();
    follower.follow(name.toStdString());
    follower.playPause();
    follower.seekBy(5);
    // Nothing above waited for the player (a call times out after 1000 ms).
    EXPECT_LT(clock.elapsed(), 250);
    // The event loop keeps turning: no gap between ticks of a 10 ms timer near a call's timeout.
    qint64 last = clock.elapsed();
    qint64 worstGap = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [&] {
        worstGap = std::max(worstGap, clock.elapsed() - last);
        last = clock.elapsed();
    });
    tick.start(10);
    QTest::qWait(2500);
    EXPECT_LT(worstGap, 200);
    hung.kill();
    hung.waitForFinished();
    EXPECT_TRUE(waitUntil([&] { return follower.followed().empty(); }));
}

} // namespace
