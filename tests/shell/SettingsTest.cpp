// The real settings file: choices survive a restart, and a damaged file does not stop the player.
#include "shell/PlayerWindows.h"
#include "shell/QtAdapters.h"
#include "shell/QtPreferences.h"

#include "TempDir.h"
#include "fakes/FakeLog.h"
#include "shell/WaitUntil.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QSettings>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

// Picks the item with `tag` as the user would, which sends the menu's action.
void choose(QComboBox* menu, int tag)
{
    const int index = menu->findData(tag);
    ASSERT_GE(index, 0) << tag;
    menu->setCurrentIndex(index);
    emit menu->activated(index);
}

std::string readAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

TEST(Settings, EncodingLineEndingAndFileSurviveARestart)
{
    FakeLog log;
    TempDir dir;
    const QString conf = QString::fromStdString((dir.path() / "subclock.conf").string());
    const std::string film
        = dir.write("film.srt", "1\n00:00:00,000 --> 00:10:00,000\ncaf\xC3\xA9\n");
    {
        QtPreferences preferences(conf);
        PlayerWindows windows(preferences);
        choose(windows.ui().encodingMenu, 4);
        choose(windows.ui().lineEndingMenu, 1);
        windows.chooseFile(film);
    }
    QtPreferences preferences(conf);
    PlayerWindows windows(preferences);
    EXPECT_EQ(windows.ui().encodingMenu->currentData().toInt(), 4);
    EXPECT_EQ(windows.ui().lineEndingMenu->currentData().toInt(), 1);
    EXPECT_TRUE(waitUntil([&] { return windows.ui().fileNameLabel->text() == "film.srt"; }));

    // The next start reads the file as UTF-8 with LF line endings.
    windows.ui().startButton->click();
    ASSERT_TRUE(waitUntil(
        [&] { return windows.ui().messageDisplay->text() == QString::fromUtf8("caf\xC3\xA9\n"); }));
    windows.ui().startButton->click();
}

TEST(Settings, DamagedValueIsReplacedAndThePlayerStillStarts)
{
    FakeLog log;
    TempDir dir;
    const std::string conf = dir.write("subclock.conf", "[General]\nenc_type=abc\nreturn_code=2\n");
    {
        QtPreferences preferences(QString::fromStdString(conf));
        PlayerWindows windows(preferences);
        EXPECT_EQ(windows.controller().encodingType(), 8);
        EXPECT_EQ(windows.controller().returnCode(), 2);
        EXPECT_EQ(windows.ui().encodingMenu->currentData().toInt(), 8);
    }
    QSettings reread(QString::fromStdString(conf), QSettings::NativeFormat);
    EXPECT_EQ(reread.status(), QSettings::NoError);
    EXPECT_EQ(reread.value("enc_type").toString(), "8");
    EXPECT_EQ(reread.value("return_code").toString(), "2");
    // Nothing else was written: the file holds exactly the two keys.
    EXPECT_EQ(readAll(conf), "[General]\nenc_type=8\nreturn_code=2\n");
}

TEST(Settings, TruncatedFileKeepsWhatSurvivedAndDefaultsTheRest)
{
    FakeLog log;
    TempDir dir;
    const std::string conf = dir.write("subclock.conf", "[General]\nenc_type=4\nreturn_co");
    {
        QtPreferences preferences(QString::fromStdString(conf));
        PlayerWindows windows(preferences);
        EXPECT_EQ(windows.controller().encodingType(), 4);
        EXPECT_EQ(windows.controller().returnCode(), 0);
    }
    // The lost key was written back, and the file reads cleanly again.
    QSettings reread(QString::fromStdString(conf), QSettings::NativeFormat);
    EXPECT_EQ(reread.status(), QSettings::NoError);
    EXPECT_EQ(reread.value("enc_type").toString(), "4");
    EXPECT_EQ(reread.value("return_code").toString(), "0");
}

// A name that is not UTF-8 reaches "last_filename" with its exact bytes by every way in.
TEST(Settings, NamesThatAreNotUtf8KeepTheirBytesFromEveryWayIn)
{
    FakeLog log;
    TempDir dir;
    const QString conf = QString::fromStdString((dir.path() / "subclock.conf").string());
    const std::string film
        = dir.write("\xFF\xFE film.srt", "1\r\n00:00:00,000 --> 00:10:00,000\r\nA\r\n");
    // What Qt makes of the name: the bytes that are not UTF-8 are lost in the text.
    const QString asText = QFile::decodeName(QByteArray::fromStdString(film));
    ASSERT_NE(QFile::encodeName(asText).toStdString(), film);

    QtPreferences preferences(conf);
    PlayerWindows windows(preferences);
    const auto stored = [&] { return preferences.stringValue("last_filename"); };

    // The command line: argv holds the bytes, Qt's list of arguments the text.
    char program[] = "subclock";
    std::string argument = film;
    char* argv[] = { program, argument.data() };
    windows.chooseFile(localPathOfArgument(asText, { "subclock", asText }, 2, argv));
    EXPECT_EQ(stored(), film);

    // The dialog answers with text.
    preferences.setString("last_filename", "");
    windows.chooseFile(resolveLocalPath(asText));
    EXPECT_EQ(stored(), film);

    // A drop brings a URL, percent-encoded from the bytes.
    preferences.setString("last_filename", "");
    QMimeData data;
    data.setUrls(
        { QUrl::fromEncoded("file://" + QByteArray::fromStdString(film).toPercentEncoding("/")) });
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&windows.mainWindow(), &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&windows.mainWindow(), &drop);
    EXPECT_EQ(stored(), film);
    // Only the label shows stand-ins for the bytes.
    EXPECT_TRUE(waitUntil([&] {
        return windows.ui().fileNameLabel->text() == QString::fromUtf8("\uFFFD\uFFFD film.srt");
    }));
}

} // namespace
