// How the floating panel draws subtitles, and where it sits: stored under keys of their own,
// beside (never instead of) the player's other settings.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class PreferencesStore;

struct PanelStyle {
    enum class Align : std::int32_t { Left = 0, Center = 1, Right = 2 };

    std::string fontFamily = "Sans Serif";
    std::int32_t fontPoints = 26;
    std::uint32_t textRgb = 0xF5F5F5;
    std::int32_t outlinePixels = 2; // 0: none
    std::uint32_t outlineRgb = 0x000000;
    std::int32_t shadowPixels = 0; // 0: none
    std::uint32_t shadowRgb = 0x000000;
    std::uint32_t backgroundRgb = 0x101010;
    std::int32_t backgroundPercent = 55; // 0: text only, on a compositing desktop
    Align align = Align::Center;
    std::int32_t maxWidthPercent = 96; // of the panel's width

    bool operator==(const PanelStyle&) const = default;

    // Values stored and valid, defaults for the rest. Reads only: loading never writes.
    static PanelStyle load(PreferencesStore& store);
    // Writes every value.
    void save(PreferencesStore& store) const;

    // The second track's style, under second_panel_* keys: smaller and warmer by default, so
    // that the two languages are told apart at a glance.
    static PanelStyle secondDefaults();
    static PanelStyle loadSecond(PreferencesStore& store);
    void saveSecond(PreferencesStore& store) const;

private:
    static PanelStyle loadUnder(PreferencesStore& store, const std::string& prefix, PanelStyle s);
    void saveUnder(PreferencesStore& store, const std::string& prefix) const;
};

// Where the second track shows: under or over the first in the panel, or apart at the top of
// the screen while the first stays where the panel is (settings::kSecondPlacement).
enum class SecondPlacement : std::int32_t { below = 0, above = 1, top = 2 };
SecondPlacement loadSecondPlacement(PreferencesStore& store);

// "#rrggbb", as the settings file keeps colours.
std::string colorName(std::uint32_t rgb);

// A rectangle in the desktop's coordinates.
struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const Rect&) const = default;
};

struct ScreenArea {
    std::string name;
    Rect available; // without panels and docks
};

struct PanelPlace {
    Rect geometry;
    std::string screen;
    static std::optional<PanelPlace> load(PreferencesStore& store);
    void save(PreferencesStore& store) const;
};

// Where a remembered panel goes on the screens there are now: on its own screen if that is still
// there, else at the same relative place on the first screen; always whole on one screen and no
// larger than it. No screens: the geometry as remembered.
Rect placeOnScreens(const PanelPlace& saved, const std::vector<ScreenArea>& screens);

// Where a panel goes the first time (nothing remembered), on a screen whose free area is `area`:
// low and centred where subtitles belong, unless that covers one of `windows` (the player's own,
// Then the nearest place on the screen that covers none of them; on a screen too small for that,
// the nearest that covers least of `controls` (the main window's buttons, menus, status line).
Rect firstPanelPlace(const Rect& area, int width, int height, const std::vector<Rect>& windows,
    const Rect& controls);

// `r` moved just enough that at least half of it, each way, is on one of the screens (the one
// nearest to its centre), so it can always be grabbed again. No screens: `r` as it is.
Rect keptHalfOnScreen(const Rect& r, const std::vector<ScreenArea>& screens);
