// Extrapolation, slewing and the stuck rule of a followed player's position.
#include "playback/FollowedPosition.h"

#include <algorithm>
#include <cmath>

namespace {

// How long a small correction takes; a lagging clock slows to at least half speed instead of
// stepping back, which can take longer.
constexpr double kSlewTime = 0.5;
// Readings closer than this count as the same position (players round to microseconds or more).
constexpr double kStill = 0.0005;

} // namespace

FollowedPosition::FollowedPosition(Clock now)
    : _now(std::move(now))
{
}

void FollowedPosition::reset(double position, Status status, double rate)
{
    const std::lock_guard lock(_mutex);
    _status = status;
    _rate = std::max(rate, 0.0);
    _base = position;
    _origin = _now();
    _slewEnd = _origin;
    _recent.clear();
    _stillKnown = false;
    _stuck = false;
}

void FollowedPosition::setStatus(Status status)
{
    const std::lock_guard lock(_mutex);
    if (status == _status)
        return;
    const double t = _now();
    // A pause holds the best estimate of where the player stopped; its reading follows.
    _base = targetAt(t);
    _origin = t;
    _slewEnd = t;
    _status = status;
    _recent.clear();
    _stillKnown = false;
    _stuck = false;
}

void FollowedPosition::setRate(double rate)
{
    const std::lock_guard lock(_mutex);
    // Chromium repeats its Rate with every position update; the same rate keeps the readings.
    if (std::max(rate, 0.0) == _rate)
        return;
    const double t = _now();
    const double shown = shownAt(t);
    _base = targetAt(t);
    _origin = t;
    _rate = std::max(rate, 0.0);
    _recent.clear();
    slewFrom(shown, t);
}

void FollowedPosition::read(double position, double at)
{
    const std::lock_guard lock(_mutex);
    readLocked(position, at);
}

void FollowedPosition::readLocked(double position, double at)
{
    if (_status == Status::Playing && _rate > 0) {
        if (_stillKnown && std::abs(position - _stillValue) < kStill) {
            _stuck = _stuck || at - _stillSince >= kStuckAfter;
        } else {
            _stillValue = position;
            _stillSince = at;
            _stillKnown = true;
            _stuck = false;
        }
        // A stuck player's readings would pull the clock back to the same place every time.
        if (_stuck)
            return;
    }
    const double t = _now();
    const double shown = shownAt(t);
    // Far from the line the clock follows, the player moved: the recent readings are of before.
    if (std::abs(position - targetAt(at)) >= kJumpThreshold)
        _recent.clear();
    _base = position;
    _origin = at;
    if (_status == Status::Playing && _rate > 0) {
        std::erase_if(_recent, [&](const Reading& r) { return at - r.at > kRecentFor; });
        _recent.push_back({ position, at });
        const auto freshest = std::max_element(
            _recent.begin(), _recent.end(), [&](const Reading& a, const Reading& b) {
                return a.position - _rate * a.at < b.position - _rate * b.at;
            });
        _base = freshest->position;
        _origin = freshest->at;
    }
    slewFrom(shown, t);
}

bool FollowedPosition::seeked(double position, double at)
{
    const std::lock_guard lock(_mutex);
    _recent.clear();
    if (std::abs(position - targetAt(at)) < kJumpThreshold) {
        readLocked(position, at);
        return false;
    }
    _base = position;
    _origin = at;
    _slewEnd = _now();
    _stillKnown = false;
    _stuck = false;
    return true;
}

double FollowedPosition::position() const
{
    const std::lock_guard lock(_mutex);
    return shownAt(_now());
}

bool FollowedPosition::stuck() const
{
    const std::lock_guard lock(_mutex);
    return _stuck;
}

FollowedPosition::Status FollowedPosition::status() const
{
    const std::lock_guard lock(_mutex);
    return _status;
}

double FollowedPosition::rate() const
{
    const std::lock_guard lock(_mutex);
    return _rate;
}

double FollowedPosition::targetAt(double t) const
{
    return _status == Status::Playing ? _base + _rate * (t - _origin) : _base;
}

double FollowedPosition::shownAt(double t) const
{
    return t < _slewEnd ? _slewBase + _slewRate * (t - _slewStart) : targetAt(t);
}

void FollowedPosition::slewFrom(double shown, double t)
{
    const double error = targetAt(t) - shown;
    // Held, or a real jump: show the player's own position.
    if (_status != Status::Playing || _rate <= 0 || std::abs(error) >= kJumpThreshold) {
        _slewEnd = t;
        return;
    }
    const double duration = error >= 0 ? kSlewTime : std::max(kSlewTime, -2 * error / _rate);
    _slewBase = shown;
    _slewStart = t;
    _slewRate = _rate + error / duration;
    _slewEnd = t + duration;
}
