// Global keys through the desktop's portal: the preferred triggers offered, and which action an
// activation runs as the session's answers come in.
#include "control/PortalKeys.h"

#include <gtest/gtest.h>

namespace {

using namespace globalkeys;

TEST(PortalKeysTest, OffersTheChosenKeysInTheShortcutsForm)
{
    const std::vector<PortalShortcut> shortcuts = portalShortcuts(
        { { Action::PlayPause, "Ctrl+Alt+Space" }, { Action::DelayLater, "Shift+Meta+F5" },
            { Action::DelayEarlier, "Z" }, { Action::PreviousSubtitle, "alt+ctrl+space" },
            { Action::NextSubtitle, "Media Next" } });
    // Every action is offered; a plain letter and a duplicate leave the choice to the desktop.
    const char* const expected[] = { "CTRL+ALT+space", "SHIFT+LOGO+F5", "", "", "XF86AudioNext" };
    ASSERT_EQ(shortcuts.size(), kActions.size());
    for (std::size_t i = 0; i < shortcuts.size(); ++i) {
        EXPECT_EQ(shortcuts[i].id, kActions[i].name);
        EXPECT_EQ(shortcuts[i].preferredTrigger, expected[i]) << shortcuts[i].id;
    }
    EXPECT_EQ(portalTrigger(KeyCombo{ kCtrl, 0xff55 }), "CTRL+Prior");
    EXPECT_EQ(portalTrigger(KeyCombo{ kAlt, 'q' }), "ALT+q");
    // On XWayland a Wayland session still asks its portal; an X11 session never does.
    EXPECT_EQ(chooseRoute(true, true, true), Route::Portal);
    EXPECT_EQ(chooseRoute(false, true, true), Route::X11Grabs);
}

TEST(PortalKeysTest, RunsActivationsOfItsBoundSessionOnly)
{
    PortalSession s;
    const std::string mine = "/org/freedesktop/portal/desktop/session/1_7/subclock1";
    ASSERT_TRUE(s.turnOn());
    EXPECT_FALSE(s.turnOn()); // one session at a time
    s.created(0, mine);
    EXPECT_EQ(s.activated(mine, "play_pause"), std::nullopt); // not bound yet
    s.bound(0, { { "next_subtitle", "Ctrl+N" }, { "unknown", "X" } });
    ASSERT_EQ(s.state(), PortalState::Bound);
    EXPECT_EQ(s.trigger(Action::NextSubtitle), "Ctrl+N");
    EXPECT_EQ(s.trigger(Action::PlayPause), "");

    struct Case {
        std::string session;
        const char* id;
        std::optional<Action> action;
    };
    const Case cases[] = { { mine, "play_pause", Action::PlayPause },
        { mine, "delay_earlier", Action::DelayEarlier }, { mine, "nonsense", std::nullopt },
        { "/org/freedesktop/portal/desktop/session/1_7/other", "play_pause", std::nullopt } };
    for (const Case& c : cases)
        EXPECT_EQ(s.activated(c.session, c.id), c.action) << c.session << " " << c.id;

    // The desktop's new list replaces the old; another session's list is not ours.
    s.changed(mine, { { "play_pause", "F9" } });
    s.changed("/other", { { "next_subtitle", "F10" } });
    EXPECT_EQ(s.trigger(Action::PlayPause), "F9");
    EXPECT_EQ(s.trigger(Action::NextSubtitle), "");

    s.closed(mine);
    EXPECT_EQ(s.state(), PortalState::Closed);
    EXPECT_EQ(s.activated(mine, "play_pause"), std::nullopt);
    // Closed, it may be asked again; a cancelled dialog is told from a failure.
    ASSERT_TRUE(s.turnOn());
    s.created(0, mine);
    s.bound(1, {});
    EXPECT_EQ(s.state(), PortalState::Declined);
}

} // namespace
