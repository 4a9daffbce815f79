// Where a panel goes at first, where a remembered one goes when the screens have changed, how
// far off them it may be dragged, and which windowing platform the player starts on.
#include "control/PanelStyle.h"
#include "platform/DisplayPlatform.h"

#include <gtest/gtest.h>

#include <map>

namespace {

TEST(PanelPlace, RestoredOntoTheScreensThereAreNow)
{
    const ScreenArea laptop{ "eDP-1", { 0, 0, 1280, 800 } };
    const ScreenArea monitor{ "HDMI-1", { 1280, 0, 2560, 1440 } };
    const struct {
        const char* what;
        Rect saved;
        const char* screen;
        std::vector<ScreenArea> screens;
        Rect placed;
    } cases[] = {
        { "on its screen, as it was", { 1500, 1200, 1000, 150 }, "HDMI-1", { laptop, monitor },
            { 1500, 1200, 1000, 150 } },
        { "partly off its screen: pulled in", { 3500, 1400, 1000, 150 }, "HDMI-1",
            { laptop, monitor }, { 2840, 1290, 1000, 150 } },
        // The monitor is gone: low and centred on the laptop, no wider than it.
        { "its screen gone", { 1500, 1200, 2000, 150 }, "HDMI-1", { laptop },
            { 0, 584, 1280, 150 } },
        { "its screen gone, smaller panel", { 1500, 1200, 900, 150 }, "HDMI-1", { laptop },
            { 190, 584, 900, 150 } },
        // Renamed screen at the same place: found by where the panel's centre is.
        { "screen renamed", { 100, 500, 900, 150 }, "LVDS", { laptop }, { 100, 500, 900, 150 } },
        { "taller than the screen", { 0, 0, 900, 1000 }, "eDP-1", { laptop }, { 0, 0, 900, 800 } },
        { "no screens at all", { 5, 6, 7, 8 }, "x", {}, { 5, 6, 7, 8 } },
    };
    for (const auto& c : cases)
        EXPECT_EQ(placeOnScreens({ c.saved, c.screen }, c.screens), c.placed) << c.what;
}

TEST(PanelPlace, FirstPlaceCoversNoneOfThePlayersWindows)
{
    const Rect laptop{ 0, 0, 1280, 800 };
    const Rect mainLow{ 340, 380, 600, 420 };
    const struct {
        const char* what;
        Rect area;
        std::vector<Rect> windows;
        Rect controls;
        Rect placed;
    } cases[] = {
        { "nothing in the way: low and centred", laptop, {}, {}, { 190, 584, 900, 150 } },
        { "main window at the top left", laptop, { { 0, 0, 600, 400 } }, { 0, 250, 600, 150 },
            { 190, 584, 900, 150 } },
        { "main window in the lower half: above it", laptop, { mainLow }, { 340, 600, 600, 200 },
            { 190, 222, 900, 150 } },
        { "a second screen below a top bar", { 1280, 24, 1920, 1056 }, {}, {},
            { 1790, 842, 900, 150 } },
        // No room clear of both: the nearest place that leaves the controls uncovered.
        { "no clear place", laptop, { mainLow, { 0, 0, 1280, 300 } }, { 340, 600, 600, 200 },
            { 190, 308, 900, 150 } },
        { "main window fills a small screen", { 0, 0, 800, 600 }, { { 0, 0, 800, 560 } },
            { 0, 200, 800, 360 }, { 0, 0, 800, 150 } },
    };
    for (const auto& c : cases)
        EXPECT_EQ(firstPanelPlace(c.area, 900, 150, c.windows, c.controls), c.placed) << c.what;

    const ScreenArea left{ "eDP-1", laptop };
    const ScreenArea right{ "HDMI-1", { 1280, 0, 2560, 1440 } };
    const struct {
        Rect dragged;
        Rect kept;
    } drags[] = {
        { { -800, 100, 900, 150 }, { -450, 100, 900, 150 } },
        { { 100, 780, 900, 150 }, { 100, 725, 900, 150 } },
        { { 2000, 1400, 900, 150 }, { 2000, 1365, 900, 150 } },
        { { 900, 100, 900, 150 }, { 900, 100, 900, 150 } }, // across both: half on the right one
    };
    for (const auto& d : drags)
        EXPECT_EQ(keptHalfOnScreen(d.dragged, { left, right }), d.kept)
            << ::testing::PrintToString(d.dragged.x);
}

std::map<std::string, std::string> environment;
std::optional<std::string> fromTable(const char* name)
{
    const auto it = environment.find(name);
    return it == environment.end() ? std::nullopt : std::optional<std::string>(it->second);
}

TEST(DisplayPlatform, XWaylandWhenThereUnlessTheUserChose)
{
    const std::string noXWayland = "may go behind";
    const struct {
        std::map<std::string, std::string> env;
        std::vector<std::string> args;
        std::optional<std::string> platform;
        bool message;
    } cases[] = {
        { { { "DISPLAY", ":0" } }, {}, std::nullopt, false },
        { {}, {}, std::nullopt, false },
        { { { "WAYLAND_DISPLAY", "wayland-0" }, { "DISPLAY", ":0" } }, {}, "xcb", false },
        { { { "XDG_SESSION_TYPE", "wayland" }, { "DISPLAY", ":1" } }, {}, "xcb", false },
        { { { "WAYLAND_DISPLAY", "wayland-0" } }, {}, std::nullopt, true },
        { { { "WAYLAND_DISPLAY", "wayland-0" }, { "DISPLAY", "" } }, {}, std::nullopt, true },
        // The user's choice stands, and needs no explaining.
        { { { "WAYLAND_DISPLAY", "wayland-0" }, { "DISPLAY", ":0" },
              { "QT_QPA_PLATFORM", "wayland" } },
            {}, std::nullopt, false },
        { { { "WAYLAND_DISPLAY", "wayland-0" } }, { "subclock", "-platform", "wayland" },
            std::nullopt, false },
        { { { "WAYLAND_DISPLAY", "wayland-0" }, { "DISPLAY", ":0" } },
            { "subclock", "--platform", "wayland" }, std::nullopt, false },
        // An empty QT_QPA_PLATFORM is no choice.
        { { { "WAYLAND_DISPLAY", "wayland-0" }, { "DISPLAY", ":0" }, { "QT_QPA_PLATFORM", "" } },
            { "subclock", "film.srt" }, "xcb", false },
    };
    for (const auto& c : cases) {
        environment = c.env;
        const PlatformChoice choice = choosePlatform(c.args, &fromTable);
        EXPECT_EQ(choice.platform, c.platform) << ::testing::PrintToString(c.env);
        EXPECT_EQ(choice.message.find(noXWayland) != std::string::npos, c.message)
            << ::testing::PrintToString(c.env);
    }
}

} // namespace
