// Menu actions call the controller, then refresh; a 4 Hz timer on the GUI side follows the clock
// while it plays, so the worker wakes no more often than before.
#include "shell/SyncControls.h"

#include "platform/AtomicFile.h"
#include "shell/QtAdapters.h"
#include "shell/SeekBar.h"
#include "shell/SubtitleList.h"
#include "subtitles/FormatSniff.h"
#include "ui_MainWindow.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kRefreshMs = 250;
constexpr int kMessageMs = 10000;
// Enough for the matcher's half minute of speech in most dialogue.
constexpr double kListenSeconds = 60;

// Passing messages in the status bar, for a while.
class StatusDisplay final : public UiText {
public:
    explicit StatusDisplay(QStatusBar* bar)
        : _bar(bar)
    {
    }
    void setText(const std::string& utf8) override
    {
        if (utf8.empty())
            _bar->clearMessage();
        else
            _bar->showMessage(QString::fromStdString(utf8), kMessageMs);
    }

private:
    QStatusBar* _bar;
};

// The timing label, hidden while no timing is in force.
class TimingDisplay final : public UiText {
public:
    explicit TimingDisplay(QLabel* label)
        : _label(label)
    {
    }
    void setText(const std::string& utf8) override
    {
        _label->setText(QString::fromStdString(utf8));
        _label->setVisible(!utf8.empty());
    }

private:
    QLabel* _label;
};

} // namespace

SyncControls::SyncControls(QMainWindow& window, Ui::MainWindow& ui, MainCtrl& ctrl, TimerThread& th)
    : QObject(&window)
    , _window(window)
    , _ui(ui)
    , _ctrl(ctrl)
    , _th(th)
    , _seekBar(new SeekBar(ui.centralWidget,
          [this](double at) {
              _ctrl.seekTo(at);
              refresh();
          }))
    , _timingLabel(new QLabel(&window))
    , _list(new SubtitleList(&window,
          [this](std::size_t index) {
              _ctrl.goToSubtitle(index);
              refresh();
          }))
    , _timer(new QTimer(this))
    , _syncButton(new QPushButton(tr("Sync…"), &window))
    , _syncRow(new QWidget(ui.centralWidget))
    , _syncProgress(new QProgressBar(_syncRow))
    , _syncResult(new QLabel(_syncRow))
    , _syncCancel(new QPushButton(tr("Cancel"), _syncRow))
    , _syncApply(new QPushButton(tr("Apply"), _syncRow))
    , _syncUndo(new QPushButton(tr("Undo"), _syncRow))
    , _syncClose(new QPushButton(tr("Close"), _syncRow))
    , _uiQueue(makeUiQueue(this))
    , _autoSync(std::make_unique<AutoSync>())
{
    ui.mainLayout->insertWidget(ui.mainLayout->indexOf(ui.timeDisplay) + 1, _seekBar);
    _timingLabel->setTextFormat(Qt::PlainText);
    _timingLabel->setToolTip(tr("Subtitle timing: z/x move the subtitles by 100 ms"));
    _timingLabel->hide();
    window.statusBar()->addPermanentWidget(_timingLabel);
    _syncButton->setToolTip(tr("Sync to Video: find the delay and speed from the speech"));
    // Reached by Tab, never by a click: Space and the arrows stay the transport's.
    _syncButton->setFocusPolicy(Qt::TabFocus);
    QObject::connect(_syncButton, &QPushButton::clicked, this, [this] { syncToVideo(); });
    window.statusBar()->addPermanentWidget(_syncButton);
    auto* row = new QHBoxLayout(_syncRow);
    row->setContentsMargins(0, 0, 0, 0);
    _syncResult->setTextFormat(Qt::PlainText);
    _syncResult->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row->addWidget(_syncProgress, 1);
    row->addWidget(_syncResult, 1);
    _syncCancel->setToolTip(tr("Stop listening to the video"));
    _syncApply->setToolTip(tr("Use the delay and speed found"));
    _syncUndo->setToolTip(tr("Put back the timing from before the sync"));
    _syncClose->setToolTip(tr("Hide the result"));
    for (QPushButton* b : { _syncCancel, _syncApply, _syncUndo, _syncClose }) {
        b->setFocusPolicy(Qt::TabFocus);
        row->addWidget(b);
    }
    QObject::connect(_syncCancel, &QPushButton::clicked, this, [this] { _autoSync->cancel(); });
    QObject::connect(_syncApply, &QPushButton::clicked, this, [this] {
        _autoSync->apply();
        refresh();
    });
    QObject::connect(_syncUndo, &QPushButton::clicked, this, [this] {
        _autoSync->undo();
        refresh();
    });
    QObject::connect(_syncClose, &QPushButton::clicked, this, [this] { _autoSync->dismiss(); });
    _syncRow->hide();
    ui.mainLayout->insertWidget(ui.mainLayout->indexOf(_seekBar) + 1, _syncRow);
    _autoSync->connect({ .uiQueue = _uiQueue.get(),
                           .timing = &_ctrl.timing(),
                           .cues = [this] { return _th.cues(); },
                           .position = [this] { return _th.getPosition(); } },
        [this] { showSync(); });
    _timingDisplay = std::make_unique<TimingDisplay>(_timingLabel);
    _statusDisplay = std::make_unique<StatusDisplay>(window.statusBar());

    _timer->setInterval(kRefreshMs);
    QObject::connect(_timer, &QTimer::timeout, this, [this] { refresh(); });
    // A click on the time asks for a time to go to; showing and hiding starts and stops the
    // refresh.
    ui.timeDisplay->installEventFilter(this);
    ui.timeDisplay->setCursor(Qt::PointingHandCursor);
    window.installEventFilter(this);
    _list->installEventFilter(this);
    // The transport buttons (and their keys, which click them) move the clock or read the file.
    for (QAbstractButton* button : { static_cast<QAbstractButton*>(ui.startButton),
             static_cast<QAbstractButton*>(ui.rewindButton),
             static_cast<QAbstractButton*>(ui.fastForwardButton),
             static_cast<QAbstractButton*>(ui.resetButton),
             static_cast<QAbstractButton*>(ui.chooseFileButton) })
        // Queued: after the controller has acted on the same click.
        QObject::connect(
            button, &QAbstractButton::clicked, this, [this] { refresh(); }, Qt::QueuedConnection);
}

// The sync's thread ends before the queue it posts to.
SyncControls::~SyncControls()
{
    _autoSync.reset();
}

void SyncControls::addMenu()
{
    _menu = _window.menuBar()->addMenu(tr("&Subtitles"));
    // Application-wide like the transport keys, so they work from the panel and the list too.
    const auto add
        = [this](QMenu* menu, const QString& text, const QKeySequence& keys, auto action) {
              QAction* a = menu->addAction(text);
              a->setShortcut(keys);
              a->setShortcutContext(Qt::ApplicationShortcut);
              QObject::connect(a, &QAction::triggered, this, [this, action] {
                  action();
                  refresh();
              });
              return a;
          };
    add(_menu, tr("&Previous Subtitle"), QKeySequence(Qt::CTRL | Qt::Key_Left),
        [this] { _ctrl.previousSubtitle(); });
    add(_menu, tr("&Next Subtitle"), QKeySequence(Qt::CTRL | Qt::Key_Right),
        [this] { _ctrl.nextSubtitle(); });
    add(_menu, tr("&Go to Time…"), QKeySequence(Qt::CTRL | Qt::Key_G), [this] { askForTime(); });
    _menu->addSeparator();
    add(_menu, tr("Subtitles 100 ms &Earlier"), QKeySequence(Qt::Key_Z),
        [this] { _ctrl.chosenTiming().shiftDelay(-0.1); });
    add(_menu, tr("Subtitles 100 ms &Later"), QKeySequence(Qt::Key_X),
        [this] { _ctrl.chosenTiming().shiftDelay(0.1); });
    add(_menu, tr("&Catch Next Line Now"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Right),
        [this] { _ctrl.chosenTiming().catchLine(true); });
    add(_menu, tr("Catch P&revious Line Now"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Left),
        [this] { _ctrl.chosenTiming().catchLine(false); });
    QMenu* speed = _menu->addMenu(tr("&Speed"));
    add(speed, tr("Same frame rate (1)"), QKeySequence(),
        [this] { _ctrl.chosenTiming().setSpeed(1.0); });
    for (const SpeedRatio& r : speedRatios()) {
        const QString text = QCoreApplication::translate("Resync", r.label.data())
            + QString::asprintf("  (\u00D7%.5f)", r.speed);
        const double k = r.speed;
        add(speed, text, QKeySequence(), [this, k] { _ctrl.chosenTiming().setSpeed(k); });
    }
    add(_menu, tr("Reset &Timing"), QKeySequence(), [this] { _ctrl.chosenTiming().resetTiming(); });
    add(_menu, tr("Sync to &Video…"), QKeySequence(Qt::CTRL | Qt::Key_Y),
        [this] { syncToVideo(); });
    QAction* listen = add(_menu, tr("Listen to S&ync"),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Y), [this] { listenToSync(); });
    listen->setToolTip(tr("Record a minute of what the desktop plays (a video in a browser) and "
                          "find the delay from its speech; nothing is kept"));
    _menu->addSeparator();
    add(_menu, tr("Subtitle L&ist"), QKeySequence(Qt::CTRL | Qt::Key_L), [this] { toggleList(); });
    add(_menu, tr("Save Subtitles &As…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
        [this] { saveAs(); });
}

void SyncControls::refresh()
{
    const SharedCues cues = _th.cues();
    const Timing timing = _ctrl.timing().timing();
    const double position = _th.getPosition();
    const bool windowShown = _window.isVisible() && !_window.isMinimized();
    const bool listShown = _list->isVisible() && !_list->isMinimized();
    // The time display lives in this window: while it cannot be seen, the clock need only wake
    // for the subtitles.
    _th.setTimeSeen(windowShown);
    if (windowShown) {
        const double duration
            = cues && !cues->empty() ? std::max(timing.toClock(cues->lastEnd()), 0.0) : 0.0;
        _seekBar->setPosition(position, duration);
    }
    if (listShown) {
        _list->setCues(cues, timing);
        _list->setSecondCues(_th.secondCues(), _th.secondTiming());
        _list->setCurrent(cues ? cues->indexAt(timing.toFile(position)) : Cues::kNone);
    }
    if ((_playing ? _playing() : _ctrl.started()) && (windowShown || listShown)) {
        if (!_timer->isActive())
            _timer->start();
    } else {
        _timer->stop();
    }
}

bool SyncControls::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        if (watched == _ui.timeDisplay
            && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            askForTime();
            refresh();
            return true;
        }
        break;
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::WindowStateChange:
        // After the change has taken effect.
        QTimer::singleShot(0, this, [this] { refresh(); });
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void SyncControls::askForTime()
{
    bool ok = false;
    const QString entry = QInputDialog::getText(&_window, tr("Go to Time"),
        tr("Time (1:02:03.5, 01:02:03,500, 62:03 or 3723.5 seconds):"), QLineEdit::Normal,
        QString(), &ok);
    if (ok && !entry.trimmed().isEmpty())
        _ctrl.goToTime(entry.toStdString());
}

void SyncControls::toggleList()
{
    if (_list->isVisible()) {
        _list->hide();
        return;
    }
    // Beside the main window: on the right, or on the left when the screen ends first.
    const QRect frame = _window.frameGeometry();
    int x = frame.right() + 8;
    if (const QScreen* screen = _window.screen()) {
        const QRect area = screen->availableGeometry();
        if (x + _list->width() > area.right())
            x = std::max(area.left(), frame.left() - 8 - _list->width());
    }
    _list->move(x, frame.top());
    // The keys stay with the window they were pressed in; the list takes them once clicked.
    _list->setAttribute(Qt::WA_ShowWithoutActivating);
    _list->show();
    _list->raise();
}

std::optional<QString> SyncControls::saveTo(const QString& path) const
{
    const std::optional<std::string> text = _ctrl.adjustedSubtitles(_ctrl.timedTrack());
    if (!text)
        return tr("No subtitles have been read yet.");
    // A failure leaves the old file whole; the name keeps bytes that are not UTF-8.
    if (!writeFileAtomically(resolveLocalPath(path), *text))
        return tr("%1 could not be written.").arg(path);
    return std::nullopt;
}

void SyncControls::saveAs()
{
    // The track the timing keys act on is the one saved, named after its own file.
    const bool first = _ctrl.timedTrack() == SubtitleTiming::Track::first;
    if (!(first ? _th.cues() : _th.secondCues())) {
        QMessageBox::information(&_window, tr("Save Subtitles As"),
            first ? tr("No subtitles have been read yet: choose a file, or press Start to read "
                       "the one chosen.")
                  : tr("No second track is loaded: choose one with Subtitles \u25B8 Second "
                       "Track\u2026."));
        return;
    }
    const std::optional<std::string>& file = first ? _ctrl.filename() : _ctrl.secondFilename();
    const QString opened = file ? fromLocalPath(*file) : QString();
    const QFileInfo openedInfo(opened);
    const QString suggested = opened.isEmpty()
        ? QString()
        : openedInfo.dir().filePath(openedInfo.completeBaseName() + ".synced.srt");
    // One question before replacing a file, and a plainer one for the file that was opened.
    const QString path = QFileDialog::getSaveFileName(&_window, tr("Save Subtitles As"), suggested,
        tr("SubRip subtitles (*.srt);;All files (*)"), nullptr, QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty())
        return;
    const QFileInfo target(path);
    if (target.exists()) {
        const bool isOpened
            = !opened.isEmpty() && target.canonicalFilePath() == openedInfo.canonicalFilePath();
        // Its markers are ASCII, so the head tells the format whatever the encoding.
        QFile head(path);
        const SubtitleFormat format = isOpened && head.open(QIODevice::ReadOnly)
            ? sniffFormat(head.read(64 << 10).toStdString())
            : SubtitleFormat::subrip;
        QString question = tr("%1 already exists. Replace it?").arg(target.fileName());
        if (format != SubtitleFormat::subrip)
            question = tr("This is the file the subtitles were read from (%1). Replacing it "
                          "writes SubRip in its place: its original times, styles and positions "
                          "are lost, and it will be written as UTF-8.")
                           .arg(QString::fromUtf8(formatName(format).data()));
        else if (isOpened)
            question = tr("This is the file the subtitles were read from. Replacing it loses its "
                          "original times, and it will be written as UTF-8.");
        const auto answer = QMessageBox::question(&_window,
            isOpened ? tr("Replace the Opened File?") : tr("Replace the File?"), question,
            QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Cancel);
        if (answer != QMessageBox::Yes)
            return;
    }
    if (const std::optional<QString> error = saveTo(path))
        QMessageBox::warning(&_window, tr("Save Subtitles As"),
            tr("The subtitles could not be saved: %1").arg(*error));
    else
        _window.statusBar()->showMessage(
            tr("Saved %1").arg(QFileInfo(path).fileName()), kMessageMs);
}

void SyncControls::syncToVideo()
{
    if (!_autoSync || _autoSync->state() == AutoSync::State::running)
        return;
    if (const std::optional<std::string> followed
        = _followedVideo ? _followedVideo() : std::nullopt) {
        syncTo(*followed);
        return;
    }
    const QString path = QFileDialog::getOpenFileName(&_window, tr("Sync to Video"), QString(),
        tr("Videos (*.mkv *.mp4 *.m4v *.avi *.webm *.mov *.ts *.mpg *.mpeg *.ogv *.wmv *.flv);;"
           "All files (*)"));
    if (!path.isEmpty())
        syncTo(resolveLocalPath(path));
}

void SyncControls::syncTo(const std::string& video)
{
    if (!_autoSync)
        return;
    // A large file is still being read: the subtitles to line up are not there yet.
    if (_ctrl.reading()) {
        QTimer::singleShot(100, this, [this, video] { syncTo(video); });
        return;
    }
    _syncProgress->setFormat(
        tr("Listening to %1… %p%").arg(QFileInfo(fromLocalPath(video)).fileName()));
    _autoSync->start(video);
}

void SyncControls::listenToSync()
{
    if (!_autoSync || _autoSync->state() == AutoSync::State::running)
        return;
    _syncProgress->setFormat(tr("Listening to the desktop… %p%"));
    _autoSync->listenToDesktop(kListenSeconds);
}

void SyncControls::showSync()
{
    const AutoSync::State state = _autoSync->state();
    const bool running = state == AutoSync::State::running;
    _syncRow->setVisible(state != AutoSync::State::idle);
    _syncProgress->setVisible(running);
    _syncProgress->setValue(static_cast<int>(_autoSync->progress() * 100));
    _syncCancel->setVisible(running);
    _syncResult->setVisible(!running);
    _syncResult->setText(QString::fromStdString(_autoSync->text()));
    _syncApply->setVisible(state == AutoSync::State::proposed);
    _syncUndo->setVisible(state == AutoSync::State::applied);
    _syncClose->setVisible(!running);
    _syncButton->setEnabled(!running);
}
