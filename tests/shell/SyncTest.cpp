// The lining-up keys in the real windows on the offscreen platform, the timing kept in the real
// settings file across a restart, the list, the seek bar and the saved file.
#include "shell/PlayerWindows.h"
#include "shell/QtPreferences.h"
#include "shell/SeekBar.h"
#include "shell/SubtitleList.h"
#include "shell/SyncControls.h"

#include "CapturedOutput.h"
#include "TempDir.h"
#include "fakes/FakeLog.h"
#include "shell/WaitUntil.h"
#include "subtitles/SrtFile.h"
#include "subtitles/SrtWriter.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <type_traits>
#include <utility>

namespace {

// These displays touch their widgets directly: the type must keep them from the worker, which
// writes any TextDisplay from its own thread.
static_assert(
    !std::is_convertible_v<decltype(std::declval<SyncControls&>().statusDisplay()), TextDisplay*>);
static_assert(
    !std::is_convertible_v<decltype(std::declval<SyncControls&>().timingDisplay()), TextDisplay*>);
static_assert(!std::is_convertible_v<decltype(makeFileLabelDisplay(nullptr, nullptr)),
              std::unique_ptr<TextDisplay>>);

// Four lines of a film as a file made for 23.976 fps and 2 s late would have them.
const double kOriginal[] = { 1.0, 4.48, 88.98, 92.2 };
double resampled(double s)
{
    return s * 25.0 / (24000.0 / 1001.0) + 2.0;
}
std::string resampledFile()
{
    std::string srt;
    for (int i = 0; i < 4; ++i) {
        srt += std::to_string(i + 1) + "\r\n" + srtTime(resampled(kOriginal[i])) + " --> "
            + srtTime(resampled(kOriginal[i]) + 2) + "\r\nLine " + std::to_string(i + 1)
            + "\r\n\r\n";
    }
    return srt;
}

// Answers the next Go to Time dialog with `text`, once it is up.
void answerNextTimeDialog(const QString& text)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, text] {
        if (auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
            dialog->setTextValue(text);
            dialog->accept();
            poll->deleteLater();
        }
    });
    poll->start(5);
    // Never left to answer another test's dialog.
    QTimer::singleShot(3000, poll, &QObject::deleteLater);
}

class SyncTest : public ::testing::Test {
protected:
    SyncTest()
        : settingsFile(QString::fromStdString((dir.path() / "subclock.conf").string()))
        , path(dir.write("film.srt", resampledFile()))
    {
    }

    std::unique_ptr<PlayerWindows> open(QtPreferences& preferences)
    {
        auto windows = std::make_unique<PlayerWindows>(preferences);
        windows->timer().setMarkOutput(marks);
        windows->show();
        windows->mainWindow().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&windows->mainWindow()));
        return windows;
    }
    void key(PlayerWindows& w, int k, Qt::KeyboardModifiers mods = Qt::NoModifier)
    {
        QTest::keyClick(&w.mainWindow(), static_cast<Qt::Key>(k), mods);
    }
    // Ctrl+G, answered with `text`; then the main window has the keys again.
    void goTo(PlayerWindows& w, const QString& text)
    {
        answerNextTimeDialog(text);
        key(w, Qt::Key_G, Qt::ControlModifier);
        w.mainWindow().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&w.mainWindow()));
    }

    FakeLog log;
    TempDir dir;
    QString settingsFile;
    std::string path;
    std::FILE* marks = std::tmpfile();
};

TEST_F(SyncTest, KeysStepDelayAndCatchLinesAndThePanelFollowsWithinAPass)
{
    QtPreferences preferences(settingsFile);
    auto w = open(preferences);
    w->chooseFile(path);
    TimerThread& timer = w->timer();
    const auto panel = [&] { return w->mainPanel().text(); };

    // Ctrl+Right: the first line's start, shown at once; M prints that time. Nothing before it.
    key(*w, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_NEAR(timer.getPosition(), resampled(1.0), 0.001);
    EXPECT_TRUE(waitUntil([&] { return panel() == "Line 1\n"; }));
    key(*w, Qt::Key_M);
    EXPECT_EQ(writtenTo(marks), "00:00:03:043 --> ");
    key(*w, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_NEAR(timer.getPosition(), resampled(1.0), 0.001);
    key(*w, Qt::Key_Right, Qt::ControlModifier);
    EXPECT_NEAR(timer.getPosition(), resampled(4.48), 0.001);
    key(*w, Qt::Key_Left, Qt::ControlModifier);
    EXPECT_NEAR(timer.getPosition(), resampled(1.0), 0.001);

    // x three times: 300 ms later, shown in the window; the line no longer shows here.
    const QLabel& label = w->sync().timingLabel();
    EXPECT_FALSE(label.isVisible());
    for (int i = 0; i < 3; ++i)
        key(*w, Qt::Key_X);
    EXPECT_EQ(label.text(), "delay +0.300 s");
    EXPECT_TRUE(label.isVisible());
    EXPECT_DOUBLE_EQ(timer.timing().delay, 0.3);
    EXPECT_TRUE(waitUntil([&] { return panel() == ""; }));
    key(*w, Qt::Key_Z);
    EXPECT_EQ(label.text(), "delay +0.200 s");

    // Two catches 91 s apart; at the second, line 3 is next, so it takes a second press.
    goTo(*w, "1");
    EXPECT_NEAR(timer.getPosition(), 1.0, 1e-5);
    key(*w, Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    goTo(*w, "1:32.2");
    EXPECT_NEAR(timer.getPosition(), 92.2, 1e-5);
    key(*w, Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    key(*w, Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(label.text().contains(QString::fromUtf8("23.976 → 25 fps")))
        << label.text().toStdString();
    EXPECT_TRUE(w->mainWindow().statusBar()->currentMessage().contains(
        QString::fromUtf8("23.976 → 25 fps")));

    // Playing on a hand-set clock: each line shows within one 10 ms pass of its original time.
    std::atomic<double> now{ 1000.0 };
    std::atomic<int> reads{ 0 };
    timer.setClock([&] {
        ++reads;
        return now.load();
    });
    goTo(*w, "0:01:28.9");
    key(*w, Qt::Key_Space);
    // The worker has fixed its origin once it has read the clock for a pass.
    ASSERT_TRUE(waitUntil([&] { return reads.load() >= 2; }));
    now = 1000.0 + (88.98 - 88.9) - 0.0025;
    ASSERT_TRUE(waitUntil([&] { return w->ui().timeDisplay->text() == "00:01:28:977"; }));
    // Passes at the same clock time repeat the same texts: the panel has caught up.
    QTest::qWait(30);
    EXPECT_EQ(panel(), "");
    now = 1000.0 + (88.98 - 88.9) + 0.0075;
    EXPECT_TRUE(waitUntil([&] { return panel() == "Line 3\n"; }));
    key(*w, Qt::Key_Space);
    EXPECT_FALSE(timer.isRunning());
}

TEST_F(SyncTest, TimingComesBackAfterARestartWithTheRealSettingsFile)
{
    {
        QtPreferences preferences(settingsFile);
        auto w = open(preferences);
        w->chooseFile(path);
        EXPECT_EQ(w->mainWindow().statusBar()->currentMessage(), "");
        for (int i = 0; i < 12; ++i)
            key(*w, Qt::Key_Z);
        // Stored once the keys have been quiet for a moment, not only at quit.
        EXPECT_TRUE(waitUntil([&] {
            return preferences.stringValue("file_timing").value_or("").starts_with("-1.2\t");
        }));
    }
    // Read again from the file: the last file comes back with its timing at start-up.
    QtPreferences preferences(settingsFile);
    auto w = open(preferences);
    EXPECT_DOUBLE_EQ(w->timer().timing().delay, -1.2);
    EXPECT_EQ(w->mainWindow().statusBar()->currentMessage(),
        QString::fromUtf8("timing restored: delay −1.200 s"));
    EXPECT_EQ(w->sync().timingLabel().text(), QString::fromUtf8("delay −1.200 s"));

    // Another file has none; choosing the first again restores it.
    w->chooseFile(dir.write("other.srt", "1\r\n00:00:01,000 --> 00:00:02,000\r\nO\r\n"));
    EXPECT_TRUE(w->timer().timing().isIdentity());
    EXPECT_FALSE(w->sync().timingLabel().isVisible());
    w->chooseFile(path);
    EXPECT_DOUBLE_EQ(w->timer().timing().delay, -1.2);
}

TEST_F(SyncTest, ListSeekBarAndSaveFollowTheAdjustedTimes)
{
    QtPreferences preferences(settingsFile);
    auto w = open(preferences);
    w->chooseFile(path);
    key(*w, Qt::Key_X);

    // The list: shown by Ctrl+L, the filter narrows it, a double-click goes to the line.
    key(*w, Qt::Key_L, Qt::ControlModifier);
    SubtitleList& list = w->sync().subtitleList();
    ASSERT_TRUE(waitUntil([&] { return list.isVisible(); }));
    QTableView* view = list.view();
    EXPECT_EQ(view->model()->rowCount(), 4);
    EXPECT_EQ(
        view->model()->index(1, 1).data().toString().toStdString(), srtTime(resampled(4.48) + 0.1));
    list.filterBox()->setText("line 3");
    ASSERT_EQ(view->model()->rowCount(), 1);
    const QRect row = view->visualRect(view->model()->index(0, 3));
    // As a mouse does it: a click, then the second press that makes it double.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_NEAR(w->timer().getPosition(), resampled(88.98) + 0.1, 0.001);
    // The line there is the one highlighted.
    EXPECT_TRUE(view->model()->index(0, 0).data(Qt::BackgroundRole).isValid());
    list.filterBox()->clear();
    EXPECT_FALSE(view->model()->index(0, 0).data(Qt::BackgroundRole).isValid());

    // The seek bar: a click halfway goes halfway through the last line's adjusted end.
    SeekBar& bar = w->sync().seekBar();
    QWidget* track = nullptr;
    for (QWidget* child : bar.findChildren<QWidget*>())
        if (!qobject_cast<QLabel*>(child))
            track = child;
    ASSERT_NE(track, nullptr);
    const double duration = resampled(92.2) + 2 + 0.1;
    QTest::mouseClick(track, Qt::LeftButton, {}, QPoint(track->width() / 2, track->height() / 2));
    EXPECT_NEAR(w->timer().getPosition(), duration / 2, duration / track->width() + 0.001);
    EXPECT_EQ(bar.labelText(), "0:49 / 1:40");
    goTo(*w, "200");
    EXPECT_EQ(bar.labelText(), "3:20 / 1:40  after the end");

    // Saved: the adjusted times, read back through the reader; the opened file is untouched.
    const QString saved = QString::fromStdString((dir.path() / "saved.srt").string());
    EXPECT_EQ(w->sync().saveTo(saved), std::nullopt);
    const auto reader = SrtFile::file(saved.toStdString(), 4, SrtFile::kCrLf);
    ASSERT_TRUE(reader->readData());
    ASSERT_EQ(reader->dataArray().size(), 4U);
    EXPECT_NEAR(reader->dataArray()[2]->startTimeData(), resampled(88.98) + 0.1, 0.001);
    std::ifstream in(path, std::ios::binary);
    std::stringstream opened;
    opened << in.rdbuf();
    EXPECT_EQ(opened.str(), resampledFile());
}

} // namespace
