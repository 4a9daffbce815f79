// The interface descriptions hold every control the wiring relies on, with its command tag.
#include "shell/QtAdapters.h"

#include "shell/SubtitlePanel.h"
#include "ui_MainWindow.h"

#include <QMainWindow>

#include <gtest/gtest.h>

namespace {

TEST(UiDescription, MainWindowHasEveryControlAndTag)
{
    QMainWindow window;
    Ui::MainWindow ui;
    ui.setupUi(&window);

    const std::pair<QWidget*, int> tagged[] = {
        { ui.rewindButton, 0 },
        { ui.fastForwardButton, 1 },
        { ui.startButton, 2 },
        { ui.resetButton, 3 },
        { ui.chooseFileButton, 4 },
    };
    for (const auto& [control, tag] : tagged) {
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(tagOf(control), tag) << control->objectName().toStdString();
    }
    EXPECT_EQ(ui.startButton->text(), "Start");
    // The mark control is not a click: command and carries no tag.
    EXPECT_EQ(tagOf(ui.markButton), -1);
    for (QWidget* w : std::initializer_list<QWidget*>{
             ui.timeDisplay, ui.messageDisplay, ui.skipSlider, ui.fileNameLabel, ui.encodingMenu })
        EXPECT_NE(w, nullptr);

    // Line endings: Automatic first, tagged -1, then CRLF, LF and CR, tagged 0, 1 and 2.
    ASSERT_EQ(ui.lineEndingMenu->count(), 4);
    const auto menu = makePopUpMenu(ui.lineEndingMenu);
    ASSERT_TRUE(menu->selectItemWithTag(-1));
    EXPECT_EQ(ui.lineEndingMenu->currentIndex(), 0);
    EXPECT_EQ(ui.lineEndingMenu->currentText(), "Automatic");
    for (int tag : { 0, 1, 2 }) {
        ASSERT_TRUE(menu->selectItemWithTag(tag));
        EXPECT_EQ(menu->selectedItemTag(), tag);
        EXPECT_TRUE(
            ui.lineEndingMenu->currentText().startsWith(QStringList{ "CRLF", "LF", "CR" }[tag]));
    }
}

TEST(UiDescription, PanelIsAnOverlayThatNeverTakesFocus)
{
    SubtitlePanel panel;
    const Qt::WindowFlags flags = panel.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(flags.testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowTransparentForInput));
    EXPECT_FALSE(panel.testAttribute(Qt::WA_QuitOnClose));
    panel.showMaximized();
    EXPECT_FALSE(panel.isMaximized());
}

} // namespace
