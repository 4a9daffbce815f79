// The hand-over between a followed player and the own clock, and what each says to the user.
#include "control/FollowSession.h"

#include "control/MainCtrl.h"
#include "control/PreferencesStore.h"
#include "control/Settings.h"
#include "control/SubtitleFinder.h"
#include "platform/Translate.h"
#include "playback/TimerThread.h"
#include "subtitles/TimeCode.h"

#include <filesystem>

namespace {

const std::string kKey(settings::kFollowPlayer.name);

} // namespace

FollowSession::FollowSession(Wiring parts)
    : _bus(*parts.bus)
    , _ctrl(*parts.ctrl)
    , _timer(*parts.timer)
    , _store(*parts.store)
    , _view(*parts.view)
    , _language(std::move(parts.language))
    , _ownClock(makeOwnClockTransport(_ctrl, _timer))
    , _player(makePlayerTransport(_bus))
{
    _bus.setListener(this);
}

FollowSession::~FollowSession()
{
    _bus.setListener(nullptr);
    // The worker must not read a position that is going away.
    _timer.setPositionSource(nullptr);
}

void FollowSession::restore()
{
    std::optional<std::string> stored;
    try {
        stored = _store.stringValue(kKey);
    } catch (const PreferencesError&) {
        // A damaged value means the default, the own clock.
    }
    if (stored && !stored->empty())
        followWhenThere(*stored);
}

void FollowSession::followWhenThere(const std::string& name)
{
    _wish = name;
    if (!_bus.busAvailable()) {
        _view.say(_bus.busError());
        return;
    }
    _view.say(name.empty()
            ? translate("FollowSession", "Waiting for a media player to follow.")
            : fill(translate("FollowSession", "Waiting for a media player named “%1” to follow."),
                { name }));
    tryWish();
}

void FollowSession::tryWish()
{
    if (!_wish || active() || !_bus.playersKnown())
        return;
    const std::optional<std::size_t> chosen = choosePlayer(_bus.players(), *_wish);
    if (chosen)
        followChosen(_bus.players()[*chosen].busName);
}

void FollowSession::chooseOwnClock()
{
    _wish.reset();
    _store.setString(kKey, "");
    if (active()) {
        stopFollowing();
        _view.say(fill(translate("FollowSession", "Own clock, paused at %1."), { heldAt() }));
    }
}

void FollowSession::followChosen(const std::string& busName)
{
    _wish.reset();
    _store.setString(kKey, storedPlayerName(busName));
    startFollowing(busName);
}

void FollowSession::startFollowing(const std::string& busName)
{
    if (busName == _bus.followed())
        return;
    if (active())
        stopFollowing();
    // Before following: the own clock's worker stops, and then runs for the player.
    _ctrl.pause();
    _ownClockAt = _timer.getPosition();
    _ownPositionSaid = false;
    _bus.follow(busName);
    _title = _bus.titleOf(_bus.followed());
    _ctrl.sendParsedArray();
    _timer.setPositionSource(&_bus.position());
    // Moves to a subtitle or a time (Ctrl+Left/Right, the list, Go to) go to the player.
    _ctrl.setSeekHandler([this](double position) { _player->seekTo(position); });
    _timer.start();
    _view.say(fill(translate("FollowSession", "Following %1."), { _title }));
    showAll();
}

void FollowSession::stopFollowing()
{
    _bus.follow({});
    _ctrl.setSeekHandler(nullptr);
    _timer.stop();
    _timer.waitFor();
    _timer.setPositionSource(nullptr);
    // Shown, and counted on from by the next Start.
    _timer.seek(_timer.getPosition());
    _view.offerOwnClock(false);
    _chosenByHandFor.reset();
    _ctrl.readingChoice().setVideo({});
    showAll();
}

void FollowSession::showAll()
{
    _view.showPlayers();
    _view.showPlayback(transport().playing());
    _view.showCapabilities();
    _view.followingChanged();
}

std::string FollowSession::heldAt() const
{
    return displayText(_timer.getPosition());
}

void FollowSession::chooseByHand(const std::function<void()>& choose)
{
    const std::optional<std::string> before = _ctrl.filename();
    choose();
    if (_ctrl.filename() != before)
        _chosenByHandFor = active() ? _bus.mediaUrl() : std::string();
}

void FollowSession::playersChanged()
{
    _view.showPlayers();
    tryWish();
}

void FollowSession::playbackChanged()
{
    _view.showPlayback(transport().playing());
}

void FollowSession::capabilitiesChanged()
{
    _view.showCapabilities();
    if (!active() || _bus.reportsPosition() || _ownPositionSaid)
        return;
    // The user's clock and delay carry on; only the player's pauses and resumes move it now.
    _ownPositionSaid = true;
    FollowedPosition& position = _bus.position();
    position.reset(_ownClockAt, position.status(), position.rate());
    _view.say(fill(translate("FollowSession",
                       "%1 does not report its position: the time shown is the own clock's, "
                       "pausing and resuming with it."),
        { _title }));
}

void FollowSession::mediaChanged()
{
    const std::string url = _bus.mediaUrl();
    const std::optional<std::string> video = url.empty() ? std::nullopt : _bus.mediaPath();
    // What is read while this video plays counts MicroDVD frames in its rate.
    _ctrl.readingChoice().setVideo(video.value_or(""));
    if (_chosenByHandFor && (_chosenByHandFor->empty() || *_chosenByHandFor == url)) {
        _chosenByHandFor = url;
        _view.say(fill(translate("FollowSession", "Following %1; keeping the subtitles you chose."),
            { _title }));
        return;
    }
    _chosenByHandFor.reset();
    if (url.empty())
        return;
    if (!video) {
        _view.say(fill(translate("FollowSession",
                           "%1 plays %2, not a local file: the subtitles stay as they are."),
            { _title, url }));
        return;
    }
    const std::optional<std::string> found = findSubtitlesFor(*video, _language);
    if (!found) {
        _view.say(fill(
            translate("FollowSession", "No subtitles beside %1: the subtitles stay as they are."),
            { std::filesystem::path(*video).filename().string() }));
        return;
    }
    // Read at once: the running clock shows them from its next pass.
    if (!_ctrl.openFile(*found))
        return;
    const std::filesystem::path file(*found);
    std::string loaded = file.filename().string();
    // The second language chosen in Preferences, when its file is there too.
    std::string secondLanguage;
    try {
        secondLanguage
            = _store.stringValue(std::string(settings::kSecondLanguage.name)).value_or("");
    } catch (const PreferencesError&) {
        // Unreadable: no second track.
    }
    if (const auto second = findSecondSubtitlesFor(*video, secondLanguage);
        second && *second != *found && _ctrl.openSecondFile(*second, false))
        loaded = fill(translate("FollowSession", "%1 and %2"),
            { loaded, std::filesystem::path(*second).filename().string() });
    _view.say(fill(translate("FollowSession", "Loaded %1 from %2, beside the video %3 plays."),
        { loaded, file.parent_path().string(), _title }));
}

void FollowSession::playerQuit(const std::string& title)
{
    stopFollowing();
    _view.say(fill(translate("FollowSession", "%1 quit: back to the own clock, paused at %2."),
        { title, heldAt() }));
}

void FollowSession::positionStuck()
{
    _view.say(fill(translate("FollowSession", "%1 does not report its position."), { _title }));
    _view.offerOwnClock(true);
}
