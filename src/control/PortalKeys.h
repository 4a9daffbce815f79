// Global keys given by the desktop's shortcuts portal, the part that needs no bus: which way a
// desktop takes keys, the shortcuts Subclock offers, and where the portal's session stands.
#pragma once

#include "control/GlobalKeys.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace globalkeys {

// How keys reach Subclock while another program has the focus.
enum class Route {
    // None: the desktop gives no keys (a Wayland desktop without the portal and no XWayland).
    None,
    X11Grabs,
    Portal,
};
// A Wayland session prefers its portal even when Subclock runs on XWayland: keys grabbed there
// arrive only while an X11 program has the focus.
Route chooseRoute(bool waylandSession, bool x11, bool portal);

struct PortalShortcut {
    Action action;
    // The action's stored name, which the portal hands back when the shortcut is pressed.
    std::string id;
    // The combination the user chose, in the freedesktop shortcuts form ("CTRL+ALT+space");
    // empty leaves the choice to the desktop.
    std::string preferredTrigger;
};

// One per action, in kActions order. A binding that the checks before a grab refuse is offered
// without a preferred trigger.
std::vector<PortalShortcut> portalShortcuts(const std::vector<Binding>& bindings);
std::string portalTrigger(const KeyCombo& keys);

enum class PortalState {
    Off,
    // Between turning the keys on and the portal's answer, which may wait for the user.
    Asking,
    Bound,
    // The user cancelled the desktop's dialog.
    Declined,
    // The portal answered with an error or ended the request otherwise.
    Failed,
    // The desktop closed the session.
    Closed,
};

// One portal session: fed what the portal answers, it says which action an activation runs and
// what the desktop reports for each.
class PortalSession {
public:
    PortalState state() const { return _state; }
    const std::string& handle() const { return _handle; }

    // Turning on starts a session unless one is asked for or bound: true when one must be asked.
    bool turnOn();
    void turnOff();
    // A request's Response: 0 granted, 1 cancelled by the user, anything else ended otherwise.
    void created(std::uint32_t response, const std::string& sessionHandle);
    void bound(
        std::uint32_t response, const std::vector<std::pair<std::string, std::string>>& triggers);
    // ShortcutsChanged, and the desktop closing the session, for our session only.
    void changed(const std::string& sessionHandle,
        const std::vector<std::pair<std::string, std::string>>& triggers);
    void closed(const std::string& sessionHandle);
    void failed();

    // The action an Activated signal runs: none for another session, an unknown id or a session
    // not bound (a late signal after the keys were turned off).
    std::optional<Action> activated(const std::string& sessionHandle, std::string_view id) const;
    // How the desktop says the action is triggered ("Ctrl+Alt+Space"); empty when it gave none.
    std::string trigger(Action action) const;

private:
    PortalState _state = PortalState::Off;
    std::string _handle;
    std::vector<std::pair<Action, std::string>> _triggers;
};

} // namespace globalkeys
