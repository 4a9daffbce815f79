// Following a media player in the main window: the menu, the buttons, and the D-Bus follower
// wired to the follow session.
#include "shell/Following.h"

#include "control/SubtitleFinder.h"
#include "ui_MainWindow.h"

#include <QActionGroup>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

namespace {

const char* const kOwnToolTip = "ownToolTip";

void allowOrSayWhy(QAbstractButton* button, bool allowed, const QString& why)
{
    if (!button->property(kOwnToolTip).isValid())
        button->setProperty(kOwnToolTip, button->toolTip());
    button->setEnabled(allowed);
    button->setToolTip(allowed ? button->property(kOwnToolTip).toString() : why);
}

// The widgets exist before the session reports to them.
QMenu* addFollowMenu(QMainWindow* window)
{
    QMenu* menu = window->menuBar()->addMenu(QObject::tr("F&ollow"));
    menu->setToolTipsVisible(true);
    return menu;
}

} // namespace

Following::Following(const Wiring& parts, const QDBusConnection& bus)
    : _p(parts)
    , _follower(bus)
    , _menu(addFollowMenu(_p.window))
    , _ownClockButton(new QPushButton(tr("Use own clock"), _p.window))
    , _session({ .bus = &_follower,
          .ctrl = _p.ctrl,
          .timer = _p.timer,
          .store = _p.store,
          .view = this,
          .language = localeLanguage(QLocale::system().name().toStdString()) })
{
    _ownClockButton->setToolTip(tr("Stop following the player and count from Start again"));
    _ownClockButton->hide();
    _p.window->statusBar()->addPermanentWidget(_ownClockButton);
    connect(_ownClockButton, &QPushButton::clicked, this, [this] { _session.chooseOwnClock(); });
    showPlayers();
}

Following::~Following() = default;

void Following::showPlayers()
{
    _menu->clear();
    // clear() deletes the actions but not the group that made them exclusive.
    delete _group;
    _group = new QActionGroup(_menu);
    QAction* own = _menu->addAction(tr("Own clock"));
    own->setCheckable(true);
    own->setChecked(!_session.active());
    _group->addAction(own);
    connect(own, &QAction::triggered, this, [this] { _session.chooseOwnClock(); });
    if (!_follower.busAvailable()) {
        const QString error = QString::fromStdString(_follower.busError());
        own->setToolTip(error);
        _menu->menuAction()->setToolTip(error);
        return;
    }
    own->setToolTip(tr("Count from Start, as without a player"));
    const std::vector<PlayerInfo>& players = _follower.players();
    if (!players.empty())
        _menu->addSeparator();
    const std::vector<std::string> titles = playerTitles(players);
    const std::string followed = _follower.followed();
    for (std::size_t i = 0; i < players.size(); ++i) {
        const std::string busName = players[i].busName;
        QAction* action = _menu->addAction(QString::fromStdString(titles[i]));
        action->setCheckable(true);
        action->setChecked(busName == followed);
        action->setToolTip(tr("Take the position from %1").arg(QString::fromStdString(busName)));
        _group->addAction(action);
        connect(
            action, &QAction::triggered, this, [this, busName] { _session.followChosen(busName); });
    }
}

void Following::showPlayback(bool playing)
{
    _p.ui->startButton->setText(playing ? tr("Stop") : tr("Start"));
}

void Following::showCapabilities()
{
    Ui::MainWindow& ui = *_p.ui;
    const bool on = _session.active();
    const QString title = QString::fromStdString(_session.title());
    const QString cannot = tr("%1 does not let others control it").arg(title);
    allowOrSayWhy(ui.startButton, !on || _follower.canPause(),
        _follower.canControl() ? tr("%1 does not allow pausing").arg(title) : cannot);
    const QString noSeek
        = _follower.canControl() ? tr("%1 does not allow seeking").arg(title) : cannot;
    for (QAbstractButton* button : { ui.rewindButton, ui.fastForwardButton, ui.resetButton })
        allowOrSayWhy(button, !on || _follower.canSeek(), noSeek);
}

void Following::offerOwnClock(bool offered)
{
    _ownClockButton->setVisible(offered);
}

void Following::say(const std::string& utf8)
{
    _p.window->statusBar()->showMessage(QString::fromStdString(utf8));
}
