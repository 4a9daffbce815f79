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
class PublishedPlayer {
public:
    // A change of position this far (in seconds) from the one counted on is a jump.
    static constexpr double kJumpTolerance = 0.25;
    static constexpr const char* kNoTrack = "/org/mpris/MediaPlayer2/TrackList/NoTrack";

    using Clock = std::function<double()>;
    using Following = std::function<bool()>;

    PublishedPlayer(MainCtrl& ctrl, TimerThread& timer, Following following, Clock clock);
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
    // A request that moves the clock is a jump even when it moves less than the tolerance.
    void moved() { _jumped = true; }

    MainCtrl& _ctrl;
    TimerThread& _timer;
    std::unique_ptr<Transport> _transport;
    Following _following;
    Clock _clock;
    PublishedState _last;
    double _lastAt = 0;
    bool _jumped = false;
    // Bumped by every new file, so a track id never names two files.
    mutable std::uint64_t _tracks = 0;
    mutable std::string _trackFile;
};
