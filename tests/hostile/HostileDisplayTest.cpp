// A huge entry on screen: the windows keep answering while it shows and when it is cleared.
#include "Hostile.h"
#include "control/SubtitleMarkup.h"
#include "fakes/FakeLog.h"
#include "shell/PlayerWindows.h"
#include "shell/QtPreferences.h"
#include "ui_MainWindow.h"

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace hostile;

// Notes when the event loop gets to each posted event, as it would to a key.
struct Watch {
    QObject receiver;
    QElapsedTimer clock;
    qint64 answered = -1;
};

TEST(HostileDisplay, FiveMegabyteEntryOnScreenKeepsKeysAnswered)
{
    FakeLog log;
    TempDir dir;
    QtPreferences preferences(QString::fromStdString((dir.path() / "subclock.conf").string()));
    preferences.setInt("enc_type", 4); // UTF-8
    preferences.setInt("return_code", 1); // LF
    std::string words;
    while (words.size() < 5'000'000)
        words += "word after word after word\n";
    // Shown from the start, cleared at 1.5 s, then an ordinary entry.
    const std::string path = dir.write("huge.srt",
        "1\n00:00:00,000 --> 00:00:01,500\n" + words
            + "\n2\n00:00:01,500 --> 00:10:00,000\nafter\n");
    std::FILE* marks = std::tmpfile();
    PlayerWindows windows(preferences);
    windows.timer().setMarkOutput(marks);
    windows.show();
    windows.chooseFile(path);
    windows.ui().startButton->click();

    QLabel* field = windows.ui().messageDisplay;
    Watch watch;
    watch.clock.start();
    qint64 slowest = 0;
    bool sawHuge = false, sawAfter = false;
    while (watch.clock.elapsed() < 3000) {
        const qint64 posted = watch.clock.elapsed();
        QMetaObject::invokeMethod(
            &watch.receiver, [&watch] { watch.answered = watch.clock.elapsed(); },
            Qt::QueuedConnection);
        while (watch.answered < posted && watch.clock.elapsed() - posted < 5000)
            QTest::qWait(1);
        ASSERT_GE(watch.answered, posted)
            << "a key was not answered at " << posted
            << " ms; start button: " << windows.ui().startButton->text().toStdString();
        slowest = std::max(slowest, watch.answered - posted);
        QTest::qWait(20);
        sawHuge = sawHuge || field->text().startsWith("word after word");
        sawAfter = sawAfter || field->text() == "after\n";
    }
    EXPECT_TRUE(sawHuge);
    EXPECT_TRUE(sawAfter);
    // What matters is that laying the entry out does not stall the window; a loaded machine (a
    // build beside the tests) alone reached 170 ms, so the limit is for a stall, not the machine.
    EXPECT_LT(slowest, 1000) << "ms for the event loop to answer";
    // What the displays laid out was bounded; the entry itself is whole.
    EXPECT_LE(windows.mainPanel().text().size(), static_cast<qsizetype>(displayMaxBytes + 1));

    QTest::keyClick(&windows.mainWindow(), Qt::Key_M);
    windows.ui().startButton->click();
    EXPECT_FALSE(readAll("/proc/self/fd/" + std::to_string(fileno(marks))).empty());
    std::fclose(marks);
}

} // namespace
