// A followed media player's position: its readings in, a smooth position out for the clock.
#pragma once

#include "playback/PositionSource.h"

#include <functional>
#include <mutex>
#include <vector>

// Players report their position only when asked, so between readings it is extrapolated with
// the player's rate while it plays. A reading may be old but is never early (Chromium refreshes
// its Position only every 100 ms), so while playing the clock follows whichever of the last few
// seconds' readings is furthest ahead. A small difference found by a new reading is corrected
// gradually (slewed) so the shown time never steps back; a big one is a seek and shown at once.
// Updates come from the UI thread, position() from the playback worker too: all calls are
// thread-safe.
class FollowedPosition final : public PositionSource {
public:
    enum class Status { Stopped, Paused, Playing };
    // Seconds from an arbitrary fixed origin; only differences are used.
    using Clock = std::function<double()>;

    // Differences below this are slewed, larger ones shown at once.
    static constexpr double kJumpThreshold = 0.25;
    // A position that stays put this long while the player says it plays is never going to move.
    static constexpr double kStuckAfter = 2.0;
    // How long a reading taken while playing still counts against newer ones.
    static constexpr double kRecentFor = 5.0;

    explicit FollowedPosition(Clock now);

    // Forgets every reading: a new player, or the same one after a quit.
    void reset(double position, Status status, double rate);
    void setStatus(Status status);
    // Negative rates are treated as 0: the clock does not run backwards.
    void setRate(double rate);
    // A Position reading the player took at `at` (the injected clock's time, e.g. the middle of
    // the call's round trip).
    void read(double position, double at);
    // The player's Seeked signal. Chromium sends one at every position update, so a position
    // within kJumpThreshold of the clock's is a resync, taken as a reading that replaces the
    // recent ones (its position is computed as it is sent, and may move the clock back); a
    // larger difference is a jump, shown at once. True for a jump.
    bool seeked(double position, double at);

    // The position to show now: never less than the last one returned, except after a seek, a
    // large correction or a pause that lands a little behind.
    double position() const override;
    // The player says it plays but its readings have not moved for kStuckAfter.
    bool stuck() const;
    Status status() const;
    double rate() const;

private:
    // The player's position at t by the last reading.
    double targetAt(double t) const;
    // The position shown at t: the slewing line until it meets the target, then the target.
    double shownAt(double t) const;
    // Starts a correction from the shown position to the target, or jumps when it is large.
    void slewFrom(double shown, double t);
    void readLocked(double position, double at);

    struct Reading {
        double position;
        double at;
    };

    Clock _now;
    mutable std::mutex _mutex;
    Status _status = Status::Stopped;
    double _rate = 1.0;
    // The target line: position _base at time _origin, moving with _rate while playing.
    double _base = 0;
    double _origin = 0;
    // The shown line while a correction is under way: _slewBase at _slewStart, moving at
    // _slewRate until _slewEnd, where it meets the target line.
    double _slewBase = 0;
    double _slewStart = 0;
    double _slewRate = 0;
    double _slewEnd = 0;
    // Readings of the last kRecentFor while playing at this rate, oldest first.
    std::vector<Reading> _recent;
    // The last reading that moved, and when it was first seen, for the stuck rule.
    double _stillValue = 0;
    double _stillSince = 0;
    bool _stillKnown = false;
    bool _stuck = false;
};
