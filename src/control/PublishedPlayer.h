// Subclock as a media player other programs control (media keys, playerctl, desktop widgets):
// what it reports, when a jump is to be announced, and which command each request is.
#pragma once

#include "control/Transport.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class MainCtrl;
class TimerThread;

// What the player shows to others. Positions and lengths in microseconds, as the bus has them.
struct PublishedState {
    enum class Status { Playing, Paused, Stopped };
    Status status = Status::Stopped;
    std::int64_t positionUs = 0;
    // The subtitles' end on the clock; 0 without subtitles.
    std::int64_t lengthUs = 0;
    // The subtitle file's path and its last component; empty for none.
    std::string path;
    std::string title;
    // Names the file chosen: a request for another track's position is ignored.
    std::string trackId;
    bool canPlay = false;
    bool canPause = false;
    bool canSeek = false;
    bool canGoNext = false;
    bool canGoPrevious = false;

    bool operator==(const PublishedState&) const = default;
};

// Used on the UI thread only. While a player is followed, Subclock publishes no position of its
// own: it reports Stopped at 0 with every command refused, so that two instances never follow
// each other's clock, and a desktop picking "the player that plays" picks the real one.
// Nothing is looked at on a schedule: the controller says what changed, so a clock playing on
// costs nothing here, and Position is read when asked for.
class PublishedPlayer {
public:
    static constexpr const char* kNoTrack = "/org/mpris/MediaPlayer2/TrackList/NoTrack";

    using Following = std::function<bool()>;

    // Takes the controller's change listener for as long as it lives.
    PublishedPlayer(MainCtrl& ctrl, TimerThread& timer, Following following);
    ~PublishedPlayer();
    PublishedPlayer(const PublishedPlayer&) = delete;
    PublishedPlayer& operator=(const PublishedPlayer&) = delete;

    PublishedState state() const;

    // The requests; each is ignored while a player is followed or when it cannot apply.
    void play();
    void pause();
    void playPause();
    // To the start, paused.
    void stop();
    // To the next or the previous subtitle.
    void next();
    void previous();
    // Relative; never before 0.
    void seek(std::int64_t offsetUs);
    // Ignored unless trackId names the file chosen and the position lies within its length.
    void setPosition(const std::string& trackId, std::int64_t positionUs);

    // Told after a change of the controller's that may be worth announcing; poll() says what.
    // Whoever announces calls poll() when the command is done, and after following starts or
    // stops, which the controller does not see.
    void setListener(std::function<void()> listener) { _listener = std::move(listener); }

    // What changed since the last look, for the bus to announce.
    struct Changes {
        // Property names as the player interface has them (never Position, which is read).
        std::vector<std::string> properties;
        // Whether the position jumped, rather than ran on, and where it landed.
        bool seeked = false;
        std::int64_t positionUs = 0;
    };
    Changes poll();

private:
    bool controllable() const;

    MainCtrl& _ctrl;
    TimerThread& _timer;
    std::unique_ptr<Transport> _transport;
    Following _following;
    std::function<void()> _listener;
    PublishedState _last;
    bool _lastFollowing = false;
    // The own clock was moved since the last look, however little.
    bool _jumped = false;
    // Bumped by every new file, so a track id never names two files.
    mutable std::uint64_t _tracks = 0;
    mutable std::string _trackFile;
};
