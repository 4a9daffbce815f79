// The published player's state, its requests on the own clock's transport, and its jumps.
#include "control/PublishedPlayer.h"

#include "control/MainCtrl.h"
#include "playback/TimerThread.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace {

std::int64_t toUs(double seconds)
{
    return static_cast<std::int64_t>(std::llround(seconds * 1e6));
}

} // namespace

PublishedPlayer::PublishedPlayer(MainCtrl& ctrl, TimerThread& timer, Following following)
    : _ctrl(ctrl)
    , _timer(timer)
    , _transport(makeOwnClockTransport(ctrl, timer))
    , _following(std::move(following))
{
    // Once every member is there: state() keeps the track count.
    _last = state();
    _lastFollowing = _following();
    _ctrl.setChangeListener([this](MainCtrl::Change what) {
        if (what == MainCtrl::Change::jump)
            _jumped = true;
        if (_listener)
            _listener();
    });
}

PublishedPlayer::~PublishedPlayer()
{
    _ctrl.setChangeListener(nullptr);
}

bool PublishedPlayer::controllable() const
{
    return !_following();
}

PublishedState PublishedPlayer::state() const
{
    PublishedState s;
    const std::optional<std::string>& file = _ctrl.filename();
    if (file) {
        s.path = *file;
        s.title = std::filesystem::path(*file).filename().string();
        if (*file != _trackFile) {
            _trackFile = *file;
            ++_tracks;
        }
        s.trackId = "/io/github/subclock/Subtitles/" + std::to_string(_tracks);
    } else {
        s.trackId = kNoTrack;
    }
    const SharedCues cues = _timer.cues();
    const bool haveCues = cues && !cues->empty();
    if (haveCues)
        s.lengthUs = toUs(std::max(_ctrl.timing().timing().toClock(cues->lastEnd()), 0.0));
    if (!controllable())
        return s;
    const double position = _timer.getPosition();
    s.positionUs = toUs(position);
    if (_transport->playing())
        s.status = PublishedState::Status::Playing;
    else
        s.status
            = s.positionUs > 0 ? PublishedState::Status::Paused : PublishedState::Status::Stopped;
    s.canPlay = s.canPause = file.has_value();
    s.canSeek = s.canGoNext = s.canGoPrevious = haveCues;
    return s;
}

// Without a file a Start would only alert; a media key must not open a dialog.
void PublishedPlayer::play()
{
    if (controllable() && _ctrl.filename())
        _transport->play();
}

void PublishedPlayer::pause()
{
    if (controllable())
        _transport->pause();
}

void PublishedPlayer::playPause()
{
    if (controllable() && _ctrl.filename())
        _transport->playPause();
}

void PublishedPlayer::stop()
{
    if (!controllable())
        return;
    _transport->pause();
    _transport->toStart();
}

void PublishedPlayer::next()
{
    if (!controllable())
        return;
    _ctrl.nextSubtitle();
}

void PublishedPlayer::previous()
{
    if (!controllable())
        return;
    _ctrl.previousSubtitle();
}

void PublishedPlayer::seek(std::int64_t offsetUs)
{
    if (!controllable() || !state().canSeek)
        return;
    _transport->skipBy(static_cast<double>(offsetUs) / 1e6);
}

void PublishedPlayer::setPosition(const std::string& trackId, std::int64_t positionUs)
{
    const PublishedState s = state();
    if (!controllable() || !s.canSeek || trackId != s.trackId || positionUs < 0
        || positionUs > s.lengthUs)
        return;
    _transport->seekTo(static_cast<double>(positionUs) / 1e6);
}

PublishedPlayer::Changes PublishedPlayer::poll()
{
    const PublishedState now = state();
    const bool following = _following();
    Changes changes;
    const auto changed = [&](bool differs, const char* name) {
        if (differs)
            changes.properties.emplace_back(name);
    };
    changed(now.status != _last.status, "PlaybackStatus");
    changed(
        now.lengthUs != _last.lengthUs || now.path != _last.path || now.trackId != _last.trackId,
        "Metadata");
    changed(now.canPlay != _last.canPlay, "CanPlay");
    changed(now.canPause != _last.canPause, "CanPause");
    changed(now.canSeek != _last.canSeek, "CanSeek");
    changed(now.canGoNext != _last.canGoNext, "CanGoNext");
    changed(now.canGoPrevious != _last.canGoPrevious, "CanGoPrevious");

    // Following begun or ended swaps the own position for 0 or back: a jump for those watching.
    // While following, the own clock's moves are not published.
    changes.seeked = (_jumped && !following)
        || (following != _lastFollowing && now.positionUs != _last.positionUs);
    changes.positionUs = now.positionUs;
    _jumped = false;
    _last = now;
    _lastFollowing = following;
    return changes;
}
