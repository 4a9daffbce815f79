// Each shipped translation covers the main window, and every control speaks to a screen reader.
#include "shell/Language.h"
#include "fakes/FakeStore.h"
#include "shell/Accessibility.h"
#include "shell/PlayerWindows.h"
#include "shell/SubtitlePanel.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QDialog>
#include <QDockWidget>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

void addMenuTexts(const QMenu* menu, QStringList& texts)
{
    for (const QAction* action : menu->actions()) {
        texts << action->text().section(QLatin1Char('\t'), 0, 0) << action->toolTip();
        if (action->menu())
            addMenuTexts(action->menu(), texts);
    }
}

// Every text the user reads in the windows as they open: labels, buttons, menus, tooltips,
// the encoding and line-ending menus' items, the Timing pane's column titles.
QStringList textsOf(PlayerWindows& windows)
{
    QMainWindow& window = windows.mainWindow();
    QStringList texts{ window.windowTitle(), windows.mainPanel().accessibleName() };
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        texts << w->toolTip();
        if (const auto* label = qobject_cast<const QLabel*>(w))
            texts << label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(w))
            texts << button->text();
        if (const auto* dock = qobject_cast<const QDockWidget*>(w))
            texts << dock->windowTitle();
        if (const auto* combo = qobject_cast<const QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        if (const auto* view = qobject_cast<const QAbstractItemView*>(w); view && view->model())
            for (int c = 0; c < view->model()->columnCount(); ++c)
                texts << view->model()->headerData(c, Qt::Horizontal).toString();
    }
    for (const QAction* top : window.menuBar()->actions()) {
        texts << top->text();
        if (top->menu())
            addMenuTexts(top->menu(), texts);
    }
    return texts;
}

// The same in every language: names, codes and numbers (and frames per second).
bool sameEverywhere(const QString& text)
{
    static const QRegularExpression noWords(QStringLiteral("^[^a-z]*$"));
    static const QRegularExpression names(QStringLiteral(
        "^(Subclock|Unicode \\(UTF-[0-9]+(BE|LE)?\\)|CRLF \\(Windows\\)|LF \\(Unix, macOS\\))$"));
    return noWords.match(QString(text).remove(QStringLiteral("fps"))).hasMatch()
        || names.match(text).hasMatch();
}

// Menus by Alt and a letter, then the arrow keys: every menu of the menu bar has its own
// letter, and no menu gives one letter to two entries.
void expectKeyLetters(const QList<QAction*>& actions, bool letterNeeded)
{
    static const QRegularExpression mnemonic(QStringLiteral("&([^&])"));
    QSet<QChar> taken;
    for (const QAction* action : actions) {
        const QRegularExpressionMatch m = mnemonic.match(action->text());
        EXPECT_TRUE(m.hasMatch() || !letterNeeded) << action->text().toStdString();
        if (m.hasMatch()) {
            const QChar key = m.captured(1).at(0).toLower();
            EXPECT_FALSE(taken.contains(key)) << action->text().toStdString();
            taken.insert(key);
        }
        if (action->menu())
            expectKeyLetters(action->menu()->actions(), false);
    }
}

TEST(Language, EveryTranslationCoversTheMainWindowAndKeepsItsKeyLetters)
{
    FakeStore englishStore;
    QSet<QString> english;
    {
        PlayerWindows windows(englishStore);
        for (const QString& text : textsOf(windows))
            english.insert(text);
    }
    for (const QString& locale : shippedLanguages()) {
        const Language language(locale, QLocale::c(), SUBCLOCK_TRANSLATIONS);
        ASSERT_TRUE(language.loaded()) << locale.toStdString();
        FakeStore store;
        PlayerWindows windows(store);
        QStringList untranslated;
        for (const QString& text : textsOf(windows))
            if (english.contains(text) && !sameEverywhere(text))
                untranslated << text;
        untranslated.removeDuplicates();
        EXPECT_TRUE(untranslated.isEmpty())
            << locale.toStdString() << ": " << untranslated.join(" | ").toStdString();
        expectKeyLetters(windows.mainWindow().menuBar()->actions(), true);
    }
}

TEST(Accessibility, EveryControlIsNamedDescribedAndReachableByKeyboard)
{
    FakeStore store;
    PlayerWindows windows(store);
    windows.showPreferences();
    auto* preferences = windows.mainWindow().findChild<QDialog*>();
    ASSERT_NE(preferences, nullptr);
    for (QWidget* root : { static_cast<QWidget*>(&windows.mainWindow()), preferences->window() }) {
        for (QWidget* control : controlsUnder(root)) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(control);
            ASSERT_NE(a, nullptr);
            const std::string id = control->objectName().toStdString() + " "
                + control->metaObject()->className() + " "
                + a->text(QAccessible::Name).toStdString();
            EXPECT_FALSE(a->text(QAccessible::Name).isEmpty()) << id;
            EXPECT_FALSE(a->text(QAccessible::Description).isEmpty()) << id;
            EXPECT_TRUE(control->focusPolicy() & Qt::TabFocus) << id;
        }
    }
    expectKeyLetters(windows.mainWindow().menuBar()->actions(), true);
}

TEST(Accessibility, PanelNamesItsSubtitle)
{
    SubtitlePanel panel;
    const auto name = [&panel] {
        return QAccessible::queryAccessibleInterface(&panel)->text(QAccessible::Name);
    };
    const QString hint = name();
    EXPECT_FALSE(hint.isEmpty()); // before the first subtitle: how to move it
    // Read as a viewer reads it, without markup.
    panel.setText("<i>Who goes</i> {\\an8}there?");
    EXPECT_EQ(name(), "Who goes there?");
    panel.setText("");
    EXPECT_NE(name(), "Who goes there?");
    EXPECT_NE(name(), hint);
}

} // namespace
