// The panel on the offscreen platform: text fitted to it, the Preferences dialog's live preview
// and Cancel, and its settings in the real settings file.
#include "shell/PlayerWindows.h"
#include "shell/PreferencesDialog.h"
#include "shell/QtPreferences.h"
#include "shell/SubtitlePanel.h"
#include "subtitles/Cues.h"

#include "TempDir.h"
#include "fakes/FakeLog.h"

#include <QSettings>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

// What the clock hands the panel where two cues overlap: a styled sign and a line of speech.
QString overlappingCuesAt(double x)
{
    const struct {
        double start, end;
        const char* text;
    } cues[] = { { 1.0, 3.0, "{\\b1}NORTH STATION\n" }, { 1.2, 2.0, "Is this the train?\n" } };
    SrtMessageList entries;
    for (const auto& c : cues) {
        entries.push_back(std::make_shared<SrtMessage>());
        entries.back()->setStartTimeData(c.start);
        entries.back()->setEndTimeData(c.end);
        entries.back()->setMessage(c.text);
    }
    const Cues list(entries);
    const std::string* text = list.textAt(x);
    return text ? QString::fromStdString(*text) : QString();
}

TEST(Panel, TextIsFittedNotCut)
{
    SubtitlePanel panel;
    const struct {
        const char* what;
        QString text;
        int lines;
        bool shrunk;
        bool top;
    } cases[] = {
        // Two lines of 42 characters, the usual maximum, whole at the default size.
        { "two full lines",
            "This is a subtitle line of forty-two chars\nand a second line of the same length "
            "here.\n",
            2, false, false },
        // The separator line an entry keeps at its end, and more blank lines: not drawn.
        { "trailing blank lines", "One line\n\n\r\n\n", 1, false, false },
        { "markup only at the end", "<i>One line\n</i>\n", 1, false, false },
        { "top", "{\\an8}<i>Up there</i>", 1, false, true },
        // Overlapping cues: both lines, one above the other; then the sign alone.
        { "overlapping cues", overlappingCuesAt(1.5), 2, false, false },
        { "after the overlap", overlappingCuesAt(2.5), 1, false, false },
        // Far too tall: smaller, never cut.
        { "ten lines", "1\n2\n3\n4\n5\n6\n7\n8\n9\n10", 10, true, false },
        // Too wide: wrapped.
        { "one long line", QString(200, 'w') + " end", 3, true, false },
    };
    for (const auto& c : cases) {
        panel.setText(c.text);
        EXPECT_EQ(panel.lineCount(), c.lines) << c.what;
        EXPECT_EQ(panel.fitScale() < 1.0, c.shrunk) << c.what;
        EXPECT_EQ(panel.atTop(), c.top) << c.what;
    }
    // A bigger panel needs no shrinking for the same text.
    panel.setText("1\n2\n3\n4\n5\n6\n7\n8\n9\n10");
    panel.show();
    panel.resize(900, 1000);
    EXPECT_EQ(panel.fitScale(), 1.0);
}

TEST(Panel, PreferencesPreviewOnThePanelAndCancelRestores)
{
    FakeLog log;
    TempDir dir;
    const QString conf = QString::fromStdString((dir.path() / "subclock.conf").string());
    QtPreferences preferences(conf);
    PlayerWindows windows(preferences);
    SubtitlePanel& panel = windows.mainPanel();
    const PanelStyle before = panel.panelStyle();
    ASSERT_EQ(before, PanelStyle{});

    const auto change = [](PreferencesDialog& dialog) {
        dialog.findChild<QSpinBox*>("fontSize")->setValue(40);
        dialog.findChild<QSpinBox*>("outlineWidth")->setValue(0);
        dialog.findChild<QSpinBox*>("backgroundOpacity")->setValue(0);
    };
    {
        PreferencesDialog dialog(panel, preferences);
        change(dialog);
        // Shown on the panel as it is changed.
        EXPECT_EQ(panel.panelStyle().fontPoints, 40);
        EXPECT_EQ(panel.panelStyle().outlinePixels, 0);
        dialog.reject();
    }
    EXPECT_EQ(panel.panelStyle(), before);
    EXPECT_FALSE(preferences.intValue("panel_font_size").has_value());

    {
        PreferencesDialog dialog(panel, preferences);
        change(dialog);
        dialog.accept();
    }
    EXPECT_EQ(panel.panelStyle().fontPoints, 40);
    // A new run reads it back from the file.
    QtPreferences reread(conf);
    PlayerWindows again(reread);
    EXPECT_EQ(again.mainPanel().panelStyle(), panel.panelStyle());
}

TEST(Panel, StyleAndPlaceRoundTripThroughTheSettingsFile)
{
    FakeLog log;
    TempDir dir;
    const std::string conf = dir.write("subclock.conf", "[General]\nenc_type=4\nreturn_code=1\n");
    PanelStyle style;
    style.fontFamily = "DejaVu Serif";
    style.fontPoints = 31;
    style.textRgb = 0xFFD700;
    style.outlinePixels = 0;
    style.outlineRgb = 0x123456;
    style.shadowPixels = 3;
    style.shadowRgb = 0x202020;
    style.backgroundRgb = 0x000080;
    style.backgroundPercent = 0;
    style.align = PanelStyle::Align::Left;
    style.maxWidthPercent = 70;
    const PanelPlace place{ { -1200, 40, 640, 120 }, "HDMI-1" };
    {
        QtPreferences preferences(QString::fromStdString(conf));
        style.save(preferences);
        place.save(preferences);
        // On the disk as each save ends, not when the store goes.
        std::ifstream file(conf);
        const std::string written{ std::istreambuf_iterator<char>(file), {} };
        EXPECT_NE(written.find("panel_max_width=70"), std::string::npos) << written;
        EXPECT_NE(written.find("panel_screen=HDMI-1"), std::string::npos) << written;
    }
    QtPreferences preferences(QString::fromStdString(conf));
    EXPECT_EQ(PanelStyle::load(preferences), style);
    const std::optional<PanelPlace> read = PanelPlace::load(preferences);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->geometry, place.geometry);
    EXPECT_EQ(read->screen, place.screen);
    // The player's own keys are as they were.
    EXPECT_EQ(preferences.intValue("enc_type"), 4);
    EXPECT_EQ(preferences.intValue("return_code"), 1);

    // Values out of range or of the wrong kind: the default for that value only.
    QSettings(QString::fromStdString(conf), QSettings::NativeFormat)
        .setValue("panel_font_size", "huge");
    QSettings(QString::fromStdString(conf), QSettings::NativeFormat)
        .setValue("panel_text_color", "#12345");
    QSettings(QString::fromStdString(conf), QSettings::NativeFormat).setValue("panel_alignment", 7);
    QtPreferences damaged(QString::fromStdString(conf));
    PanelStyle expected = style;
    expected.fontPoints = PanelStyle{}.fontPoints;
    expected.textRgb = PanelStyle{}.textRgb;
    expected.align = PanelStyle{}.align;
    EXPECT_EQ(PanelStyle::load(damaged), expected);
}

} // namespace
