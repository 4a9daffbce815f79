// Outlets and actions: which widget plays which part for the controller and the timer.
#include "shell/PlayerWindows.h"

#include "control/PreferencesStore.h"
#include "control/Settings.h"
#include "shell/Accessibility.h"
#include "shell/CuePane.h"
#include "shell/DialogWatch.h"
#include "shell/GlobalShortcuts.h"
#include "shell/PreferencesDialog.h"
#include "shell/SyncControls.h"
#include "ui_MainWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QDropEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>

#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <functional>
#include <optional>

namespace {

// The first local file of a drag, if it carries one. A folder is refused here, where the user
// sees it, rather than later as an encoding error.
std::optional<std::string> droppedFile(const QMimeData* data)
{
    if (!data || !data->hasUrls() || data->urls().isEmpty() || !data->urls().first().isLocalFile())
        return std::nullopt;
    std::string file = localPathOf(data->urls().first());
    struct stat st { };
    if (::stat(file.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
        return std::nullopt;
    return file;
}

// Accepts a drag only when it brings a local file, so anything else shows the refusal cursor.
class FileDropFilter final : public QObject {
public:
    FileDropFilter(QObject* parent, std::function<void(const std::string&)> choose)
        : QObject(parent)
        , _choose(std::move(choose))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDragMoveEvent*>(event);
            if (droppedFile(drag->mimeData()))
                acceptAsCopy(drag);
            else
                drag->ignore();
            return true;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            const std::optional<std::string> file = droppedFile(drop->mimeData());
            if (!file) {
                drop->ignore();
                return true;
            }
            acceptAsCopy(drop);
            _choose(*file);
            return true;
        }
        default:
            return QObject::eventFilter(watched, event);
        }
    }

private:
    // Never a move: the source must not delete the file it handed over.
    static void acceptAsCopy(QDropEvent* event)
    {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }

    std::function<void(const std::string&)> _choose;
};

double monotonicSeconds()
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

PlayerWindows::PlayerWindows(PreferencesStore& preferences, const QDBusConnection& bus)
    : _preferences(preferences)
    , _ui(std::make_unique<Ui::MainWindow>())
    , _openDialog(&_window)
    , _cueSession([this] { return _th.getPosition(); }, &monotonicSeconds,
          session::folder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")),
          session::timestamp(std::time(nullptr)))
{
    _ui->setupUi(&_window);
    _ui->mainLayout->setAlignment(_ui->timeDisplay, Qt::AlignHCenter);
    _panel.setPanelStyle(PanelStyle::load(preferences));
    _dialogWatch = std::make_unique<DialogWatch>(_panel);
    QObject::connect(&_panel, &SubtitlePanel::placeChanged, &_window, [this] {
        const QRect g = _panel.geometry();
        const QScreen* screen = _panel.screen();
        PanelPlace{ { g.x(), g.y(), g.width(), g.height() },
            screen ? screen->name().toStdString() : std::string() }
            .save(_preferences);
    });

    _sync = new SyncControls(_window, *_ui, _ctrl, _th);
    connectOutlets();
    connectActions();
    addShortcuts(_window);
    addMenus();
    _sync->addMenu();
    addSecondTrackMenu(_sync->menu());
    // After the window's own menus, so Follow comes last in the menu bar.
    _following = std::make_unique<Following>(Following::Wiring{ .window = &_window,
                                                 .ui = _ui.get(),
                                                 .timer = &_th,
                                                 .ctrl = &_ctrl,
                                                 .store = &preferences },
        bus);
    // The seek bar and the list follow a followed player's clock as they follow the own one.
    _sync->setPlaying([this] { return _ctrl.started() || (_following && _following->active()); });
    QObject::connect(
        _following.get(), &Following::activeChanged, _sync, [this] { _sync->refresh(); });
    _sync->setFollowedVideo([this]() -> std::optional<std::string> {
        if (!_following || !_following->active())
            return std::nullopt;
        return _following->follower().mediaPath();
    });
    acceptFileDrops();
    addCuePane();
    _topPanel.setObjectName("TopPanel");
    _topPanel.setHintAllowed(false);
    _topPanel.setContextMenuPolicy(Qt::ActionsContextMenu);
    applySecondTrack();
    _ctrl.setSecondTrackListener([this] { secondTrackLoaded(); });
    _ctrl.awakeFromNib();
    secondTrackLoaded();
    _globalKeys = new GlobalShortcuts(
        [this](globalkeys::Action action) {
            switch (action) {
            case globalkeys::Action::PlayPause:
                _following->transport().playPause();
                break;
            case globalkeys::Action::DelayLater:
                _ctrl.timing().shiftDelay(0.1);
                break;
            case globalkeys::Action::DelayEarlier:
                _ctrl.timing().shiftDelay(-0.1);
                break;
            case globalkeys::Action::PreviousSubtitle:
                _ctrl.previousSubtitle();
                break;
            case globalkeys::Action::NextSubtitle:
                _ctrl.nextSubtitle();
                break;
            }
            _sync->refresh();
        },
        bus, &_window);
    // Off by default: then nothing is grabbed and the X server is not asked. A key refused at
    // start is said where the user looks, as Preferences would say it.
    for (const globalkeys::Verdict& v : _globalKeys->applyStored(_preferences)) {
        if (v.refusal != globalkeys::Refusal::None && v.keys) {
            _window.statusBar()->showMessage(GlobalShortcuts::refusalText(
                v.refusal, QString::fromStdString(globalkeys::keysText(*v.keys))));
            break;
        }
    }
    // The portal answers later, perhaps after a dialog of the desktop's own.
    QObject::connect(_globalKeys, &GlobalShortcuts::portalChanged, &_window, [this] {
        const globalkeys::PortalState state = _globalKeys->portalSession().state();
        if (state == globalkeys::PortalState::Declined || state == globalkeys::PortalState::Failed
            || state == globalkeys::PortalState::Closed)
            _window.statusBar()->showMessage(GlobalShortcuts::portalStateText(state));
    });
    describeControls(&_window);
}

PlayerWindows::~PlayerWindows()
{
    // The worker writes the displays; it must end before they do.
    _th.stop();
    _th.waitFor();
    // Quitting mid-sync: its thread is told to stop and joined while the timing still exists.
    _sync->endSync();
    // The pane reads the timing session, which goes before the window that holds the pane.
    delete _cuePane;
}

void PlayerWindows::connectOutlets()
{
    Ui::MainWindow& ui = *_ui;
    // TimerThread outlets.
    _timeDisplay = makeTimeDisplay(ui.timeDisplay);
    _messageDisplay = makeMessageDisplay(
        ui.messageDisplay, [this] { return _showMarkup && _showMarkup->isChecked(); });
    _messageDisplay2 = makePanelDisplay(&_panel);
    _th.setTimeTextField(_timeDisplay.get());
    _th.setMessageTextField(_messageDisplay.get());
    _th.setMessageTextField2(_messageDisplay2.get());
    // The second track's line under the first in the window, hidden while there is none.
    _secondLine = new QLabel;
    _secondLine->setObjectName("secondMessageDisplay");
    _secondLine->setAlignment(Qt::AlignCenter);
    _secondLine->setWordWrap(true);
    _secondLine->setTextFormat(Qt::PlainText);
    _secondLine->hide();
    ui.mainLayout->insertWidget(ui.mainLayout->indexOf(ui.messageDisplay) + 1, _secondLine);
    _secondDisplay = makeMessageDisplay(
        _secondLine, [this] { return _showMarkup && _showMarkup->isChecked(); });
    _secondDisplay2 = makeSecondPanelDisplay(&_panel, &_topPanel);
    _th.setSecondTextField(_secondDisplay.get());
    _th.setSecondTextField2(_secondDisplay2.get());

    // MainCtrl outlets.
    _startButton = makeButton(ui.startButton);
    _slider = makeSlider(ui.skipSlider);
    _fileLabel = makeFileLabelDisplay(ui.fileNameLabel, &_window);
    _panelPort = makePanel(&_panel);
    _encMenu = makePopUpMenu(ui.encodingMenu);
    _retMenu = makePopUpMenu(ui.lineEndingMenu);
    _alert = makeAlert(&_window);
    _uiQueue = makeUiQueue(&_window);
    _busy = makeBusyIndicator(&_window);
    _quietTimer = makeQuietTimer(&_window);
    // Filled by the controller; File lists it once the menus are built.
    _recentMenu = new QMenu(QObject::tr("Open &Recent"), &_window);
    _readingView = new QtReadingView(
        &_window, _recentMenu, [this](const std::string& path) { chooseFile(path); },
        [this] { _ctrl.fileChangedOnDisk(); });
    _ctrl.connect({ .th = &_th,
        .startButton = _startButton.get(),
        .slider = _slider.get(),
        .filenameLabel = _fileLabel.get(),
        .mainPanel = _panelPort.get(),
        .theUserDefaultsController = &_preferences,
        .encButton = _encMenu.get(),
        .retButton = _retMenu.get(),
        .openDialog = &_openDialog,
        .alert = _alert.get(),
        .uiQueue = _uiQueue.get(),
        .busy = _busy.get(),
        .timingLabel = _sync->timingDisplay(),
        .statusLine = _sync->statusDisplay(),
        .view = _readingView,
        .quietTimer = _quietTimer.get() });
}

void PlayerWindows::connectActions()
{
    Ui::MainWindow& ui = *_ui;
    _chooseFile = makeCommandControl(ui.chooseFileButton);

    // The transport in force: the followed player's while there is one, else the own clock's.
    const auto transport = [this](QAbstractButton* button, std::function<void(Transport&)> act) {
        QObject::connect(button, &QAbstractButton::clicked, &_window,
            [this, act = std::move(act)] { act(_following->transport()); });
    };
    transport(ui.rewindButton, [this](Transport& t) { t.skipBy(-_slider->doubleValue()); });
    transport(ui.fastForwardButton, [this](Transport& t) { t.skipBy(_slider->doubleValue()); });
    transport(ui.startButton, [](Transport& t) { t.playPause(); });
    transport(ui.resetButton, [](Transport& t) { t.toStart(); });
    QObject::connect(ui.chooseFileButton, &QAbstractButton::clicked, &_window,
        [this] { _following->chooseByHand([this] { _ctrl.click(*_chooseFile); }); });

    // changeEncoding: and changeReturnCode: on the user's choice only, not on programmatic
    // selection.
    QObject::connect(ui.encodingMenu, &QComboBox::activated, &_window,
        [this] { _ctrl.changeEncoding(*_encMenu); });
    QObject::connect(ui.lineEndingMenu, &QComboBox::activated, &_window,
        [this] { _ctrl.changeReturnCode(*_retMenu); });

    QObject::connect(
        ui.skipSlider, &QSlider::valueChanged, ui.skipValue, qOverload<int>(&QLabel::setNum));

    // marker: goes to the timer.
    QObject::connect(ui.markButton, &QAbstractButton::clicked, &_window, [this] { _th.marker(); });
}

void PlayerWindows::addShortcuts(QWidget& window)
{
    // Application-wide, so they work from the panel too and whichever control has focus.
    const auto shortcut = [&](const QKeySequence& keys, auto action) {
        auto* s = new QShortcut(keys, &window);
        s->setContext(Qt::ApplicationShortcut);
        QObject::connect(s, &QShortcut::activated, &window, action);
        _shortcuts.push_back(s);
    };
    Ui::MainWindow& ui = *_ui;
    shortcut(Qt::Key_Space, [&ui] { ui.startButton->click(); });
    shortcut(Qt::Key_Left, [&ui] { ui.rewindButton->click(); });
    shortcut(Qt::Key_Right, [&ui] { ui.fastForwardButton->click(); });
    shortcut(Qt::Key_Home, [&ui] { ui.resetButton->click(); });
    shortcut(QKeySequence::Open, [&ui] { ui.chooseFileButton->click(); });
    shortcut(Qt::Key_M, [&ui] { ui.markButton->click(); });
    shortcut(QKeySequence::Quit, [] { QApplication::quit(); });
}

void PlayerWindows::acceptFileDrops()
{
    auto* filter
        = new FileDropFilter(&_window, [this](const std::string& file) { chooseFile(file); });
    for (QWidget* window : { static_cast<QWidget*>(&_window), static_cast<QWidget*>(&_panel) }) {
        window->setAcceptDrops(true);
        window->installEventFilter(filter);
    }
}

void PlayerWindows::addCuePane()
{
    _cueSession.follow(_th.marks());
    _cuePane = new CuePane(_cueSession, _window);
    auto* toggle = new QToolButton(&_window);
    toggle->setDefaultAction(_cuePane->toggleViewAction());
    _ui->transportLayout->addWidget(toggle);
}

void PlayerWindows::addMenus()
{
    QMenuBar* bar = _window.menuBar();
    Ui::MainWindow& ui = *_ui;
    // Keys for the entries that have shortcuts already are only named here ("\t"), so that
    // one key never has two owners.
    QMenu* file = bar->addMenu(QObject::tr("&File"));
    file->addAction(
        QObject::tr("&Choose File…\tCtrl+O"), ui.chooseFileButton, &QAbstractButton::click);
    file->addMenu(_recentMenu);
    file->addSeparator();
    file->addAction(QObject::tr("&Quit\tCtrl+Q"), &QApplication::quit);

    const auto withKey = [this](QAction* action, const QKeySequence& keys) {
        action->setShortcut(keys);
        action->setShortcutContext(Qt::ApplicationShortcut);
        _window.addAction(action);
        return action;
    };
    QMenu* edit = bar->addMenu(QObject::tr("&Edit"));
    withKey(edit->addAction(QObject::tr("&Preferences…"), [this] { showPreferences(); }),
        QKeySequence(Qt::CTRL | Qt::Key_Comma));

    QMenu* view = bar->addMenu(QObject::tr("&View"));
    _showPanel
        = withKey(view->addAction(QObject::tr("Show &Panel")), QKeySequence(Qt::CTRL | Qt::Key_P));
    _showPanel->setCheckable(true);
    QObject::connect(_showPanel, &QAction::triggered, &_window, [this](bool on) {
        if (on)
            _panel.orderFront();
        else
            _panel.hide();
    });
    QObject::connect(&_panel, &SubtitlePanel::visibilityChanged, _showPanel, &QAction::setChecked);
    // The top panel goes and comes with the first, and follows it across the screen.
    QObject::connect(
        &_panel, &SubtitlePanel::visibilityChanged, &_window, [this] { showTopPanel(); });
    QObject::connect(&_panel, &SubtitlePanel::placeChanged, &_window, [this] { showTopPanel(); });

    // Off for new users, who read "<i>" as a fault; authors turn it on to see their markup.
    _showMarkup = view->addAction(QObject::tr("Show &Markup"));
    _showMarkup->setCheckable(true);
    try {
        _showMarkup->setChecked(
            _preferences.intValue(std::string(settings::kShowMarkup.name)).value_or(0) == 1);
    } catch (const PreferencesError&) {
        // Unreadable: off, as for a new user.
    }
    QObject::connect(_showMarkup, &QAction::toggled, &_window, [this](bool on) {
        showMarkupIn(_ui->messageDisplay, on);
        showMarkupIn(_secondLine, on);
        _preferences.setInt(std::string(settings::kShowMarkup.name), on ? 1 : 0);
    });

    // Never on at start; while on, a button in the main window turns it off.
    _clickThrough = withKey(view->addAction(QObject::tr("Panel Lets Clicks &Through")),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    _clickThrough->setCheckable(true);
    _clickThroughOff = new QPushButton(QObject::tr("Clicks go through the panel: turn off"));
    _clickThroughOff->setObjectName("clickThroughOff");
    _clickThroughOff->setToolTip(QObject::tr("Let the panel take clicks again (Ctrl+Shift+P)"));
    _clickThroughOff->hide();
    _window.statusBar()->addPermanentWidget(_clickThroughOff);
    QObject::connect(_clickThrough, &QAction::toggled, &_window, [this](bool on) {
        _panel.setClickThrough(on);
        _clickThroughOff->setVisible(on);
    });
    QObject::connect(_clickThroughOff, &QPushButton::clicked, _clickThrough,
        [this] { _clickThrough->setChecked(false); });

    // The panel's own menu, since it has no frame.
    _panel.setContextMenuPolicy(Qt::ActionsContextMenu);
    auto* hide = new QAction(QObject::tr("Hide Panel"), &_panel);
    QObject::connect(hide, &QAction::triggered, &_panel, &QWidget::hide);
    auto* preferences = new QAction(QObject::tr("Preferences…"), &_panel);
    QObject::connect(preferences, &QAction::triggered, &_window, [this] { showPreferences(); });
    _panel.addActions({ hide, _clickThrough, preferences });
}

void PlayerWindows::addSecondTrackMenu(QMenu& menu)
{
    menu.addSeparator();
    QAction* open = menu.addAction(QObject::tr("Second Trac&k…"));
    QObject::connect(open, &QAction::triggered, &_window, [this] {
        static const std::vector<std::string> types = { "srt", "txt" };
        if (const auto path = _openDialog.runModal(std::string(), types))
            chooseSecondFile(*path);
    });
    _closeSecond = menu.addAction(QObject::tr("Close Second Track"));
    QObject::connect(
        _closeSecond, &QAction::triggered, &_window, [this] { _ctrl.closeSecondTrack(); });

    // Which track z, x, the catches, the speeds and Save Subtitles As act on.
    QMenu* timed = menu.addMenu(QObject::tr("Timing Keys Act &On"));
    auto* group = new QActionGroup(timed);
    for (const auto& [text, track] :
        { std::pair{ QObject::tr("&First Track"), SubtitleTiming::Track::first },
            std::pair{ QObject::tr("&Second Track"), SubtitleTiming::Track::second } }) {
        QAction* a = timed->addAction(text);
        a->setCheckable(true);
        a->setChecked(track == SubtitleTiming::Track::first);
        a->setObjectName(track == SubtitleTiming::Track::first ? "timeFirst" : "timeSecond");
        group->addAction(a);
        QObject::connect(a, &QAction::triggered, &_window, [this, track = track] {
            _ctrl.chooseTimedTrack(track);
            _sync->refresh();
        });
    }

    // Application-wide, like the timing keys.
    const auto toggle = [this, &menu](const QString& text, int key, int track) {
        QAction* a = menu.addAction(text);
        a->setCheckable(true);
        a->setChecked(true);
        a->setShortcut(QKeySequence(key));
        a->setShortcutContext(Qt::ApplicationShortcut);
        QObject::connect(a, &QAction::toggled, &_window, [this, track](bool on) {
            _panel.setTrackShown(track, on);
            (track == 1 ? _ui->messageDisplay : _secondLine)
                ->setVisible(on && (track == 1 || _ctrl.secondFilename()));
            showTopPanel();
        });
        return a;
    };
    _showFirst = toggle(QObject::tr("Show First Track"), Qt::Key_1, 1);
    _showSecond = toggle(QObject::tr("Show Second Track"), Qt::Key_2, 2);
}

void PlayerWindows::chooseSecondFile(const std::string& path)
{
    _ctrl.openSecondFile(path);
}

void PlayerWindows::secondTrackLoaded()
{
    const bool loaded = _ctrl.secondFilename().has_value();
    if (_closeSecond)
        _closeSecond->setEnabled(loaded);
    _secondLine->setVisible(loaded && (!_showSecond || _showSecond->isChecked()));
    showTopPanel();
}

void PlayerWindows::applySecondTrack()
{
    _panel.setSecondStyle(PanelStyle::loadSecond(_preferences));
    _panel.setSecondPlacement(loadSecondPlacement(_preferences));
    // The top panel draws the second track as its only line, in the second style.
    PanelStyle top = PanelStyle::loadSecond(_preferences);
    _topPanel.setPanelStyle(top);
    showTopPanel();
}

void PlayerWindows::showTopPanel()
{
    const bool wanted = _panel.secondPlacement() == SecondPlacement::top && _panel.isVisible()
        && _ctrl.secondFilename() && (!_showSecond || _showSecond->isChecked());
    if (!wanted) {
        _topPanel.hide();
        return;
    }
    // Across the top of the first panel's screen, as wide as the first panel.
    const QScreen* screen = _panel.screen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int height = _topPanel.fittingHeight(2);
    _topPanel.setGeometry(_panel.x(), area.y() + area.height() / 24, _panel.width(), height);
    _topPanel.orderFront();
}

void PlayerWindows::showPreferences()
{
    auto* dialog = _window.findChild<PreferencesDialog*>();
    if (!dialog) {
        dialog = new PreferencesDialog(_panel, _preferences, &_window, _globalKeys);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(dialog, &PreferencesDialog::secondTrackChanged, &_window,
            [this] { applySecondTrack(); });
        describeControls(dialog);
    }
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void PlayerWindows::showNotice(const QString& text)
{
    if (!_notice) {
        _notice = new QLabel;
        _notice->setObjectName("notice");
        _notice->setWordWrap(true);
        _window.statusBar()->addWidget(_notice, 1);
    }
    _notice->setText(text);
}

void PlayerWindows::placePanel()
{
    std::vector<ScreenArea> screens;
    QList<QScreen*> all = QGuiApplication::screens();
    // The first screen is where a panel without a place of its own goes.
    if (QScreen* primary = QGuiApplication::primaryScreen()) {
        all.removeAll(primary);
        all.prepend(primary);
    }
    for (const QScreen* screen : all) {
        const QRect a = screen->availableGeometry();
        screens.push_back(
            { screen->name().toStdString(), { a.x(), a.y(), a.width(), a.height() } });
    }
    const std::optional<PanelPlace> saved = PanelPlace::load(_preferences);
    if (saved) {
        const Rect r = placeOnScreens(*saved, screens);
        _panel.setGeometry(r.x, r.y, r.width, r.height);
        return;
    }
    // Where subtitles belong: low on the screen, centred, clear of the player's windows.
    const QScreen* screen = _window.screen();
    if (!screen)
        return;
    const auto rect = [](const QRect& r) { return Rect{ r.x(), r.y(), r.width(), r.height() }; };
    std::vector<Rect> windows;
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w != &_panel && w->windowType() != Qt::Popup
            && w->windowType() != Qt::ToolTip)
            windows.push_back(rect(w->frameGeometry()));
    }
    // The main window's controls: from the transport buttons down to its bottom edge.
    const QRect frame = _window.frameGeometry();
    const int top = _ui->startButton->mapToGlobal(QPoint(0, 0)).y();
    const Rect controls{ frame.x(), top, frame.width(), frame.bottom() + 1 - top };
    const Rect r = firstPanelPlace(rect(screen->availableGeometry()), _panel.width(),
        _panel.fittingHeight(2), windows, controls);
    _panel.setGeometry(r.x, r.y, r.width, r.height);
}

void PlayerWindows::show()
{
    _window.show();
    placePanel();
    _panel.show();
    if (PanelPlace::load(_preferences))
        return;
    // A window manager places the main window a moment after it is shown: the first place is
    // found again then, unless the user has placed the panel meanwhile (which stores it).
    QTimer::singleShot(300, &_window, [this] {
        if (!PanelPlace::load(_preferences))
            placePanel();
    });
}

void PlayerWindows::chooseFile(const std::string& path)
{
    _following->chooseByHand([this, &path] { _ctrl.openFile(path); });
    _sync->refresh();
}
