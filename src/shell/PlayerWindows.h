// The main window and the floating subtitle panel, built from their interface descriptions and
// wired to the one controller and the one timer.
#pragma once

#include "control/MainCtrl.h"
#include "control/TimingSession.h"
#include "playback/TimerThread.h"
#include "shell/QtAdapters.h"

#include <QMainWindow>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

namespace Ui {
class MainWindow;
class MainPanel;
} // namespace Ui

class PreferencesStore;
class QShortcut;
class TimingPane;

class PlayerWindows {
public:
    explicit PlayerWindows(PreferencesStore& preferences);
    ~PlayerWindows();
    PlayerWindows(const PlayerWindows&) = delete;
    PlayerWindows& operator=(const PlayerWindows&) = delete;

    // Shows both windows.
    void show();
    // Chooses a file as a confirmed dialog choice would, without showing the dialog (a file on
    // the command line, or dropped on a window).
    void chooseFile(const std::string& path);

    QMainWindow& mainWindow() { return _window; }
    QWidget& mainPanel() { return _panel; }
    Ui::MainWindow& ui() { return *_ui; }
    Ui::MainPanel& panelUi() { return *_panelUi; }
    MainCtrl& controller() { return _ctrl; }
    TimerThread& timer() { return _th; }
    TimingSession& timing() { return _timing; }
    TimingPane& timingPane() { return *_timingPane; }

private:
    void connectOutlets(PreferencesStore& preferences);
    void connectActions();
    void addShortcuts(QWidget& window);
    // Dropping a file on either window chooses it; several files: the first.
    void acceptFileDrops();
    // Marks and holds become cues in a docked pane (Ctrl+T).
    void addTimingPane();

    QMainWindow _window;
    QWidget _panel;
    std::unique_ptr<Ui::MainWindow> _ui;
    std::unique_ptr<Ui::MainPanel> _panelUi;

    // The displays outlive the timer, which joins its worker when it goes.
    std::unique_ptr<TextDisplay> _timeDisplay, _messageDisplay, _messageDisplay2, _fileLabel;
    std::unique_ptr<Button> _startButton;
    std::unique_ptr<Control> _rewind, _fastForward, _reset, _chooseFile;
    std::unique_ptr<Slider> _slider;
    std::unique_ptr<PopUpMenu> _encMenu, _retMenu;
    std::unique_ptr<Panel> _panelPort;
    std::unique_ptr<Alert> _alert;
    std::unique_ptr<UiQueue> _uiQueue;
    std::unique_ptr<BusyIndicator> _busy;
    QtOpenDialog _openDialog;
    std::vector<QShortcut*> _shortcuts;

    TimerThread _th;
    MainCtrl _ctrl;
    // Cues from marks and holds; after the timer, whose marks it follows.
    TimingSession _timing;
    TimingPane* _timingPane = nullptr;
};
