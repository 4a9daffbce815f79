// The portal's route, the shortcuts offered to it, and its session's answers.
#include "control/PortalKeys.h"

#include <algorithm>

namespace globalkeys {
namespace {

// The keysym names the freedesktop shortcuts form uses for the keys parseKeys reads.
constexpr struct {
    std::uint32_t keysym;
    std::string_view name;
} kTriggerNames[] = {
    { 0x20, "space" },
    { 0x2c, "comma" },
    { 0x2e, "period" },
    { 0x2d, "minus" },
    { 0x3d, "equal" },
    { 0xff50, "Home" },
    { 0xff51, "Left" },
    { 0xff52, "Up" },
    { 0xff53, "Right" },
    { 0xff54, "Down" },
    { 0xff55, "Prior" },
    { 0xff56, "Next" },
    { 0xff57, "End" },
    { 0x1008ff14, "XF86AudioPlay" },
    { 0x1008ff15, "XF86AudioStop" },
    { 0x1008ff16, "XF86AudioPrev" },
    { 0x1008ff17, "XF86AudioNext" },
    { 0x1008ff31, "XF86AudioPause" },
};

std::optional<Action> actionNamed(std::string_view id)
{
    for (const ActionName& a : kActions) {
        if (a.name == id)
            return a.action;
    }
    return std::nullopt;
}

PortalState answered(std::uint32_t response)
{
    return response == 1 ? PortalState::Declined : PortalState::Failed;
}

} // namespace

Route chooseRoute(bool waylandSession, bool x11, bool portal)
{
    if (waylandSession && portal)
        return Route::Portal;
    return x11 ? Route::X11Grabs : Route::None;
}

std::string portalTrigger(const KeyCombo& keys)
{
    std::string text;
    for (const auto& [bit, name] : { std::pair{ kCtrl, "CTRL+" }, std::pair{ kAlt, "ALT+" },
             std::pair{ kShift, "SHIFT+" }, std::pair{ kMeta, "LOGO+" } }) {
        if (keys.modifiers & bit)
            text += name;
    }
    // Letters and digits are their own keysym names.
    if ((keys.keysym >= 'a' && keys.keysym <= 'z') || (keys.keysym >= '0' && keys.keysym <= '9'))
        return text + static_cast<char>(keys.keysym);
    if (keys.keysym >= 0xffbe && keys.keysym <= 0xffc9)
        return text + "F" + std::to_string(keys.keysym - 0xffbe + 1);
    for (const auto& key : kTriggerNames) {
        if (key.keysym == keys.keysym)
            return text + std::string(key.name);
    }
    return {};
}

std::vector<PortalShortcut> portalShortcuts(const std::vector<Binding>& bindings)
{
    // The portal holds the keys, so nothing is grabbed: only the checks of our own apply.
    const std::vector<Verdict> verdicts
        = decide(bindings, [](Action, const KeyCombo&) { return true; });
    std::vector<PortalShortcut> shortcuts;
    for (const ActionName& a : kActions) {
        PortalShortcut s{ a.action, std::string(a.name), {} };
        for (const Verdict& v : verdicts) {
            if (v.action == a.action && v.keys && v.refusal == Refusal::None)
                s.preferredTrigger = portalTrigger(*v.keys);
        }
        shortcuts.push_back(std::move(s));
    }
    return shortcuts;
}

bool PortalSession::turnOn()
{
    if (_state == PortalState::Asking || _state == PortalState::Bound)
        return false;
    _state = PortalState::Asking;
    _handle.clear();
    _triggers.clear();
    return true;
}

void PortalSession::turnOff()
{
    _state = PortalState::Off;
    _handle.clear();
    _triggers.clear();
}

void PortalSession::created(std::uint32_t response, const std::string& sessionHandle)
{
    if (_state != PortalState::Asking)
        return;
    if (response != 0 || sessionHandle.empty()) {
        _state = response == 0 ? PortalState::Failed : answered(response);
        return;
    }
    _handle = sessionHandle;
}

void PortalSession::bound(
    std::uint32_t response, const std::vector<std::pair<std::string, std::string>>& triggers)
{
    if (_state != PortalState::Asking)
        return;
    if (response != 0) {
        _state = answered(response);
        return;
    }
    _state = PortalState::Bound;
    changed(_handle, triggers);
}

void PortalSession::changed(const std::string& sessionHandle,
    const std::vector<std::pair<std::string, std::string>>& triggers)
{
    if (sessionHandle != _handle || _state != PortalState::Bound)
        return;
    // The list is the whole set: a shortcut left out has no trigger now.
    _triggers.clear();
    for (const auto& [id, trigger] : triggers) {
        if (const std::optional<Action> action = actionNamed(id))
            _triggers.emplace_back(*action, trigger);
    }
}

void PortalSession::closed(const std::string& sessionHandle)
{
    if (sessionHandle != _handle || _state == PortalState::Off)
        return;
    _state = PortalState::Closed;
    _triggers.clear();
}

void PortalSession::failed()
{
    if (_state == PortalState::Asking)
        _state = PortalState::Failed;
}

std::optional<Action> PortalSession::activated(
    const std::string& sessionHandle, std::string_view id) const
{
    if (_state != PortalState::Bound || sessionHandle != _handle)
        return std::nullopt;
    return actionNamed(id);
}

std::string PortalSession::trigger(Action action) const
{
    const auto found = std::find_if(
        _triggers.begin(), _triggers.end(), [action](const auto& t) { return t.first == action; });
    return found == _triggers.end() ? std::string() : found->second;
}

} // namespace globalkeys
