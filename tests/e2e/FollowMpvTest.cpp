// End to end with a real player: mpv with its MPRIS plugin, followed by the real subclock under
// Xvfb, on a private session bus (ctest runs it under dbus-run-session and xvfb-run). Skipped
// when mpv, mpv-mpris, playerctl or ffmpeg are missing, unless SUBCLOCK_E2E_REQUIRED is set (CI).
#include "FollowedMpv.h"

#include "TempDir.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>

namespace {

class FollowMpvTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const QString missing = FollowedMpv::missingTools(); !missing.isEmpty()) {
            if (std::getenv("SUBCLOCK_E2E_REQUIRED"))
                FAIL() << "missing: " << missing.toStdString();
            GTEST_SKIP() << "missing: " << missing.toStdString();
        }
        ASSERT_TRUE(mpv.busConnected()) << "run under dbus-run-session";
    }

    // The largest difference over a few samples; a single slow answer does not decide.
    double smallestError(int samples = 5)
    {
        double best = 1e9;
        for (int i = 0; i < samples; ++i) {
            if (const auto s = mpv.sample())
                best = std::min(best, std::abs(s->subclock - s->player));
            QThread::msleep(20);
        }
        return best;
    }

    TempDir dir;
    const QString path = QString::fromStdString(dir.path().string());
    FollowedMpv mpv{ path };
};

TEST_F(FollowMpvTest, SeeksPausesAndTheNextFileReachSubclock)
{
    // 50 frames a second: mpv's Position moves in 20 ms steps, well inside the 50 ms asked.
    ASSERT_TRUE(FollowedMpv::makeClip(path + "/first.mkv", 60, 50));
    ASSERT_TRUE(QFile::copy(path + "/first.mkv", path + "/second.mkv"));
    dir.write("second.srt", "1\n00:00:01,000 --> 00:00:50,000\nThe second file\n");
    // Absolute: mpv-mpris makes a relative name absolute with $PWD, which QProcess leaves as is.
    ASSERT_TRUE(mpv.startMpv({ path + "/first.mkv", path + "/second.mkv" }));
    ASSERT_TRUE(mpv.startSubclock(SUBCLOCK_BINARY));

    // Playing: the clock runs with mpv.
    QThread::msleep(1500);
    EXPECT_LT(smallestError(), 0.05);

    // A seek by playerctl moves the clock within 50 ms of mpv.
    ASSERT_TRUE(FollowedMpv::playerctl({ "position", "30" }));
    EXPECT_TRUE(waitFor(
        [&] {
            const auto s = mpv.sample();
            return s && s->player > 29 && std::abs(s->subclock - s->player) < 0.05;
        },
        2000));
    QThread::msleep(500);
    EXPECT_LT(smallestError(), 0.05);

    // Pausing mpv stops the clock where mpv stopped.
    ASSERT_TRUE(FollowedMpv::playerctl({ "pause" }));
    QThread::msleep(500);
    const auto paused = mpv.sample();
    ASSERT_TRUE(paused);
    QThread::msleep(500);
    const auto later = mpv.sample();
    ASSERT_TRUE(later);
    EXPECT_DOUBLE_EQ(later->subclock, paused->subclock);
    EXPECT_NEAR(later->subclock, later->player, 0.05);

    // The next file, with subtitles beside it, loads them.
    ASSERT_TRUE(FollowedMpv::playerctl({ "play" }));
    ASSERT_TRUE(FollowedMpv::playerctl({ "next" }));
    EXPECT_TRUE(waitFor([&] { return mpv.status("SubtitleFile") == path + "/second.srt"; }, 5000))
        << mpv.status("Message").toStdString();
    EXPECT_TRUE(mpv.status("Message").contains("second.srt"));
    QThread::msleep(1000);
    EXPECT_LT(smallestError(), 0.05);

    // mpv quits: the own clock, paused where mpv was.
    mpv.quitMpv();
    EXPECT_TRUE(waitFor([&] { return mpv.status("Following").isEmpty(); }, 3000));
    EXPECT_TRUE(mpv.status("Message").contains("quit")) << mpv.status("Message").toStdString();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
