// A real X server with openbox: an alert opened while the panel covers its place must show its
// OK button, which the keyboard then presses. The first look before any file is read goes with
// it, since both need the real stacking of windows.
#include "shell/DialogWatch.h"
#include "shell/PlayerWindows.h"
#include "shell/QtPreferences.h"
#include "shell/SeekBar.h"
#include "shell/SyncControls.h"

#include "TempDir.h"
#include "shell/WaitUntil.h"
#include "ui_MainWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(5000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The top X window under a point, as the server stacks them: a window manager's frame, or the
// panel, which no window manager frames.
QString windowAt(const QPoint& p)
{
    const QString out = run("xdotool",
        { "mousemove", QString::number(p.x()), QString::number(p.y()), "getmouselocation",
            "--shell" });
    for (const QString& line : out.split('\n')) {
        if (line.startsWith("WINDOW="))
            return line.mid(7);
    }
    return {};
}

// Whether `window` is `inner` or holds it (a frame around a client window).
bool holds(const QString& window, WId inner)
{
    if (window == QString::number(inner))
        return true;
    return !window.isEmpty()
        && run("xwininfo", { "-tree", "-id", window }).contains("0x" + QString::number(inner, 16));
}

struct SeenAlert {
    bool shown = false;
    QString title, informative;
    bool okOnTop = false;
    bool closedByKey = false;
};

TEST(DialogWatch, AnAlertWhereThePanelIsShowsItsOkButtonAboveIt)
{
    const TempDir dir;
    QtPreferences preferences(QString::fromStdString((dir.path() / "subclock.conf").string()));
    PlayerWindows windows(preferences);
    windows.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&windows.mainWindow()));
    SubtitlePanel& panel = windows.mainPanel();
    ASSERT_TRUE(waitUntil([&] { return panel.isVisible(); }));
    // The first look: no subtitle yet, so the panel says how to move it.
    EXPECT_TRUE(panel.showsHint());

    // TTML is a format named but not read, so it still ends in the alert.
    windows.chooseFile(dir.write("clip.ttml",
        "<?xml version=\"1.0\"?>\n<tt xmlns=\"http://www.w3.org/ns/ttml\"><body><div>\n"
        "<p begin=\"00:00:01.000\" end=\"00:00:04.000\">Hello</p>\n</div></body></tt>\n"));
    // The panel over the whole main window, where the alert will be centred, once the first
    // placement (done again when the window manager has placed the main window) is over.
    QTest::qWait(500);
    panel.setGeometry(windows.mainWindow().frameGeometry().adjusted(-40, -40, 40, 40));
    panel.raise();

    SeenAlert seen;
    QTimer poll;
    poll.setInterval(100);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        if (seen.shown) {
            // The key did nothing within a few seconds: closed here, so the test can go on.
            box->done(QMessageBox::Cancel);
            return;
        }
        poll.stop();
        seen.shown = true;
        seen.title = box->windowTitle();
        seen.informative = box->informativeText();
        // Give the window manager time to place and stack it.
        QTest::qWait(700);
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        const QPoint centre = ok->mapToGlobal(ok->rect().center());
        seen.okOnTop = holds(windowAt(centre), box->winId());
        QProcess::execute("xdotool", { "key", "--clearmodifiers", "Return" });
        seen.closedByKey = waitUntil([box] { return !box->isVisible(); }, 3000);
        poll.start(3000);
    });
    poll.start();
    windows.ui().startButton->click();
    poll.stop();

    ASSERT_TRUE(seen.shown);
    // The alert itself is under its OK button, not the panel.
    EXPECT_TRUE(seen.okOnTop);
    EXPECT_TRUE(seen.closedByKey);
    EXPECT_EQ(seen.title, "Subclock");
    EXPECT_TRUE(seen.informative.contains("TTML")) << seen.informative.toStdString();
    // Back above the rest once the alert has gone, and the main window says nothing is loaded.
    EXPECT_TRUE(waitUntil([&] { return !panel.yielding(); }));
    EXPECT_TRUE(panel.isVisible());
    EXPECT_TRUE(windows.readingView().statusLabel()->text().startsWith("Nothing loaded"));
    EXPECT_EQ(windows.sync().seekBar().labelText(), "no subtitles");
}

} // namespace
