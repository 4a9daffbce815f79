// Qt's side of what a read found: a label in the status bar, a menu of recent files, and a
// file-system watch that waits for an editor to finish saving before asking for a new read.
#include "shell/QtReadingView.h"

#include "shell/QtAdapters.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QStatusBar>
#include <QTimer>
#include <QToolTip>

namespace {

constexpr qint64 kKeepMs = 10000;
constexpr int kRecentMessages = 5;

} // namespace

QtReadingView::QtReadingView(QMainWindow* window, QMenu* recentMenu,
    std::function<void(std::string)> open, std::function<void()> changed)
    : QObject(window)
    , _window(window)
    , _status(new QLabel(window))
    , _recentMenu(recentMenu)
    , _watcher(new QFileSystemWatcher(this))
    , _settle(new QTimer(this))
    , _open(std::move(open))
    , _changed(std::move(changed))
{
    _status->setObjectName("readingStatus");
    _status->setTextFormat(Qt::RichText);
    window->statusBar()->addWidget(_status, 1);
    QObject::connect(_status, &QLabel::linkActivated, this, [this] {
        QStringList lines;
        for (const std::size_t n : _skipped)
            lines << QString::number(n);
        QMessageBox::information(_window, tr("Skipped blocks"),
            tr("Blocks skipped, by the line they start on: %1").arg(lines.join(", ")));
    });
    // Saving is often several writes, or a new file renamed over the old one.
    _settle->setSingleShot(true);
    _settle->setInterval(250);
    QObject::connect(_settle, &QTimer::timeout, this, [this] { fileChanged(); });
    QObject::connect(
        _watcher, &QFileSystemWatcher::fileChanged, this, [this] { _settle->start(); });
    showRecentFiles({});
    QObject::connect(window->statusBar(), &QStatusBar::messageChanged, this,
        [this](const QString& text) { messageChanged(text); });
    qApp->installEventFilter(this);
}

void QtReadingView::messageChanged(const QString& text)
{
    // A menu's status tips come and go as the pointer passes: no event of their own. Work
    // under way ("Reading film.srt…") is over when it is cleared, and is no event either.
    if (QApplication::activePopupWidget() || text.endsWith(QChar(0x2026)))
        return;
    if (!text.isEmpty()) {
        if (text == _message)
            return;
        _message = text;
        _since.start();
        _userActed = false;
        _recent << QDateTime::currentDateTime().toString("HH:mm:ss ") + text;
        while (_recent.size() > kRecentMessages)
            _recent.removeFirst();
        const QString tip = tr("Recent messages:") + "\n" + _recent.join("\n");
        _window->statusBar()->setToolTip(tip);
        _status->setToolTip(tip);
        return;
    }
    // Cleared by the next reading or a timing: said again until the user has read it.
    if (!_message.isEmpty() && !_userActed && _since.isValid() && _since.elapsed() < kKeepMs) {
        const int rest = static_cast<int>(kKeepMs - _since.elapsed());
        QTimer::singleShot(0, this, [this, rest] {
            if (_window->statusBar()->currentMessage().isEmpty() && !_message.isEmpty())
                _window->statusBar()->showMessage(_message, rest);
        });
        return;
    }
    _message.clear();
}

bool QtReadingView::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
        _userActed = true;
        break;
    default:
        break;
    }
    // A click on the status line shows what the hover shows, for those who do not hover.
    if (event->type() == QEvent::MouseButtonPress && !_recent.isEmpty()
        && (watched == _window->statusBar() || watched == _status))
        QToolTip::showText(static_cast<QMouseEvent*>(event)->globalPosition().toPoint(),
            _window->statusBar()->toolTip(), _window->statusBar());
    return QObject::eventFilter(watched, event);
}

void QtReadingView::showReading(const std::string& text, const std::vector<std::size_t>& skipped)
{
    _skipped = skipped;
    QString html = QString::fromStdString(text).toHtmlEscaped();
    if (!skipped.empty())
        html += QStringLiteral(" <a href=\"skipped\">%1</a>").arg(tr("(which lines?)"));
    _status->setText(html);
}

void QtReadingView::showRecentFiles(const std::vector<std::string>& paths)
{
    _recentMenu->clear();
    for (const std::string& path : paths) {
        const QString shown = fromLocalPath(path);
        QAction* action = _recentMenu->addAction(QFileInfo(shown).fileName());
        action->setToolTip(shown);
        action->setStatusTip(shown);
        QObject::connect(action, &QAction::triggered, this, [this, path] { _open(path); });
    }
    _recentMenu->setEnabled(!paths.empty());
}

void QtReadingView::watchFile(const std::string& path)
{
    if (!_watched.isEmpty())
        _watcher->removePath(_watched);
    _watched = path.empty() ? QString() : fromLocalPath(path);
    if (!_watched.isEmpty())
        _watcher->addPath(_watched);
}

void QtReadingView::fileChanged()
{
    // A file replaced by a rename is a new file: watch it again.
    if (!_watched.isEmpty() && !_watcher->files().contains(_watched) && QFileInfo::exists(_watched))
        _watcher->addPath(_watched);
    _changed();
}
