// The own clock's transport and a followed player's.
#include "control/Transport.h"

#include "control/MainCtrl.h"
#include "control/PlayerBus.h"
#include "playback/TimerThread.h"

#include <algorithm>

namespace {

class Tagged final : public Control {
public:
    explicit Tagged(int tag)
        : _tag(tag)
    {
    }
    int tag() const override { return _tag; }

private:
    int _tag;
};

class OwnClockTransport final : public Transport {
public:
    OwnClockTransport(MainCtrl& ctrl, TimerThread& timer)
        : _ctrl(ctrl)
        , _timer(timer)
    {
    }

    void play() override { _ctrl.play(); }
    void pause() override { _ctrl.pause(); }
    void playPause() override { _ctrl.click(_startStop); }
    void seekTo(double seconds) override { _ctrl.seekTo(seconds); }
    void skipBy(double seconds) override { _ctrl.seekTo(_timer.getPosition() + seconds); }
    // Reset, not a seek to 0: the time display goes blank until the clock runs.
    void toStart() override { _ctrl.click(_reset); }
    bool playing() const override { return _ctrl.started(); }

private:
    MainCtrl& _ctrl;
    TimerThread& _timer;
    const Tagged _startStop{ MainCtrl::kStartStop };
    const Tagged _reset{ MainCtrl::kReset };
};

class PlayerTransport final : public Transport {
public:
    explicit PlayerTransport(PlayerBus& bus)
        : _bus(bus)
    {
    }

    void play() override { _bus.play(); }
    void pause() override { _bus.pause(); }
    void playPause() override { _bus.playPause(); }
    void seekTo(double seconds) override
    {
        if (!_bus.reportsPosition())
            return moveOwnClock(seconds);
        _bus.setPosition(std::max(seconds, 0.0));
    }
    // Relative, so it lands right even when the last reading is a little old.
    void skipBy(double seconds) override
    {
        if (!_bus.reportsPosition())
            return moveOwnClock(_bus.position().position() + seconds);
        _bus.seekBy(seconds);
    }
    void toStart() override { seekTo(0); }
    bool playing() const override
    {
        return _bus.position().status() == FollowedPosition::Status::Playing;
    }

private:
    // The position of a player that reports none is ours to move; it plays on as it did.
    void moveOwnClock(double seconds)
    {
        FollowedPosition& p = _bus.position();
        p.reset(std::max(seconds, 0.0), p.status(), p.rate());
    }

    PlayerBus& _bus;
};

} // namespace

std::unique_ptr<Transport> makeOwnClockTransport(MainCtrl& ctrl, TimerThread& timer)
{
    return std::make_unique<OwnClockTransport>(ctrl, timer);
}

std::unique_ptr<Transport> makePlayerTransport(PlayerBus& bus)
{
    return std::make_unique<PlayerTransport>(bus);
}
