// The main window and the floating subtitle panel, built from their interface descriptions and
// wired to the one controller and the one timer.
#pragma once

#include "control/MainCtrl.h"
#include "cueing/CueSession.h"
#include "playback/TimerThread.h"
#include "shell/Following.h"
#include "shell/QtAdapters.h"
#include "shell/QtReadingView.h"
#include "shell/SubtitlePanel.h"

#include <QDBusConnection>
#include <QMainWindow>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace Ui {
class MainWindow;
} // namespace Ui

class DialogWatch;
class GlobalShortcuts;
class PreferencesStore;
class QAction;
class QLabel;
class QPushButton;
class QMenu;
class QShortcut;
class SyncControls;
class CuePane;

class PlayerWindows {
public:
    // Media players to follow are looked for on `bus`.
    explicit PlayerWindows(
        PreferencesStore& preferences, const QDBusConnection& bus = QDBusConnection::sessionBus());
    ~PlayerWindows();
    PlayerWindows(const PlayerWindows&) = delete;
    PlayerWindows& operator=(const PlayerWindows&) = delete;

    // Shows both windows, the panel where the user left it.
    void show();
    // A message for the user that stays in the main window (shown once per run).
    void showNotice(const QString& text);
    // Opens the Preferences dialog (not modal, so the panel can be watched while it is open).
    void showPreferences();
    // Chooses a file as a confirmed dialog choice would, without showing the dialog (a file on
    // the command line, or dropped on a window).
    void chooseFile(const std::string& path);
    // Loads a second subtitle track, as Subtitles › Second Track… does after its dialog.
    void chooseSecondFile(const std::string& path);

    QMainWindow& mainWindow() { return _window; }
    SubtitlePanel& mainPanel() { return _panel; }
    Ui::MainWindow& ui() { return *_ui; }
    QAction& showPanelAction() { return *_showPanel; }
    QAction& clickThroughAction() { return *_clickThrough; }
    QAction& showMarkupAction() { return *_showMarkup; }
    // Shows or hides track 1 or 2 (keys 1 and 2).
    QAction& showTrackAction(int track) { return track == 1 ? *_showFirst : *_showSecond; }
    // The second track at the top of the screen, in that placement.
    SubtitlePanel& topPanel() { return _topPanel; }
    QLabel& secondLine() { return *_secondLine; }
    MainCtrl& controller() { return _ctrl; }
    QtReadingView& readingView() { return *_readingView; }
    TimerThread& timer() { return _th; }
    CueSession& cueSession() { return _cueSession; }
    CuePane& cuePane() { return *_cuePane; }
    Following& following() { return *_following; }
    SyncControls& sync() { return *_sync; }
    GlobalShortcuts& globalKeys() { return *_globalKeys; }

private:
    void connectOutlets();
    void connectActions();
    void addShortcuts(QWidget& window);
    void addMenus();
    // Where the panel was left, or at first where it covers none of the player's windows.
    void placePanel();
    // Dropping a file on either window chooses it; several files: the first.
    void acceptFileDrops();
    // Marks and holds become cues in a docked pane (Ctrl+T).
    void addCuePane();
    // Subtitles › Second Track…, which track the timing keys act on, and the keys that hide each.
    void addSecondTrackMenu(QMenu& menu);
    // The placement and style stored in Preferences, put in force.
    void applySecondTrack();
    // The top panel shows only in its placement, with a second track loaded and shown.
    void showTopPanel();
    void secondTrackLoaded();

    PreferencesStore& _preferences;
    QMainWindow _window;
    SubtitlePanel _panel;
    SubtitlePanel _topPanel;
    QLabel* _secondLine = nullptr; // owned by the main window
    QAction* _showFirst = nullptr;
    QAction* _showSecond = nullptr;
    QAction* _closeSecond = nullptr;
    // Goes before the panel, which it watches.
    std::unique_ptr<DialogWatch> _dialogWatch;
    std::unique_ptr<Ui::MainWindow> _ui;
    QAction* _showPanel = nullptr;
    QAction* _clickThrough = nullptr;
    QAction* _showMarkup = nullptr;
    QPushButton* _clickThroughOff = nullptr;
    QLabel* _notice = nullptr;

    // The displays outlive the timer, which joins its worker when it goes.
    std::unique_ptr<TextDisplay> _timeDisplay, _messageDisplay, _messageDisplay2;
    std::unique_ptr<TextDisplay> _secondDisplay, _secondDisplay2;
    std::unique_ptr<UiText> _fileLabel;
    std::unique_ptr<Button> _startButton;
    std::unique_ptr<Control> _chooseFile;
    std::unique_ptr<Slider> _slider;
    std::unique_ptr<PopUpMenu> _encMenu, _retMenu;
    std::unique_ptr<Panel> _panelPort;
    std::unique_ptr<Alert> _alert;
    std::unique_ptr<UiQueue> _uiQueue;
    std::unique_ptr<BusyIndicator> _busy;
    std::unique_ptr<QuietTimer> _quietTimer;
    QtReadingView* _readingView = nullptr; // owned by the main window
    QMenu* _recentMenu = nullptr; // owned by the main window
    QtOpenDialog _openDialog;
    std::vector<QShortcut*> _shortcuts;

    TimerThread _th;
    MainCtrl _ctrl;
    // Cues from marks and holds; after the timer, whose marks it follows.
    CueSession _cueSession;
    CuePane* _cuePane = nullptr;
    // Goes first: it hands the timer back its own clock.
    std::unique_ptr<Following> _following;
    // Owned by the main window, as a child object.
    SyncControls* _sync = nullptr;
    // Keys that work while another program has the focus; owned by the main window.
    GlobalShortcuts* _globalKeys = nullptr;
};
