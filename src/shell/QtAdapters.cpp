// Adapters from the core's ports to Qt widgets.
#include "shell/QtAdapters.h"

#include "control/SubtitleMarkup.h"
#include "shell/SubtitlePanel.h"
#include "shell/TimeFace.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QMetaObject>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStringList>
#include <QTimer>
#include <QUrl>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

#include <algorithm>
#include <cmath>
#include <functional>
#include <mutex>
#include <utility>

namespace {

// Takes texts from any thread and shows the newest on the GUI thread, at most `maxHz` times a
// second and no more often than the screen shows frames: the first change after a quiet spell is
// shown at once, later ones at the next frame. While changes keep coming (the time, 100 a second)
// the worker posts nothing and the GUI thread wakes once a frame; when they stop, it stops too.
// A display that cannot be seen (hidden, minimised) wakes nothing at all: it catches up when it
// is shown again.
// Subtitles change a few times a minute; past 30 a second a change would not be read anyway.
constexpr double kTextHz = 30;
// The running time: the tenths are the finest digit a person reads while it runs (the
// milliseconds are exact whenever it stops), and each frame costs the GUI thread and the
// X server a wake-up and a repaint.
constexpr double kTimeHz = 10;

class FrameDisplay final : public TextDisplay {
public:
    FrameDisplay(
        QWidget* widget, std::function<void(const QString&)> show, std::string shown, double maxHz)
        : _widget(widget)
        , _show(std::move(show))
        , _latest(shown)
        , _shown(std::move(shown))
        , _maxHz(maxHz)
        , _watcher([this] { QTimer::singleShot(0, &_context, [this] { apply(); }); })
    {
        _frame.setSingleShot(true);
        _frame.setTimerType(Qt::PreciseTimer);
        QObject::connect(&_frame, &QTimer::timeout, &_context, [this] { apply(); });
        widget->installEventFilter(&_watcher);
        if (widget->window() != widget)
            widget->window()->installEventFilter(&_watcher);
    }

    void setText(const std::string& utf8) override
    {
        {
            // The worker calls this 100 times a second with the same text: compare first, and
            // copy only a change.
            std::lock_guard lock(_mutex);
            if (utf8 == _latest)
                return;
            _latest = utf8;
            if (_armed)
                return; // the next frame, or being shown, picks up the newest text
            _armed = true;
        }
        // _context lives on the GUI thread and dies with this object, dropping a late call.
        QMetaObject::invokeMethod(
            &_context, [this] { apply(); }, Qt::QueuedConnection);
    }

private:
    // Calls back when the widget or its window is shown or changes state (minimised, restored).
    class Watcher final : public QObject {
    public:
        explicit Watcher(std::function<void()> changed)
            : _changed(std::move(changed))
        {
        }
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            if (event->type() == QEvent::Show || event->type() == QEvent::WindowStateChange)
                _changed();
            return QObject::eventFilter(watched, event);
        }

    private:
        std::function<void()> _changed;
    };

    void apply()
    {
        QString text;
        {
            std::lock_guard lock(_mutex);
            if (_latest == _shown) {
                _armed = false; // quiet: the next change is shown at once
                return;
            }
            _shown = _latest;
            // A display lays out no more than can be read, so a huge entry costs a bounded copy.
            text = QString::fromStdString(boundedForDisplay(_shown));
        }
        if (!_widget)
            return;
        _show(text);
        // Unseen, it stays armed and so hears nothing more until the watcher sees it shown.
        if (_widget->isVisible() && !_widget->window()->isMinimized())
            _frame.start(frameInterval());
    }

    int frameInterval() const
    {
        const QScreen* screen = _widget->screen();
        const double hz = screen && screen->refreshRate() > 0 ? screen->refreshRate() : 60.0;
        return static_cast<int>(std::ceil(1000.0 / std::clamp(hz, 1.0, _maxHz)));
    }

    QObject _context;
    QTimer _frame;
    QPointer<QWidget> _widget;
    std::function<void(const QString&)> _show;
    std::mutex _mutex;
    std::string _latest;
    std::string _shown; // GUI thread
    bool _armed = false;
    double _maxHz;
    Watcher _watcher;
};

class FileLabelDisplay final : public UiText {
public:
    FileLabelDisplay(QLabel* label, QWidget* window)
        : _display(makeLabelDisplay(label))
        , _window(window)
        , _title(window->windowTitle())
    {
    }

    // Called on the GUI thread only, so the title can be set directly.
    void setText(const std::string& utf8) override
    {
        _display->setText(utf8);
        _window->setWindowTitle(
            utf8.empty() ? _title : QString::fromStdString(utf8) + " — " + _title);
    }

private:
    std::unique_ptr<TextDisplay> _display;
    QWidget* _window;
    QString _title;
};

class CommandControl final : public Control {
public:
    explicit CommandControl(QWidget* control)
        : _tag(tagOf(control))
    {
    }
    int tag() const override { return _tag; }

private:
    int _tag;
};

class QtButton final : public Button {
public:
    explicit QtButton(QAbstractButton* button)
        : _button(button)
    {
    }
    int tag() const override { return tagOf(_button); }
    void setTitle(const std::string& title) override
    {
        _button->setText(QString::fromStdString(title));
    }

private:
    QAbstractButton* _button;
};

class QtSlider final : public Slider {
public:
    explicit QtSlider(QAbstractSlider* slider)
        : _slider(slider)
    {
    }
    double doubleValue() const override { return _slider->value(); }

private:
    QAbstractSlider* _slider;
};

class QtPopUpMenu final : public PopUpMenu {
public:
    explicit QtPopUpMenu(QComboBox* menu)
        : _menu(menu)
    {
        const QStringList tags
            = menu->property("itemTags").toString().split(',', Qt::SkipEmptyParts);
        for (int i = 0; i < tags.size() && i < menu->count(); ++i)
            menu->setItemData(i, tags[i].trimmed().toInt());
    }

    int tag() const override { return tagOf(_menu); }
    void addItemWithTitle(const std::string& title) override
    {
        _menu->addItem(QString::fromStdString(title), 0);
    }
    bool setTagOfItemWithTitle(const std::string& title, int itemTag) override
    {
        const int index = _menu->findText(QString::fromStdString(title), Qt::MatchExactly);
        if (index < 0)
            return false;
        _menu->setItemData(index, itemTag);
        return true;
    }
    bool selectItemWithTag(int itemTag) override
    {
        const int index = _menu->findData(itemTag);
        if (index < 0)
            return false;
        _menu->setCurrentIndex(index);
        return true;
    }
    std::optional<int> selectedItemTag() const override
    {
        if (_menu->currentIndex() < 0)
            return std::nullopt;
        return _menu->currentData().toInt();
    }

private:
    QComboBox* _menu;
};

class QtPanel final : public Panel {
public:
    explicit QtPanel(SubtitlePanel* panel)
        : _panel(panel)
    {
    }
    void orderFront() override { _panel->orderFront(); }

private:
    SubtitlePanel* _panel;
};

class QtAlert final : public Alert {
public:
    explicit QtAlert(QWidget* parent)
        : _parent(parent)
    {
    }
    void runModal(const std::string& message, const std::string& informative) override
    {
        QMessageBox box(QMessageBox::Warning, title(message), QString::fromStdString(message),
            QMessageBox::Ok, _parent);
        box.setInformativeText(QString::fromStdString(informative));
        box.exec();
    }
    bool runModalWithOffer(const std::string& message, const std::string& informative,
        const std::string& suggestion, const std::string& offerButton) override
    {
        QMessageBox box(QMessageBox::Warning, title(message), QString::fromStdString(message),
            QMessageBox::Ok, _parent);
        QString text = QString::fromStdString(informative);
        if (!text.isEmpty())
            text += "\n\n";
        box.setInformativeText(text + QString::fromStdString(suggestion));
        QPushButton* offer
            = box.addButton(QString::fromStdString(offerButton), QMessageBox::AcceptRole);
        box.setDefaultButton(offer);
        box.exec();
        return box.clickedButton() == offer;
    }

private:
    // A window manager cuts a long title in a narrow alert: the message is in the box anyway.
    static QString title(const std::string& message)
    {
        const QString text = QString::fromStdString(message);
        return text.size() <= 20 ? text : QStringLiteral("Subclock");
    }

    QWidget* _parent;
};

// Extensions become name filters; "'TEXT'" stands for plain-text files, as file types do elsewhere.
QString nameFilters(const std::vector<std::string>& types)
{
    QStringList patterns;
    QStringList filters;
    for (const std::string& type : types) {
        if (type == "'TEXT'") {
            filters << QObject::tr("Plain text files (*.txt *.text)");
            patterns << "*.text";
        } else {
            patterns << "*." + QString::fromStdString(type);
        }
    }
    patterns.removeDuplicates();
    filters.prepend(QObject::tr("Subtitle files (%1)").arg(patterns.join(' ')));
    filters << QObject::tr("All files (*)");
    return filters.join(";;");
}

} // namespace

int tagOf(const QWidget* control)
{
    bool ok = false;
    const int tag = control->property("tag").toInt(&ok);
    return ok ? tag : -1;
}

namespace {

// Any widget with a text property: a label, the time, the panel.
template <typename Widget> std::unique_ptr<TextDisplay> frameDisplay(Widget* widget, double maxHz)
{
    return std::make_unique<FrameDisplay>(
        widget, [widget](const QString& text) { widget->setText(text); },
        widget->text().toStdString(), maxHz);
}

} // namespace

std::unique_ptr<TextDisplay> makeLabelDisplay(QLabel* label)
{
    return frameDisplay(label, kTextHz);
}

namespace {

// The text as the file has it, kept on the label for a change of the markup choice.
constexpr const char* kRawText = "subclockRawText";

QString shownText(const QString& raw, bool showMarkup)
{
    return showMarkup ? raw : QString::fromStdString(plainSubtitleText(raw.toStdString()));
}

} // namespace

std::unique_ptr<TextDisplay> makeMessageDisplay(QLabel* label, std::function<bool()> showMarkup)
{
    return std::make_unique<FrameDisplay>(
        label,
        [label, showMarkup = std::move(showMarkup)](const QString& text) {
            label->setProperty(kRawText, text);
            label->setText(shownText(text, showMarkup()));
        },
        label->text().toStdString(), kTextHz);
}

void showMarkupIn(QLabel* label, bool on)
{
    label->setText(shownText(label->property(kRawText).toString(), on));
}

std::unique_ptr<TextDisplay> makeTimeDisplay(TimeFace* face)
{
    return frameDisplay(face, kTimeHz);
}

std::unique_ptr<TextDisplay> makePanelDisplay(SubtitlePanel* panel)
{
    return frameDisplay(panel, kTextHz);
}

std::unique_ptr<TextDisplay> makeSecondPanelDisplay(SubtitlePanel* panel, SubtitlePanel* top)
{
    return std::make_unique<FrameDisplay>(
        panel,
        [panel, top](const QString& text) {
            panel->setSecondText(text);
            top->setText(text);
        },
        panel->secondText().toStdString(), kTextHz);
}

std::unique_ptr<UiText> makeFileLabelDisplay(QLabel* label, QWidget* window)
{
    return std::make_unique<FileLabelDisplay>(label, window);
}

std::unique_ptr<Button> makeButton(QAbstractButton* button)
{
    return std::make_unique<QtButton>(button);
}

std::unique_ptr<Control> makeCommandControl(QWidget* control)
{
    return std::make_unique<CommandControl>(control);
}

std::unique_ptr<Slider> makeSlider(QAbstractSlider* slider)
{
    return std::make_unique<QtSlider>(slider);
}

std::unique_ptr<PopUpMenu> makePopUpMenu(QComboBox* menu)
{
    return std::make_unique<QtPopUpMenu>(menu);
}

std::unique_ptr<Panel> makePanel(SubtitlePanel* panel)
{
    return std::make_unique<QtPanel>(panel);
}

std::unique_ptr<Alert> makeAlert(QWidget* parent)
{
    return std::make_unique<QtAlert>(parent);
}

namespace {

class QtUiQueue final : public UiQueue {
public:
    explicit QtUiQueue(QObject* context)
        : _context(context)
    {
    }
    void post(std::function<void()> work) override
    {
        QMetaObject::invokeMethod(_context, std::move(work), Qt::QueuedConnection);
    }

private:
    QObject* _context;
};

class QtBusyIndicator final : public BusyIndicator {
public:
    explicit QtBusyIndicator(QMainWindow* window)
        : _window(window)
    {
        _delay.setSingleShot(true);
        _delay.setInterval(200);
        QObject::connect(&_delay, &QTimer::timeout, window, [this] { show(); });
    }
    void begin(const std::string& what) override
    {
        _text = QString::fromStdString(what);
        if (_bar)
            _window->statusBar()->showMessage(_text);
        else
            _delay.start();
    }
    void end() override
    {
        _delay.stop();
        if (_bar) {
            _window->statusBar()->removeWidget(_bar);
            delete _bar;
            _bar = nullptr;
            _window->statusBar()->clearMessage();
        }
    }

private:
    void show()
    {
        _bar = new QProgressBar;
        // No known end: a moving bar says the program is alive.
        _bar->setRange(0, 0);
        _bar->setMaximumWidth(160);
        _window->statusBar()->addPermanentWidget(_bar);
        _window->statusBar()->showMessage(_text);
    }

    QMainWindow* _window;
    QTimer _delay;
    QProgressBar* _bar = nullptr;
    QString _text;
};

class QtQuietTimer final : public QuietTimer {
public:
    explicit QtQuietTimer(QObject* context)
    {
        _timer.setSingleShot(true);
        QObject::connect(&_timer, &QTimer::timeout, context, [this] {
            // Taken first: the work may restart the timer.
            if (auto work = std::exchange(_work, nullptr))
                work();
        });
    }
    void restart(std::chrono::milliseconds quiet, std::function<void()> work) override
    {
        _work = std::move(work);
        _timer.start(quiet);
    }
    void cancel() override
    {
        _timer.stop();
        _work = nullptr;
    }

private:
    QTimer _timer;
    std::function<void()> _work;
};

} // namespace

std::unique_ptr<UiQueue> makeUiQueue(QObject* context)
{
    return std::make_unique<QtUiQueue>(context);
}

std::unique_ptr<BusyIndicator> makeBusyIndicator(QMainWindow* window)
{
    return std::make_unique<QtBusyIndicator>(window);
}

std::unique_ptr<QuietTimer> makeQuietTimer(QObject* context)
{
    return std::make_unique<QtQuietTimer>(context);
}

std::optional<std::string> QtOpenDialog::runModal(
    const std::string& directory, const std::vector<std::string>& types)
{
    const QString path = QFileDialog::getOpenFileName(_parent,
        QObject::tr("Choose a subtitle file"), fromLocalPath(directory), nameFilters(types));
    if (path.isEmpty())
        return std::nullopt;
    return resolveLocalPath(path);
}

std::string toLocalPath(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString fromLocalPath(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string localPathOf(const QUrl& url)
{
    return QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()).toStdString();
}

std::string resolveLocalPath(const QString& path)
{
    std::string encoded = toLocalPath(path);
    struct stat st { };
    if (::lstat(encoded.c_str(), &st) == 0 || !path.startsWith('/'))
        return encoded;
    std::string resolved;
    for (const QString& part : path.split('/', Qt::SkipEmptyParts)) {
        std::string next = resolved + "/" + toLocalPath(part);
        if (::lstat(next.c_str(), &st) != 0) {
            const std::string folder = resolved.empty() ? "/" : resolved;
            if (DIR* dir = ::opendir(folder.c_str())) {
                while (const dirent* entry = ::readdir(dir)) {
                    if (QFile::decodeName(entry->d_name) == part) {
                        next = resolved + "/" + entry->d_name;
                        break;
                    }
                }
                ::closedir(dir);
            }
        }
        resolved = std::move(next);
    }
    return resolved;
}

std::string localPathOfArgument(
    const QString& argument, const QStringList& arguments, int argc, char** argv)
{
    std::string path = toLocalPath(argument);
    for (int i = 1; i < argc && i < arguments.size(); ++i) {
        if (arguments[i] == argument) {
            path = argv[i];
            break;
        }
    }
    if (!path.empty() && path.front() != '/') {
        if (char* cwd = ::getcwd(nullptr, 0)) {
            path = std::string(cwd) + "/" + path;
            std::free(cwd);
        }
    }
    return path;
}
