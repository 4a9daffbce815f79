// The Timing pane in the real windows: N held in the application, M pairs beside their printed
// line, the pane's own keys, undo, and a saved file.
#include "shell/CuePane.h"
#include "shell/PlayerWindows.h"
#include "shell/QtPreferences.h"
#include "shell/SyncControls.h"

#include "CapturedOutput.h"
#include "TempDir.h"
#include "fakes/FakeLog.h"
#include "shell/WaitUntil.h"
#include "ui_MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

class CuePaneTest : public ::testing::Test {
protected:
    CuePaneTest()
        : preferences(QString::fromStdString((dir.path() / "subclock.conf").string()))
        , windows(preferences)
    {
        windows.timer().setMarkOutput(marks);
        windows.show();
        windows.cuePane().show();
        windows.mainWindow().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&windows.mainWindow()));
    }
    ~CuePaneTest() override { std::fclose(marks); }

    const std::vector<TimedCue>& cues() { return windows.cueSession().sheet().cues(); }
    QString upNext() { return windows.cuePane().upNext()->text(); }
    // A key event as the window system sends it, auto-repeat flag included.
    void key(QEvent::Type type, Qt::Key k, bool autoRepeat = false)
    {
        QKeyEvent event(type, k, Qt::NoModifier, k == Qt::Key_N ? "n" : "", autoRepeat);
        QApplication::sendEvent(QApplication::focusWidget(), &event);
    }

    FakeLog log;
    TempDir dir;
    QtPreferences preferences;
    std::FILE* marks = std::tmpfile();
    PlayerWindows windows;
};

TEST_F(CuePaneTest, HoldsAndMarksTimeTheScriptAndThePaneKeysMoveThroughIt)
{
    CuePane& pane = windows.cuePane();
    ASSERT_TRUE(pane.openScript(
        QString::fromStdString(dir.write("scene.txt", "One\nline\n\nTwo\n\nThree\n\nFour\n"))));
    EXPECT_EQ(upNext(), "One\nline");
    windows.chooseFile(SUBCLOCK_SAMPLE);
    QTest::mouseClick(windows.ui().startButton, Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return windows.timer().getPosition() > 0; }));

    // Held N, with the repeats a held key sends: one cue, once the release is confirmed.
    windows.ui().startButton->setFocus();
    key(QEvent::KeyPress, Qt::Key_N);
    QTest::qWait(60);
    key(QEvent::KeyRelease, Qt::Key_N, true);
    key(QEvent::KeyPress, Qt::Key_N, true);
    QTest::qWait(60);
    key(QEvent::KeyRelease, Qt::Key_N);
    ASSERT_TRUE(waitUntil([&] { return cues().size() == 1; }));
    EXPECT_EQ(cues()[0].text, "One\nline");
    // Held for 120 ms; the position is the worker's last pass, which a loaded machine delays.
    EXPECT_GE(cues()[0].end - cues()[0].start, 0.05) << cues()[0].start << " to " << cues()[0].end;
    EXPECT_EQ(upNext(), "Two");

    // A mark pair is a cue as well as its printed line.
    QTest::keyClick(&windows.mainWindow(), Qt::Key_M);
    QTest::qWait(30);
    QTest::keyClick(&windows.mainWindow(), Qt::Key_M);
    ASSERT_EQ(cues().size(), 2U);
    EXPECT_EQ(cues()[1].text, "Two");
    const std::string line = writtenTo(marks);
    ASSERT_EQ(line.size(), 30U) << line;
    EXPECT_EQ(line.substr(12, 5), " --> ");

    // Ctrl+Right and Ctrl+Left act in the pane only, even against the application-wide
    // Next Subtitle on the same keys, which keeps them everywhere else.
    QAction* elsewhere = nullptr;
    for (QAction* action : windows.sync().menu().actions())
        if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_Right))
            elsewhere = action;
    ASSERT_NE(elsewhere, nullptr);
    int firedElsewhere = 0;
    QObject::connect(elsewhere, &QAction::triggered, [&] { ++firedElsewhere; });
    QTest::keyClick(windows.ui().startButton, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(upNext(), "Three");
    EXPECT_EQ(firedElsewhere, 1);
    pane.table()->setFocus();
    QTest::keyClick(pane.table(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(upNext(), "Four");
    EXPECT_EQ(firedElsewhere, 1);
    QTest::keyClick(pane.table(), Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(upNext(), "Three");

    // The button: press to release is one cue.
    QTest::mousePress(pane.holdButton(), Qt::LeftButton);
    QTest::qWait(30);
    QTest::mouseRelease(pane.holdButton(), Qt::LeftButton);
    ASSERT_EQ(cues().size(), 3U);
    EXPECT_EQ(cues()[2].text, "Three");

    // Ctrl+Z takes the last cue back, and with it its paragraph.
    QTest::keyClick(&windows.mainWindow(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(cues().size(), 2U);
    EXPECT_EQ(upNext(), "Three");

    const std::string saved = (dir.path() / "cues.srt").string();
    ASSERT_TRUE(pane.saveCues(QString::fromStdString(saved), true));
    std::ifstream in(saved, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_TRUE(text.str().starts_with("1\r\n00:00:0")) << text.str();
    EXPECT_NE(text.str().find("\r\nOne\r\nline\r\n\r\n2\r\n"), std::string::npos) << text.str();
    // The session was saved as it went.
    EXPECT_TRUE(std::filesystem::exists(windows.cueSession().sessionPath()));
}

} // namespace
