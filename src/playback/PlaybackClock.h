// A position that runs from a base at a rate while running, read against an injected "now".
#pragma once

#include <functional>

// Not thread-safe: one owner reads and drives it (the playback worker owns its own).
class PlaybackClock {
public:
    // Seconds from an arbitrary fixed origin; only differences are used.
    using Now = std::function<double()>;

    explicit PlaybackClock(Now now)
        : _now(std::move(now))
    {
    }

    double position() const { return _running ? positionAt(_now()) : _base; }
    bool running() const { return _running; }
    double rate() const { return _rate; }

    // Runs on from the current position.
    void start()
    {
        if (_running)
            return;
        _origin = _now();
        _running = true;
    }
    // Holds the current position.
    void pause()
    {
        if (!_running)
            return;
        _base = positionAt(_now());
        _running = false;
    }
    // Moves to x; a running clock runs on from there.
    void seek(double x)
    {
        _base = x;
        _origin = _now();
    }
    // Replaces the base without restarting the count: the position is then base plus the time
    // run since start, as if the base had been x from the start.
    void rebase(double x) { _base = x; }
    // Keeps the current position and runs on at the new rate.
    void setRate(double rate)
    {
        if (_running) {
            const double now = _now();
            _base = positionAt(now);
            _origin = now;
        }
        _rate = rate;
    }

private:
    double positionAt(double now) const { return _base + (now - _origin) * _rate; }

    Now _now;
    double _base = 0;
    double _origin = 0;
    double _rate = 1;
    bool _running = false;
};
