// End to end with a real browser: Debian's chromium (not headless) plays a local page's webm,
// followed by the real subclock under Xvfb on a private bus (ctest runs it under
// dbus-run-session and xvfb-run). Skipped when chromium, playerctl or ffmpeg are missing, unless
// SUBCLOCK_E2E_REQUIRED is set (CI).
#include "TempDir.h"
#include "WaitFor.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <optional>

namespace {

class FollowChromiumTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QStringList missing;
        for (const char* tool : { "chromium", "playerctl", "ffmpeg" }) {
            if (QStandardPaths::findExecutable(tool).isEmpty())
                missing << tool;
        }
        if (!missing.isEmpty()) {
            if (std::getenv("SUBCLOCK_E2E_REQUIRED"))
                FAIL() << "missing: " << missing.join(' ').toStdString();
            GTEST_SKIP() << "missing: " << missing.join(' ').toStdString();
        }
        ASSERT_TRUE(bus.isConnected()) << "run under dbus-run-session";
    }

    void TearDown() override
    {
        for (QProcess* p : { &subclock, &chromium }) {
            p->terminate();
            if (!p->waitForFinished(3000))
                p->kill();
            p->waitForFinished(1000);
        }
    }

    // Chromium's player on the bus: one name per browser process, with its process id.
    QString chromiumName() const
    {
        for (const QString& n : bus.interface()->registeredServiceNames().value()) {
            if (n.startsWith("org.mpris.MediaPlayer2.chromium"))
                return n;
        }
        return {};
    }

    QVariant status(const QString& method) const
    {
        const QDBusMessage reply
            = bus.call(QDBusMessage::createMethodCall("io.github.subclock.Status", "/Status",
                           "io.github.subclock.Status", method),
                QDBus::Block, 2000);
        return reply.type() == QDBusMessage::ReplyMessage ? reply.arguments().value(0) : QVariant();
    }

    std::optional<double> pagePosition() const
    {
        QDBusMessage m = QDBusMessage::createMethodCall(
            chromiumName(), "/org/mpris/MediaPlayer2", "org.freedesktop.DBus.Properties", "Get");
        m << QString("org.mpris.MediaPlayer2.Player") << QString("Position");
        const QDBusMessage reply = bus.call(m, QDBus::Block, 2000);
        if (reply.type() != QDBusMessage::ReplyMessage)
            return std::nullopt;
        return reply.arguments().value(0).value<QDBusVariant>().variant().toLongLong() / 1e6;
    }

    // The smallest difference over a few samples: Chromium's Position is itself refreshed
    // only about every 100 ms, so one sample says little.
    double smallestError()
    {
        double best = 1e9;
        for (int i = 0; i < 8; ++i) {
            const double shown = status("Position").toDouble();
            if (const std::optional<double> page = pagePosition())
                best = std::min(best, std::abs(shown - *page));
            QThread::msleep(40);
        }
        return best;
    }

    TempDir dir;
    const QString path = QString::fromStdString(dir.path().string());
    QDBusConnection bus = QDBusConnection::sessionBus();
    QProcess chromium, subclock;
};

TEST_F(FollowChromiumTest, ASeekInThePageMovesTheShownSubtitle)
{
    // Chromium publishes no player for a video without sound.
    ASSERT_EQ(QProcess::execute("ffmpeg",
                  { "-loglevel", "error", "-y", "-f", "lavfi", "-i",
                      "testsrc=duration=90:size=160x120:rate=25", "-f", "lavfi", "-i",
                      "sine=duration=90", "-shortest", "-c:v", "libvpx", "-deadline", "realtime",
                      "-b:v", "50k", "-c:a", "libopus", path + "/clip.webm" }),
        0);
    dir.write("page.html",
        "<!doctype html><title>Clip page</title>"
        "<video src=\"clip.webm\" autoplay></video>\n");
    const std::string srt = dir.write("clip.srt",
        "1\n00:00:00,000 --> 00:00:30,000\nThe start\n\n"
        "2\n00:00:40,000 --> 00:01:20,000\nAfter the seek\n");

    // As root in a container the sandbox cannot start; the profile is the test's own.
    chromium.start("chromium",
        { "--no-sandbox", "--no-first-run", "--password-store=basic",
            "--user-data-dir=" + path + "/profile", "--autoplay-policy=no-user-gesture-required",
            "file://" + path + "/page.html" });
    ASSERT_TRUE(chromium.waitForStarted(5000));
    ASSERT_TRUE(waitFor([&] { return !chromiumName().isEmpty() && pagePosition(); }, 30000));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", path);
    env.insert("XDG_CONFIG_HOME", path + "/config");
    subclock.setProcessEnvironment(env);
    subclock.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    subclock.start(
        SUBCLOCK_BINARY, { "--status-bus", "--follow=chromium", QString::fromStdString(srt) });
    ASSERT_TRUE(subclock.waitForStarted(5000));
    ASSERT_TRUE(waitFor([&] { return status("Following").toString() == chromiumName(); }, 15000));

    // Playing: the clock runs with the page.
    ASSERT_TRUE(waitFor([&] { return status("Subtitle").toString() == "The start"; }, 5000))
        << status("Subtitle").toString().toStdString() << " at " << status("Position").toDouble()
        << "; " << status("Message").toString().toStdString();
    QThread::msleep(1500);
    EXPECT_LT(smallestError(), 0.1);

    // A seek in the page moves the subtitle shown.
    ASSERT_EQ(QProcess::execute("playerctl", { "-p", "chromium", "position", "45" }), 0);
    EXPECT_TRUE(waitFor([&] { return status("Subtitle").toString() == "After the seek"; }, 1000))
        << status("Subtitle").toString().toStdString();
    QThread::msleep(1500);
    EXPECT_LT(smallestError(), 0.1);

    // Paused in the page, the clock holds there.
    ASSERT_EQ(QProcess::execute("playerctl", { "-p", "chromium", "pause" }), 0);
    QThread::msleep(800);
    const double paused = status("Position").toDouble();
    QThread::msleep(500);
    EXPECT_DOUBLE_EQ(status("Position").toDouble(), paused);
    EXPECT_LT(smallestError(), 0.1);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
