// Following a media player: the menu, the hand-over between the player and the own clock, the
// transport sent to the player, and the messages that say what happened.
#include "shell/Following.h"

#include "control/MainCtrl.h"
#include "control/PreferencesStore.h"
#include "control/Settings.h"
#include "control/SubtitleFinder.h"
#include "playback/TimerThread.h"
#include "subtitles/TimeCode.h"
#include "ui_MainWindow.h"

#include <QActionGroup>
#include <QFileInfo>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

const std::string Following::kSettingsKey(settings::kFollowPlayer.name);

namespace {

const char* const kOwnToolTip = "ownToolTip";

void allowOrSayWhy(QAbstractButton* button, bool allowed, const QString& why)
{
    if (!button->property(kOwnToolTip).isValid())
        button->setProperty(kOwnToolTip, button->toolTip());
    button->setEnabled(allowed);
    button->setToolTip(allowed ? button->property(kOwnToolTip).toString() : why);
}

} // namespace

Following::Following(const Parts& parts, const QDBusConnection& bus)
    : _p(parts)
    , _follower(bus)
{
    _menu = _p.window->menuBar()->addMenu(tr("F&ollow"));
    _menu->setToolTipsVisible(true);
    _ownClockButton = new QPushButton(tr("Use own clock"), _p.window);
    _ownClockButton->hide();
    _p.window->statusBar()->addPermanentWidget(_ownClockButton);
    connect(_ownClockButton, &QPushButton::clicked, this, &Following::chooseOwnClock);

    connect(&_follower, &MprisFollower::playersChanged, this, [this] {
        rebuildMenu();
        tryWish();
    });
    connect(&_follower, &MprisFollower::playbackChanged, this, &Following::showPlayback);
    connect(&_follower, &MprisFollower::capabilitiesChanged, this, &Following::showCapabilities);
    connect(&_follower, &MprisFollower::mediaChanged, this, &Following::onMediaChanged);
    connect(&_follower, &MprisFollower::playerQuit, this, [this](const QString& title) {
        stopFollowing();
        say(tr("%1 quit: back to the own clock, paused at %2.")
                .arg(title, QString::fromStdString(displayText(_p.timer->getPosition()))));
    });
    connect(&_follower, &MprisFollower::positionStuck, this, [this] {
        say(tr("%1 does not report its position.").arg(_title));
        _ownClockButton->show();
    });
    rebuildMenu();
}

Following::~Following()
{
    // The worker must not read a position that is going away.
    _p.timer->setPositionSource(nullptr);
}

void Following::rebuildMenu()
{
    _menu->clear();
    // clear() deletes the actions but not the group that made them exclusive.
    delete _group;
    _group = new QActionGroup(_menu);
    QActionGroup* group = _group;
    QAction* own = _menu->addAction(tr("Own clock"));
    own->setCheckable(true);
    own->setChecked(!active());
    group->addAction(own);
    connect(own, &QAction::triggered, this, &Following::chooseOwnClock);
    if (!_follower.busAvailable()) {
        own->setToolTip(_follower.busError());
        _menu->menuAction()->setToolTip(_follower.busError());
        return;
    }
    own->setToolTip(tr("Count from Start, as without a player"));
    const std::vector<PlayerInfo>& players = _follower.players();
    if (!players.empty())
        _menu->addSeparator();
    const std::vector<std::string> titles = playerTitles(players);
    for (std::size_t i = 0; i < players.size(); ++i) {
        const QString busName = QString::fromStdString(players[i].busName);
        QAction* action = _menu->addAction(QString::fromStdString(titles[i]));
        action->setCheckable(true);
        action->setChecked(busName == _follower.followed());
        action->setToolTip(tr("Take the position from %1").arg(busName));
        group->addAction(action);
        connect(action, &QAction::triggered, this,
            [this, busName] { followChosen(busName.toStdString()); });
    }
}

void Following::restore()
{
    std::optional<std::string> stored;
    try {
        stored = _p.store->stringValue(kSettingsKey);
    } catch (const PreferencesError&) {
        // A damaged value means the default, the own clock.
    }
    if (stored && !stored->empty())
        followWhenThere(*stored);
}

void Following::followWhenThere(const std::string& name)
{
    _wish = name;
    if (!_follower.busAvailable()) {
        say(_follower.busError());
        return;
    }
    say(name.empty() ? tr("Waiting for a media player to follow.")
                     : tr("Waiting for a media player named “%1” to follow.")
                           .arg(QString::fromStdString(name)));
    tryWish();
}

void Following::tryWish()
{
    if (!_wish || active() || !_follower.playersKnown())
        return;
    const std::optional<std::size_t> chosen = choosePlayer(_follower.players(), *_wish);
    if (!chosen)
        return;
    followChosen(_follower.players()[*chosen].busName);
}

void Following::chooseOwnClock()
{
    _wish.reset();
    _p.store->setString(kSettingsKey, "");
    followOwnClock();
}

void Following::followChosen(const std::string& busName)
{
    _wish.reset();
    _p.store->setString(kSettingsKey, storedPlayerName(busName));
    startFollowing(QString::fromStdString(busName));
}

void Following::followOwnClock()
{
    if (active()) {
        stopFollowing();
        say(tr("Own clock, paused at %1.")
                .arg(QString::fromStdString(displayText(_p.timer->getPosition()))));
    }
}

void Following::startFollowing(const QString& busName)
{
    if (busName == _follower.followed())
        return;
    if (active())
        stopFollowing();
    // The own clock stops; the worker then runs for as long as the player is followed.
    if (_p.ctrl->started())
        _p.ui->startButton->click();
    _follower.follow(busName);
    _title = _follower.titleOf(_follower.followed());
    _p.ctrl->sendParsedArray();
    _p.timer->setPositionSource(&_follower.position());
    // Moves to a subtitle or a time (Ctrl+Left/Right, the list, Go to) go to the player.
    _p.ctrl->setSeekHandler([this](double position) { _follower.setPosition(position); });
    _p.timer->start();
    say(tr("Following %1.").arg(_title));
    rebuildMenu();
    showPlayback();
    showCapabilities();
    emit activeChanged();
}

void Following::stopFollowing()
{
    _follower.follow({});
    _p.ctrl->setSeekHandler(nullptr);
    _p.timer->stop();
    _p.timer->waitFor();
    _p.timer->setPositionSource(nullptr);
    // Shown, and counted on from by the next Start.
    _p.timer->seek(_p.timer->getPosition());
    _ownClockButton->hide();
    _chosenByHandFor.reset();
    rebuildMenu();
    showPlayback();
    showCapabilities();
    emit activeChanged();
}

void Following::showPlayback()
{
    if (!active()) {
        _p.ui->startButton->setText(_p.ctrl->started() ? tr("Stop") : tr("Start"));
        return;
    }
    const bool playing = _follower.position().status() == FollowedPosition::Status::Playing;
    _p.ui->startButton->setText(playing ? tr("Stop") : tr("Start"));
}

void Following::showCapabilities()
{
    Ui::MainWindow& ui = *_p.ui;
    const bool on = active();
    const QString cannot = tr("%1 does not let others control it").arg(_title);
    allowOrSayWhy(ui.startButton, !on || _follower.canPause(),
        _follower.canControl() ? tr("%1 does not allow pausing").arg(_title) : cannot);
    const QString noSeek
        = _follower.canControl() ? tr("%1 does not allow seeking").arg(_title) : cannot;
    for (QAbstractButton* button : { ui.rewindButton, ui.fastForwardButton, ui.resetButton })
        allowOrSayWhy(button, !on || _follower.canSeek(), noSeek);
}

void Following::playPause()
{
    _follower.playPause();
}

void Following::skip(double seconds)
{
    _follower.seekBy(seconds);
}

void Following::toStart()
{
    _follower.setPosition(0);
}

void Following::chooseByHand(const std::function<void()>& choose)
{
    const std::optional<std::string> before = _p.ctrl->filename();
    choose();
    if (_p.ctrl->filename() != before)
        _chosenByHandFor = active() ? _follower.mediaUrl() : QUrl();
}

void Following::onMediaChanged(const QUrl& url)
{
    if (_chosenByHandFor && (_chosenByHandFor->isEmpty() || *_chosenByHandFor == url)) {
        _chosenByHandFor = url;
        say(tr("Following %1; keeping the subtitles you chose.").arg(_title));
        return;
    }
    _chosenByHandFor.reset();
    if (url.isEmpty())
        return;
    if (!url.isLocalFile()) {
        say(tr("%1 plays %2, not a local file: the subtitles stay as they are.")
                .arg(_title, url.toDisplayString()));
        return;
    }
    const QString video = url.toLocalFile();
    const std::optional<std::string> found = findSubtitlesFor(
        video.toStdString(), localeLanguage(QLocale::system().name().toStdString()));
    if (!found) {
        say(tr("No subtitles beside %1: the subtitles stay as they are.")
                .arg(QFileInfo(video).fileName()));
        return;
    }
    // Read at once: the running clock shows them from its next pass.
    if (!_p.ctrl->openFile(*found))
        return;
    const QFileInfo file(QString::fromStdString(*found));
    say(tr("Loaded %1 from %2, beside the video %3 plays.")
            .arg(file.fileName(), file.absolutePath(), _title));
}

void Following::say(const QString& message)
{
    _p.window->statusBar()->showMessage(message);
}
