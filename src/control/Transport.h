// Play, pause and moves: the one interface the transport buttons and keys call, whoever keeps time.
#pragma once

#include <memory>

class MainCtrl;
class PlayerBus;
class TimerThread;

// Called on the UI thread only.
class Transport {
public:
    virtual ~Transport() = default;
    // Safe to repeat: play while playing and pause while paused do nothing.
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void playPause() = 0;
    virtual void seekTo(double seconds) = 0;
    // Forwards (positive) or back, never before the start.
    virtual void skipBy(double seconds) = 0;
    virtual void toStart() = 0;
    virtual bool playing() const = 0;

protected:
    Transport() = default;
    Transport(const Transport&) = delete;
    Transport& operator=(const Transport&) = delete;
};

// The own clock, counting from Start, as the controller runs it.
std::unique_ptr<Transport> makeOwnClockTransport(MainCtrl& ctrl, TimerThread& timer);
// The followed player, which keeps the time; nothing waits for its answer.
std::unique_ptr<Transport> makePlayerTransport(PlayerBus& bus);
