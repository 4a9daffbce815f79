// The tools for lining the subtitles up with a video, in the main window: the seek bar, the
// timing shown in the status bar, the Subtitles menu and its keys, the subtitle list, Go to Time
// and Save Subtitles As.
#pragma once

#include "control/AutoSync.h"
#include "control/MainCtrl.h"
#include "control/UiQueue.h"
#include "control/UiText.h"
#include "playback/TimerThread.h"

#include <QCoreApplication>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QLabel;
class QMainWindow;
class QMenu;
class QProgressBar;
class QPushButton;
class QTimer;
class SeekBar;
class SubtitleList;

namespace Ui {
class MainWindow;
} // namespace Ui

class SyncControls final : public QObject {
    Q_DECLARE_TR_FUNCTIONS(SyncControls)

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

    // Where Sync to Video finds the video without asking: the followed player's local file.
    void setFollowedVideo(std::function<std::optional<std::string>()> video)
    {
        _followedVideo = std::move(video);
    }
    // Lines the subtitles up with the speech of `video` (bytes); waits for a read under way.
    void syncTo(const std::string& video);
    // Stops a sync under way and waits for its thread; before the controller goes.
    void endSync() { _autoSync.reset(); }
    AutoSync* autoSync() const { return _autoSync.get(); }

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
    // The followed player's video, else one the user picks.
    void syncToVideo();
    // Records what the desktop plays, for a video that is no local file.
    void listenToSync();
    void showSync();

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
    std::function<std::optional<std::string>()> _followedVideo;
    // Sync to Video: the button beside the timing, and the row under the seek bar that shows
    // its progress or its result.
    QPushButton* _syncButton;
    QWidget* _syncRow;
    QProgressBar* _syncProgress;
    QLabel* _syncResult;
    QPushButton *_syncCancel, *_syncApply, *_syncUndo, *_syncClose;
    std::unique_ptr<UiQueue> _uiQueue;
    std::unique_ptr<AutoSync> _autoSync;
};
