// The Follow menu and what following a media player changes in the main window: the clock's
// position comes from the player, the transport drives the player, the video's subtitles are
// loaded, and a player that quits or does not report its position hands back to the own clock.
#pragma once

#include "shell/MprisFollower.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>
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

class Following final : public QObject {
    Q_OBJECT

public:
    struct Parts {
        QMainWindow* window = nullptr;
        Ui::MainWindow* ui = nullptr;
        TimerThread* timer = nullptr;
        MainCtrl* ctrl = nullptr;
        PreferencesStore* store = nullptr;
    };

    // The settings key of the choice: the player's short name, empty for the own clock.
    static const std::string kSettingsKey;

    Following(const Parts& parts, const QDBusConnection& bus);
    ~Following() override;

    // Restores the stored choice; the player is followed once it is on the bus.
    void restore();
    // Follows the player NAME names (any, the first playing, when empty) once it is there.
    void followWhenThere(const std::string& name);
    void followOwnClock();

    // A player is followed now: the transport goes to it.
    bool active() const { return !_follower.followed().isEmpty(); }
    void playPause();
    void skip(double seconds);
    void toStart();
    // Runs a choice of subtitle file by the user (dialog, drop or command line): a file chosen
    // stays for the video playing, or for the first one followed.
    void chooseByHand(const std::function<void()>& choose);

    MprisFollower& follower() { return _follower; }
    QMenu* menu() { return _menu; }

signals:
    // A player is followed from now on, or no longer.
    void activeChanged();

private:
    void rebuildMenu();
    void startFollowing(const QString& busName);
    // Back to the own clock, paused where the player was.
    void stopFollowing();
    void tryWish();
    void showPlayback();
    void showCapabilities();
    // The user's (or the stored wish's) choice, stored and followed.
    void chooseOwnClock();
    void followChosen(const std::string& busName);
    void onMediaChanged(const QUrl& url);
    void say(const QString& message);

    Parts _p;
    MprisFollower _follower;
    QMenu* _menu = nullptr;
    QActionGroup* _group = nullptr;
    QPushButton* _ownClockButton = nullptr;
    std::optional<std::string> _wish;
    // The video a subtitle file was chosen by hand for; empty URL: the next one seen.
    std::optional<QUrl> _chosenByHandFor;
    QString _title;
};
