// The Follow menu and what following a media player shows in the main window: the Start
// button's title, the controls a player refuses, the offer of the own clock, the messages.
#pragma once

#include "control/FollowSession.h"
#include "control/FollowView.h"
#include "shell/MprisFollower.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <functional>
#include <string>

namespace Ui {
class MainWindow;
} // namespace Ui

class MainCtrl;
class PreferencesStore;
class QActionGroup;
class QMainWindow;
class QMenu;
class QPushButton;
class TimerThread;

class Following final : public QObject, private FollowView {
    Q_OBJECT

public:
    struct Wiring {
        QMainWindow* window = nullptr;
        Ui::MainWindow* ui = nullptr;
        TimerThread* timer = nullptr;
        MainCtrl* ctrl = nullptr;
        PreferencesStore* store = nullptr;
    };

    Following(const Wiring& parts, const QDBusConnection& bus);
    ~Following() override;

    // Restores the stored choice; the player is followed once it is on the bus.
    void restore() { _session.restore(); }
    // Follows the player NAME names (any, the first playing, when empty) once it is there.
    void followWhenThere(const std::string& name) { _session.followWhenThere(name); }

    bool active() const { return _session.active(); }
    // What the transport buttons and keys drive: the followed player, else the own clock.
    Transport& transport() { return _session.transport(); }
    void chooseByHand(const std::function<void()>& choose) { _session.chooseByHand(choose); }

    MprisFollower& follower() { return _follower; }
    QMenu* menu() { return _menu; }

signals:
    // A player is followed from now on, or no longer.
    void activeChanged();

private:
    void say(const std::string& utf8) override;
    void showPlayers() override;
    void showPlayback(bool playing) override;
    void showCapabilities() override;
    void offerOwnClock(bool offered) override;
    void followingChanged() override { emit activeChanged(); }

    Wiring _p;
    MprisFollower _follower;
    QMenu* _menu = nullptr;
    QActionGroup* _group = nullptr;
    QPushButton* _ownClockButton = nullptr;
    // After the follower and the widgets, which it reports to from its first call.
    FollowSession _session;
};
