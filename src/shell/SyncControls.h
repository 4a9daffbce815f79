// The tools for lining the subtitles up with a video, in the main window: the seek bar, the
// timing shown in the status bar, the Subtitles menu and its keys, the subtitle list, Go to Time
// and Save Subtitles As.
#pragma once

#include "control/MainCtrl.h"
#include "control/UiText.h"
#include "playback/TimerThread.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QMainWindow;
class QMenu;
class QTimer;
class SeekBar;
class SubtitleList;

namespace Ui {
class MainWindow;
} // namespace Ui

class SyncControls final : public QObject {
public:
    SyncControls(QMainWindow& window, Ui::MainWindow& ui, MainCtrl& ctrl, TimerThread& th);
    ~SyncControls() override;

    // The controller's outlets for the timing in force and for passing messages.
    UiText* timingDisplay() const { return _timingDisplay.get(); }
    UiText* statusDisplay() const { return _statusDisplay.get(); }

    // Adds the Subtitles menu, with its keys, after the window's other menus.
    void addMenu();

    // Brings the seek bar and the list up to date, and runs their refresh while playing and
    // shown. Called after every command that may move the clock or change the subtitles.
    void refresh();
    // Whether the clock runs: the own clock started, by default; a followed player too, once
    // the window knows of one.
    void setPlaying(std::function<bool()> playing) { _playing = std::move(playing); }

    // Writes the adjusted subtitles to `path` atomically; the error text on failure.
    std::optional<QString> saveTo(const QString& path) const;

    SeekBar& seekBar() const { return *_seekBar; }
    SubtitleList& subtitleList() const { return *_list; }
    QLabel& timingLabel() const { return *_timingLabel; }
    QMenu& menu() const { return *_menu; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void askForTime();
    void saveAs();
    void toggleList();

    QMainWindow& _window;
    Ui::MainWindow& _ui;
    MainCtrl& _ctrl;
    std::function<bool()> _playing;
    TimerThread& _th;
    SeekBar* _seekBar;
    QLabel* _timingLabel;
    SubtitleList* _list;
    QMenu* _menu = nullptr;
    QTimer* _timer;
    std::unique_ptr<UiText> _timingDisplay, _statusDisplay;
};
