// Qt implementations of the controls and dialogs the core drives.
#pragma once

#include "control/Alert.h"
#include "control/BusyIndicator.h"
#include "control/Button.h"
#include "control/OpenDialog.h"
#include "control/Panel.h"
#include "control/PopUpMenu.h"
#include "control/QuietTimer.h"
#include "control/Slider.h"
#include "control/UiQueue.h"
#include "control/UiText.h"
#include "playback/TextDisplay.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QAbstractButton;
class QAbstractSlider;
class QComboBox;
class QLabel;
class QMainWindow;
class QObject;
class QUrl;
class QWidget;
class SubtitlePanel;
class TimeFace;

// The command tag a control carries as its dynamic "tag" property; -1 when it has none.
int tagOf(const QWidget* control);

// Safe to call from any thread: the text is handed to the GUI thread, at most one update is
// queued at a time and updates are shown at most once a screen frame, an unchanged text costs no
// GUI work at all, and no more of a text than boundedForDisplay() keeps reaches the widget.
std::unique_ptr<TextDisplay> makeLabelDisplay(QLabel* label);
// The same for the main window's subtitle, which shows the markup as written only while
// `showMarkup` (asked on the GUI thread) says so; showMarkupIn() applies a change of it.
std::unique_ptr<TextDisplay> makeMessageDisplay(QLabel* label, std::function<bool()> showMarkup);
void showMarkupIn(QLabel* label, bool on);
std::unique_ptr<TextDisplay> makeTimeDisplay(TimeFace* face);
std::unique_ptr<TextDisplay> makePanelDisplay(SubtitlePanel* panel);
// The second track's line: in the panel's stack, and in the panel apart at the top of the screen
// (each draws it only in its own placement).
std::unique_ptr<TextDisplay> makeSecondPanelDisplay(SubtitlePanel* panel, SubtitlePanel* top);
// The file-name label, which also names the file in the window's title. UI thread only.
std::unique_ptr<UiText> makeFileLabelDisplay(QLabel* label, QWidget* window);

std::unique_ptr<Button> makeButton(QAbstractButton* button);
std::unique_ptr<Control> makeCommandControl(QWidget* control);
std::unique_ptr<Slider> makeSlider(QAbstractSlider* slider);
// Item tags live in the items' data; a menu with an "itemTags" property ("0,1,2") gets those.
std::unique_ptr<PopUpMenu> makePopUpMenu(QComboBox* menu);
std::unique_ptr<Panel> makePanel(SubtitlePanel* panel);
std::unique_ptr<Alert> makeAlert(QWidget* parent);
// Posts to the thread of `context`; work posted after `context` has gone is dropped.
std::unique_ptr<UiQueue> makeUiQueue(QObject* context);
// A busy bar with the text in the window's status bar, shown only once the work has taken
// 200 ms, so that quick work never flickers.
std::unique_ptr<BusyIndicator> makeBusyIndicator(QMainWindow* window);
// A single-shot timer on the thread of `context`, gone with it.
std::unique_ptr<QuietTimer> makeQuietTimer(QObject* context);

// The file chooser.
class QtOpenDialog final : public OpenDialog {
public:
    explicit QtOpenDialog(QWidget* parent)
        : _parent(parent)
    {
    }
    std::optional<std::string> runModal(
        const std::string& directory, const std::vector<std::string>& types) override;

private:
    QWidget* _parent;
};

// Local file names are bytes; Qt holds them as text, and loses any byte that is not UTF-8.
std::string toLocalPath(const QString& path);
QString fromLocalPath(const std::string& path);
// The bytes of a local file URL, from its percent-encoding rather than from its text.
std::string localPathOf(const QUrl& url);
// A path that Qt turned into text (a dialog's answer), back to the bytes of the file it names:
// where the text has lost bytes, each component is found among its folder's entries.
std::string resolveLocalPath(const QString& path);
// A command-line argument as the bytes given, made absolute. `arguments` is what Qt made of
// argv (QCoreApplication::arguments(), so without the options Qt took for itself).
std::string localPathOfArgument(
    const QString& argument, const QStringList& arguments, int argc, char** argv);
