// The real windows on the offscreen platform: a file from the command-line path, Start, the
// subtitle on both displays, two marks, Stop; and the keyboard shortcuts.
#include "shell/PlayerWindows.h"
#include "shell/QtPreferences.h"

#include "CapturedOutput.h"
#include "TempDir.h"
#include "fakes/FakeLog.h"
#include "shell/WaitUntil.h"
#include "ui_MainWindow.h"

#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <functional>

namespace {

class PlayerTest : public ::testing::Test {
protected:
    PlayerTest()
        : preferences(QString::fromStdString((dir.path() / "subclock.conf").string()))
        , windows(preferences)
    {
        windows.timer().setMarkOutput(marks);
        windows.show();
        windows.mainWindow().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&windows.mainWindow()));
    }
    ~PlayerTest() override { std::fclose(marks); }

    QString shownMessage() { return windows.ui().messageDisplay->text(); }
    QString shownInPanel() { return windows.mainPanel().text(); }

    FakeLog log;
    TempDir dir;
    QtPreferences preferences;
    std::FILE* marks = std::tmpfile();
    PlayerWindows windows;
};

TEST_F(PlayerTest, PlaysAFileFromTheCommandLinePathAndMarksATimeLine)
{
    const std::string path = dir.write("scene.srt",
        "1\r\n00:00:00,000 --> 00:10:00,000\r\n"
        "\x8E\x9A\x96\x8B\r\n");
    // Two characters are too few for any detector: the user picks Shift JIS.
    QComboBox* encodings = windows.ui().encodingMenu;
    encodings->setCurrentIndex(encodings->findData(8));
    emit encodings->activated(encodings->currentIndex());
    windows.chooseFile(path);
    EXPECT_TRUE(waitUntil([&] { return windows.ui().fileNameLabel->text() == "scene.srt"; }));
    EXPECT_TRUE(windows.mainWindow().windowTitle().startsWith("scene.srt"));
    EXPECT_EQ(preferences.stringValue("last_filename"), path);

    QTest::mouseClick(windows.ui().startButton, Qt::LeftButton);
    EXPECT_EQ(windows.ui().startButton->text(), "Stop");
    // "字幕" in Shift JIS on both displays.
    const QString subtitle = QString::fromUtf8("\xE5\xAD\x97\xE5\xB9\x95\n");
    ASSERT_TRUE(waitUntil([&] { return shownMessage() == subtitle; }));
    ASSERT_TRUE(waitUntil([&] { return shownInPanel() == subtitle; }));

    QTest::keyClick(&windows.mainWindow(), Qt::Key_M);
    QTest::qWait(50);
    QTest::keyClick(&windows.mainWindow(), Qt::Key_M);
    QTest::mouseClick(windows.ui().startButton, Qt::LeftButton);
    EXPECT_EQ(windows.ui().startButton->text(), "Start");
    EXPECT_FALSE(windows.timer().isRunning());

    // One time line: "hh:mm:ss:mmm --> hh:mm:ss:mmm\n".
    const std::string line = writtenTo(marks);
    ASSERT_EQ(line.size(), 30U) << line;
    EXPECT_EQ(line.substr(12, 5), " --> ");
    EXPECT_EQ(line.back(), '\n');
    EXPECT_LE(line.substr(0, 12), line.substr(17, 12));
}

TEST_F(PlayerTest, ShortcutsWorkWhicheverControlHasFocus)
{
    windows.chooseFile(dir.write("a.srt", "1\r\n00:00:00,000 --> 00:10:00,000\r\nA\r\n"));
    Ui::MainWindow& ui = windows.ui();
    ui.skipSlider->setValue(30);
    for (QWidget* focus : std::initializer_list<QWidget*>{
             ui.startButton, ui.skipSlider, ui.rewindButton, ui.encodingMenu }) {
        const std::string name = focus->objectName().toStdString();
        focus->setFocus();
        ASSERT_TRUE(waitUntil([&] { return focus->hasFocus(); })) << name;

        // Space toggles exactly once, even on a focused button.
        QTest::keyClick(focus, Qt::Key_Space);
        EXPECT_EQ(ui.startButton->text(), "Stop") << name;
        QTest::keyClick(focus, Qt::Key_Space);
        EXPECT_EQ(ui.startButton->text(), "Start") << name;

        // The arrows skip by the slider's seconds instead of moving the slider.
        QTest::keyClick(focus, Qt::Key_Home);
        EXPECT_EQ(windows.timer().getPosition(), 0.0) << name;
        QTest::keyClick(focus, Qt::Key_Right);
        EXPECT_EQ(windows.timer().getPosition(), 30.0) << name;
        QTest::keyClick(focus, Qt::Key_Left);
        EXPECT_EQ(windows.timer().getPosition(), 0.0) << name;
        EXPECT_EQ(ui.skipSlider->value(), 30) << name;
    }
    // The encoding menu kept its choice through the keys.
    EXPECT_EQ(windows.controller().encodingType(), 8);
}

TEST_F(PlayerTest, DroppingALocalFileChoosesItAndAnythingElseIsRefused)
{
    const std::string path
        = dir.write("dropped.srt", "1\r\n00:00:00,000 --> 00:10:00,000\r\nD\r\n");
    // Offers the drop as a move, as a file manager does with Shift held; a copy is all we take.
    const auto drop = [&](QWidget& target, const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        const QPointF at(target.width() / 2.0, target.height() / 2.0);
        const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(at.toPoint(), offered, &data, Qt::LeftButton, Qt::ShiftModifier);
        enter.setDropAction(Qt::MoveAction);
        QCoreApplication::sendEvent(&target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(at, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
        dropped.setDropAction(Qt::MoveAction);
        QCoreApplication::sendEvent(&target, &dropped);
        EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
        EXPECT_EQ(dropped.dropAction(), Qt::CopyAction);
        return dropped.isAccepted();
    };

    // Not local files, or a folder: refused, nothing changes.
    EXPECT_FALSE(drop(windows.mainWindow(), { QUrl("https://example.invalid/film.srt") }));
    EXPECT_FALSE(drop(windows.mainPanel(), {}));
    EXPECT_FALSE(drop(windows.mainWindow(),
        { QUrl::fromLocalFile(QString::fromStdString(dir.path().string())) }));
    EXPECT_FALSE(preferences.stringValue("last_filename").has_value());

    // Several local files on the panel: the first is chosen.
    const std::string other = dir.write("other.srt", "");
    ASSERT_TRUE(drop(windows.mainPanel(),
        { QUrl::fromLocalFile(QString::fromStdString(path)),
            QUrl::fromLocalFile(QString::fromStdString(other)) }));
    EXPECT_TRUE(waitUntil([&] { return windows.ui().fileNameLabel->text() == "dropped.srt"; }));
    EXPECT_EQ(preferences.stringValue("last_filename"), path);
    EXPECT_EQ(windows.controller().filename(), path);
}

} // namespace

// The watch on the file, the status line and File › Open Recent, as the user meets them.
TEST_F(PlayerTest, AFileSavedWhilePlayingIsShownWithoutAStop)
{
    const std::string path = dir.write("live.srt",
        "1\n00:00:00,000 --> 00:10:00,000\nBefore\n\n2\n00:10:00,000 "
        "--> 00:20:00,000\nLater\n");
    windows.chooseFile(path);
    QLabel* status = windows.readingView().statusLabel();
    EXPECT_TRUE(waitUntil([&] { return status->text().startsWith("2 subtitles"); }))
        << status->text().toStdString();
    QTest::mouseClick(windows.ui().startButton, Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return shownMessage() == "Before\n"; }));

    dir.write("live.srt", "1\r\n00:00:00,000 --> 00:10:00,000\r\nAfter\r\n");
    ASSERT_TRUE(waitUntil([&] { return shownMessage() == "After\n"; }));
    EXPECT_EQ(windows.ui().startButton->text(), "Stop");
    EXPECT_TRUE(windows.timer().isRunning());
    EXPECT_TRUE(status->text().contains("CRLF")) << status->text().toStdString();

    // The file is the first of the recent ones, and choosing it there chooses it again.
    QMenu* file = windows.mainWindow().menuBar()->findChildren<QMenu*>().value(0);
    ASSERT_NE(file, nullptr);
    QMenu* recent = nullptr;
    for (QAction* a : file->actions()) {
        if (a->menu())
            recent = a->menu();
    }
    ASSERT_NE(recent, nullptr);
    ASSERT_FALSE(recent->actions().isEmpty());
    EXPECT_EQ(recent->actions().first()->text(), "live.srt");
}

// An event message outlasts the quiet reset a read does of the status message, until the user
// acts; the last ones stay at hand.
TEST_F(PlayerTest, AnEventMessageStaysUntilTheUserActs)
{
    QStatusBar* bar = windows.mainWindow().statusBar();
    bar->showMessage("Loaded clip.srt beside the video.");
    windows.chooseFile(dir.write("clip.srt", "1\n00:00:01,000 --> 00:00:02,000\nHi\n"));
    QTest::qWait(20);
    EXPECT_EQ(bar->currentMessage(), "Loaded clip.srt beside the video.");
    EXPECT_TRUE(bar->toolTip().contains("Loaded clip.srt beside the video."));
    // A click is the user acting: a clear after it stands.
    QTest::mouseClick(bar, Qt::LeftButton);
    bar->clearMessage();
    QTest::qWait(20);
    EXPECT_EQ(bar->currentMessage(), "");
}

namespace {

TEST_F(PlayerTest, BothTracksShowInThePanelAndEachKeyHidesItsOwn)
{
    windows.chooseFile(dir.write("film.srt", "1\r\n00:00:05,000 --> 00:00:15,000\r\nHello\r\n"));
    windows.chooseSecondFile(
        dir.write("film.fr.srt", "1\r\n00:00:05,000 --> 00:00:15,000\r\nBonjour\r\n"));
    windows.controller().seekTo(10);
    SubtitlePanel& panel = windows.mainPanel();
    ASSERT_TRUE(waitUntil([&] { return panel.text() == "Hello\n"; }));
    ASSERT_TRUE(waitUntil([&] { return panel.secondText() == "Bonjour\n"; }));
    EXPECT_TRUE(waitUntil([&] { return windows.secondLine().text() == "Bonjour\n"; }));
    EXPECT_TRUE(windows.secondLine().isVisible());
    const struct {
        Qt::Key key;
        int lines, secondLines;
    } steps[] = {
        { Qt::Key_1, 0, 1 },
        { Qt::Key_2, 0, 0 },
        { Qt::Key_1, 1, 0 },
        { Qt::Key_2, 1, 1 },
    };
    for (const auto& s : steps) {
        QTest::keyClick(&windows.mainWindow(), s.key);
        EXPECT_EQ(panel.lineCount(), s.lines) << s.key;
        EXPECT_EQ(panel.secondLineCount(), s.secondLines) << s.key;
    }
    EXPECT_TRUE(panel.secondDrawnBelow());
}

} // namespace
