// Outlets and actions: which widget plays which part for the controller and the timer.
#include "shell/PlayerWindows.h"

#include "shell/TimingPane.h"
#include "ui_MainPanel.h"
#include "ui_MainWindow.h"

#include <QApplication>
#include <QDropEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QKeySequence>
#include <QLabel>
#include <QMimeData>
#include <QScreen>
#include <QShortcut>
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

PlayerWindows::PlayerWindows(PreferencesStore& preferences)
    : _ui(std::make_unique<Ui::MainWindow>())
    , _panelUi(std::make_unique<Ui::MainPanel>())
    , _openDialog(&_window)
    , _timing([this] { return _th.getPosition(); }, &monotonicSeconds,
          session::folder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")),
          session::timestamp(std::time(nullptr)))
{
    _ui->setupUi(&_window);
    _panelUi->setupUi(&_panel);
    // A floating panel above every window, so it can sit over a video player.
    _panel.setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    _panel.setAttribute(Qt::WA_QuitOnClose, false);

    // A fixed size for the time, which changes 100 times a second: a fixed-size label does not
    // make its window lay itself out again on every change, most of the cost of a change.
    QLabel* time = _ui->timeDisplay;
    time->ensurePolished();
    const QFontMetrics metrics(time->font());
    time->setFixedSize(metrics.horizontalAdvance("000:00:00:000") + 2 * metrics.averageCharWidth(),
        time->sizeHint().height());
    _ui->mainLayout->setAlignment(time, Qt::AlignHCenter);

    connectOutlets(preferences);
    connectActions();
    addShortcuts(_window);
    acceptFileDrops();
    addTimingPane();
    _ctrl.awakeFromNib();
}

PlayerWindows::~PlayerWindows()
{
    // The worker writes the displays; it must end before they do.
    _th.stop();
    _th.waitFor();
    // The pane reads the timing session, which goes before the window that holds the pane.
    delete _timingPane;
}

void PlayerWindows::connectOutlets(PreferencesStore& preferences)
{
    Ui::MainWindow& ui = *_ui;
    // TimerThread outlets.
    _timeDisplay = makeLabelDisplay(ui.timeDisplay);
    _messageDisplay = makeLabelDisplay(ui.messageDisplay);
    _messageDisplay2 = makeLabelDisplay(_panelUi->messageDisplay2);
    _th.setTimeTextField(_timeDisplay.get());
    _th.setMessageTextField(_messageDisplay.get());
    _th.setMessageTextField2(_messageDisplay2.get());

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
    _ctrl.connect({ .th = &_th,
        .startButton = _startButton.get(),
        .slider = _slider.get(),
        .filenameLabel = _fileLabel.get(),
        .mainPanel = _panelPort.get(),
        .theUserDefaultsController = &preferences,
        .encButton = _encMenu.get(),
        .retButton = _retMenu.get(),
        .openDialog = &_openDialog,
        .alert = _alert.get(),
        .uiQueue = _uiQueue.get(),
        .busy = _busy.get() });
}

void PlayerWindows::connectActions()
{
    Ui::MainWindow& ui = *_ui;
    _rewind = makeCommandControl(ui.rewindButton);
    _fastForward = makeCommandControl(ui.fastForwardButton);
    _reset = makeCommandControl(ui.resetButton);
    _chooseFile = makeCommandControl(ui.chooseFileButton);

    // click: with the sender's tag.
    const auto clickOn = [this](QAbstractButton* button, const Control& sender) {
        QObject::connect(
            button, &QAbstractButton::clicked, &_window, [this, &sender] { _ctrl.click(sender); });
    };
    clickOn(ui.rewindButton, *_rewind);
    clickOn(ui.fastForwardButton, *_fastForward);
    clickOn(ui.startButton, *_startButton);
    clickOn(ui.resetButton, *_reset);
    clickOn(ui.chooseFileButton, *_chooseFile);

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
    for (QWidget* window : { static_cast<QWidget*>(&_window), &_panel }) {
        window->setAcceptDrops(true);
        window->installEventFilter(filter);
    }
}

void PlayerWindows::addTimingPane()
{
    _timing.follow(_th.marks());
    _timingPane = new TimingPane(_timing, _window);
    auto* toggle = new QToolButton(&_window);
    toggle->setDefaultAction(_timingPane->toggleViewAction());
    _ui->transportLayout->addWidget(toggle);
}

void PlayerWindows::show()
{
    _window.show();
    // Where subtitles belong: low on the screen, centred, clear of the main window.
    if (const QScreen* screen = _window.screen()) {
        const QRect area = screen->availableGeometry();
        const int width = std::min(_panel.width(), area.width());
        _panel.resize(width, _panel.height());
        _panel.move(area.left() + (area.width() - width) / 2,
            area.bottom() - _panel.height() - area.height() / 12);
    }
    _panel.show();
}

void PlayerWindows::chooseFile(const std::string& path)
{
    _ctrl.openFile(path);
}
