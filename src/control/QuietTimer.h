// Runs work once a run of requests has stopped, such as saving after a held key is let go.
#pragma once

#include <chrono>
#include <functional>

// Called from the UI thread only; the work runs on the UI thread. Each restart replaces the work
// still waiting and counts the quiet time again, so a run of restarts runs the work once.
class QuietTimer {
public:
    virtual ~QuietTimer() = default;
    virtual void restart(std::chrono::milliseconds quiet, std::function<void()> work) = 0;
    // Drops the work still waiting, if any.
    virtual void cancel() = 0;

protected:
    QuietTimer() = default;
    QuietTimer(const QuietTimer&) = delete;
    QuietTimer& operator=(const QuietTimer&) = delete;
};
