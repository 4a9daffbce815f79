// The main window following a fake player on a private bus: the Follow menu, the clock and the
// subtitles from the player, the transport sent to it, refused controls, its video's subtitles,
// and its quitting; and the menu without a session bus.
#include "shell/MprisService.h"
#include "shell/PlayerWindows.h"
#include "shell/QtPreferences.h"
#include "shell/SeekBar.h"
#include "shell/SyncControls.h"

#include "TempDir.h"
#include "fakes/FakeLog.h"
#include "shell/FakeMprisPlayer.h"
#include "shell/WaitUntil.h"
#include "ui_MainWindow.h"

#include <QDBusConnectionInterface>
#include <QMenu>
#include <QProcess>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QAction* actionTitled(QMenu* menu, const QString& title)
{
    for (QAction* a : menu->actions()) {
        if (a->text() == title)
            return a;
    }
    return nullptr;
}

class FollowWindowTest : public ::testing::Test {
protected:
    FollowWindowTest()
        : preferences(QString::fromStdString((dir.path() / "subclock.conf").string()))
    {
    }

    QString message() { return windows->mainWindow().statusBar()->currentMessage(); }
    QString url(const std::string& name)
    {
        return QUrl::fromLocalFile(QString::fromStdString((dir.path() / name).string())).toString();
    }

    FakeLog log;
    TempDir dir;
    QtPreferences preferences;
    std::unique_ptr<PlayerWindows> windows;
};

TEST_F(FollowWindowTest, FollowsAPlayerFromTheMenuUntilItQuits)
{
    // CRLF, the line ending chosen on a first run.
    dir.write("movie.mkv", "");
    const std::string srt
        = dir.write("movie.srt", "1\r\n00:00:00,000 --> 00:10:00,000\r\nHello\r\n");
    dir.write("next.mkv", "");
    dir.write("next.en.srt", "1\r\n00:00:00,000 --> 00:10:00,000\r\nNext\r\n");
    FakeMprisPlayer player(QStringLiteral("fake"), QStringLiteral("Fake Player"));
    player.metadata.insert(QStringLiteral("xesam:url"), url("movie.mkv"));

    windows = std::make_unique<PlayerWindows>(preferences);
    windows->show();
    Ui::MainWindow& ui = windows->ui();
    QMenu* menu = windows->following().menu();
    // The own clock is the first-run choice.
    EXPECT_TRUE(actionTitled(menu, "Own clock")->isChecked());
    ASSERT_TRUE(waitUntil([&] { return actionTitled(menu, "Fake Player"); }));
    actionTitled(menu, "Fake Player")->trigger();

    // The player's position and its video's subtitles, said where from.
    EXPECT_TRUE(waitUntil([&] { return ui.timeDisplay->text().startsWith("00:00:1"); }));
    // The seek bar follows the player's clock too, not only the own one.
    EXPECT_TRUE(waitUntil([&] { return windows->sync().seekBar().labelText().startsWith("0:1"); }))
        << windows->sync().seekBar().labelText().toStdString();
    // Texts keep the line break of their last line.
    EXPECT_TRUE(waitUntil([&] { return ui.messageDisplay->text() == "Hello\n"; }));
    EXPECT_TRUE(message().contains("movie.srt")) << message().toStdString();
    EXPECT_TRUE(message().contains(QString::fromStdString(dir.path().string())));
    EXPECT_EQ(windows->controller().filename(), srt);
    EXPECT_EQ(preferences.stringValue("follow_player"), "fake");
    EXPECT_EQ(ui.startButton->text(), "Stop");

    // The keys drive the player.
    windows->mainWindow().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&windows->mainWindow()));
    // Moving to a subtitle moves the player: to the start of the one showing.
    QTest::keyClick(&windows->mainWindow(), Qt::Key_Left, Qt::ControlModifier);
    EXPECT_TRUE(waitUntil([&] { return player.calls.size() == 1; }));
    EXPECT_TRUE(player.calls.value(0).startsWith("SetPosition /track/1 "))
        << player.calls.value(0).toStdString();
    player.calls.clear();
    QTest::keyClick(&windows->mainWindow(), Qt::Key_Space);
    EXPECT_TRUE(waitUntil([&] { return ui.startButton->text() == "Start"; }));
    QTest::keyClick(&windows->mainWindow(), Qt::Key_Right);
    QTest::keyClick(&windows->mainWindow(), Qt::Key_Home);
    EXPECT_TRUE(waitUntil([&] { return player.calls.size() == 3; }));
    EXPECT_EQ(player.calls,
        QStringList({ "PlayPause", QString("Seek %1").arg(ui.skipSlider->value() * 1000000LL),
            "SetPosition /track/1 0" }));

    // A player that refuses seeking: the seeking controls say so.
    player.setCanSeek(false);
    EXPECT_TRUE(waitUntil([&] { return !ui.rewindButton->isEnabled(); }));
    EXPECT_EQ(ui.fastForwardButton->toolTip(), "Fake Player does not allow seeking");
    EXPECT_TRUE(ui.startButton->isEnabled());

    // The next video brings its own subtitles, in the user's language here.
    QLocale::setDefault(QLocale(QLocale::English));
    player.setStatus(QStringLiteral("Playing"));
    player.setMedia(url("next.mkv"));
    EXPECT_TRUE(waitUntil([&] { return message().contains("next.en.srt"); }))
        << message().toStdString();
    EXPECT_TRUE(waitUntil([&] { return ui.messageDisplay->text() == "Next\n"; }));

    // Quitting: the own clock, held, and enabled controls again.
    player.quit();
    EXPECT_TRUE(waitUntil([&] { return message().contains("Fake Player quit"); }));
    EXPECT_TRUE(actionTitled(menu, "Own clock")->isChecked());
    EXPECT_EQ(actionTitled(menu, "Fake Player"), nullptr);
    EXPECT_TRUE(ui.rewindButton->isEnabled());
    EXPECT_EQ(ui.rewindButton->toolTip(), "Skip back by the slider's seconds (Left)");
    // The last update queued by the worker lands first (the time shows 10 frames a second).
    QTest::qWait(150);
    const QString held = ui.timeDisplay->text();
    QTest::qWait(200);
    EXPECT_EQ(ui.timeDisplay->text(), held);
    EXPECT_EQ(ui.startButton->text(), "Start");
}

TEST_F(FollowWindowTest, WithoutASessionBusOnlyTheOwnClockIsOffered)
{
    windows = std::make_unique<PlayerWindows>(preferences, QDBusConnection(QStringLiteral("none")));
    QMenu* menu = windows->following().menu();
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions().front()->text(), "Own clock");
    EXPECT_TRUE(menu->actions().front()->toolTip().startsWith("No session D-Bus"));
}

TEST_F(FollowWindowTest, NeverOffersToFollowItsOwnPublishedPlayer)
{
    windows = std::make_unique<PlayerWindows>(preferences);
    MprisService published(*windows);
    published.publish(QDBusConnection::sessionBus());
    ASSERT_TRUE(waitUntil([&] { return !published.busName().isEmpty(); }));
    // A player in another process that appears after it: once it is listed, Subclock's own
    // would have been too.
    QProcess later;
    later.start(QCoreApplication::applicationFilePath(), { "--player", "later", "later.i1" });
    const MprisFollower& follower = windows->following().follower();
    ASSERT_TRUE(waitUntil([&] {
        return follower.playersKnown() && !follower.players().empty()
            && follower.players().back().busName == "org.mpris.MediaPlayer2.later";
    }));
    QTest::qWait(300);
    for (const PlayerInfo& p : follower.players())
        EXPECT_EQ(p.busName.find("subclock"), std::string::npos) << p.busName;
    EXPECT_EQ(follower.players().size(), 1U);
    later.kill();
    later.waitForFinished();
}

} // namespace
