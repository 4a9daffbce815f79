// Following a media player: the wish for one, the hand-over between the player and the own clock,
// the transport in force, and the subtitles of the video it plays.
#pragma once

#include "control/FollowView.h"
#include "control/PlayerBus.h"
#include "control/Transport.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>

class MainCtrl;
class PreferencesStore;
class TimerThread;

// Called on the UI thread only. While a player is followed the timer shows its position and
// moves to a subtitle or a time go to it; it hands back to the own clock paused where it was.
class FollowSession final : private PlayerBus::Listener {
public:
    struct Wiring {
        PlayerBus* bus = nullptr;
        MainCtrl* ctrl = nullptr;
        TimerThread* timer = nullptr;
        PreferencesStore* store = nullptr;
        FollowView* view = nullptr;
        // The user's language ("de"), for a video's subtitles in it; may be empty.
        std::string language;
    };

    explicit FollowSession(Wiring parts);
    ~FollowSession() override;
    FollowSession(const FollowSession&) = delete;
    FollowSession& operator=(const FollowSession&) = delete;

    // Restores the stored choice; the player is followed once it is on the bus.
    void restore();
    // Follows the player NAME names (any, the first playing, when empty) once it is there.
    void followWhenThere(const std::string& name);
    // The user's choices, stored for the next run.
    void chooseOwnClock();
    void followChosen(const std::string& busName);

    bool active() const { return !_bus.followed().empty(); }
    // The player while one is followed, else the own clock.
    Transport& transport() { return active() ? *_player : *_ownClock; }
    const std::string& title() const { return _title; }
    // Runs a choice of subtitle file by the user (dialog, drop or command line): a file chosen
    // stays for the video playing, or for the first one followed.
    void chooseByHand(const std::function<void()>& choose);

private:
    void playersChanged() override;
    void playbackChanged() override;
    void capabilitiesChanged() override;
    void mediaChanged() override;
    void playerQuit(const std::string& title) override;
    void positionStuck() override;

    void tryWish();
    void startFollowing(const std::string& busName);
    // Back to the own clock, paused where the player was.
    void stopFollowing();
    void showAll();
    std::string heldAt() const;

    PlayerBus& _bus;
    MainCtrl& _ctrl;
    TimerThread& _timer;
    PreferencesStore& _store;
    FollowView& _view;
    const std::string _language;
    std::unique_ptr<Transport> _ownClock;
    std::unique_ptr<Transport> _player;
    std::optional<std::string> _wish;
    // The video a subtitle file was chosen by hand for; empty: the next one seen.
    std::optional<std::string> _chosenByHandFor;
    std::string _title;
    // The own clock's position when following began: where a player without one starts.
    double _ownClockAt = 0;
    bool _ownPositionSaid = false;
};
