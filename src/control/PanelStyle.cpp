#include "control/PanelStyle.h"

#include "control/PreferencesStore.h"
#include "control/Settings.h"
#include "control/SubtitleMarkup.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <utility>

namespace {

// Reads are guarded one key at a time: a damaged value costs that value, not the others.
template <typename Read> auto guarded(Read read) -> decltype(read())
{
    try {
        return read();
    } catch (const PreferencesError&) {
        return std::nullopt;
    }
}

std::optional<std::int32_t> intIn(
    PreferencesStore& store, const std::string& key, std::int32_t low, std::int32_t high)
{
    const std::optional<std::int32_t> value = guarded([&] { return store.intValue(key); });
    if (!value || *value < low || *value > high)
        return std::nullopt;
    return value;
}

void readInt(PreferencesStore& store, const std::string& key, std::int32_t& into, std::int32_t low,
    std::int32_t high)
{
    if (const auto value = intIn(store, key, low, high))
        into = *value;
}

void readColor(PreferencesStore& store, const std::string& key, std::uint32_t& into)
{
    const std::optional<std::string> text = guarded([&] { return store.stringValue(key); });
    if (text && text->size() == 7 && text->front() == '#')
        if (const auto rgb = parseColor(*text))
            into = *rgb;
}

} // namespace

std::string colorName(std::uint32_t rgb)
{
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%06x", static_cast<unsigned>(rgb & 0xFFFFFF));
    return buf;
}

PanelStyle PanelStyle::load(PreferencesStore& store)
{
    return loadUnder(store, "panel_", PanelStyle{});
}

void PanelStyle::save(PreferencesStore& store) const
{
    saveUnder(store, "panel_");
}

PanelStyle PanelStyle::secondDefaults()
{
    PanelStyle s;
    s.fontPoints = 20;
    s.textRgb = 0xFFD75E;
    return s;
}

PanelStyle PanelStyle::loadSecond(PreferencesStore& store)
{
    return loadUnder(store, "second_panel_", secondDefaults());
}

void PanelStyle::saveSecond(PreferencesStore& store) const
{
    saveUnder(store, "second_panel_");
}

SecondPlacement loadSecondPlacement(PreferencesStore& store)
{
    std::int32_t place = 0;
    readInt(store, std::string(settings::kSecondPlacement.name), place, 0, 2);
    return static_cast<SecondPlacement>(place);
}

PanelStyle PanelStyle::loadUnder(PreferencesStore& store, const std::string& p, PanelStyle s)
{
    if (const auto family = guarded([&] { return store.stringValue(p + "font_family"); });
        family && !family->empty())
        s.fontFamily = *family;
    readInt(store, p + "font_size", s.fontPoints, 6, 200);
    readColor(store, p + "text_color", s.textRgb);
    readInt(store, p + "outline_width", s.outlinePixels, 0, 20);
    readColor(store, p + "outline_color", s.outlineRgb);
    readInt(store, p + "shadow_offset", s.shadowPixels, 0, 20);
    readColor(store, p + "shadow_color", s.shadowRgb);
    readColor(store, p + "background_color", s.backgroundRgb);
    readInt(store, p + "background_opacity", s.backgroundPercent, 0, 100);
    std::int32_t align = static_cast<std::int32_t>(s.align);
    readInt(store, p + "alignment", align, 0, 2);
    s.align = static_cast<Align>(align);
    readInt(store, p + "max_width", s.maxWidthPercent, 20, 100);
    return s;
}

void PanelStyle::saveUnder(PreferencesStore& store, const std::string& p) const
{
    const PreferencesStore::Batch batch(store);
    store.setString(p + "font_family", fontFamily);
    store.setInt(p + "font_size", fontPoints);
    store.setString(p + "text_color", colorName(textRgb));
    store.setInt(p + "outline_width", outlinePixels);
    store.setString(p + "outline_color", colorName(outlineRgb));
    store.setInt(p + "shadow_offset", shadowPixels);
    store.setString(p + "shadow_color", colorName(shadowRgb));
    store.setString(p + "background_color", colorName(backgroundRgb));
    store.setInt(p + "background_opacity", backgroundPercent);
    store.setInt(p + "alignment", static_cast<std::int32_t>(align));
    store.setInt(p + "max_width", maxWidthPercent);
}

std::optional<PanelPlace> PanelPlace::load(PreferencesStore& store)
{
    constexpr std::int32_t far = 1 << 20;
    const auto x = intIn(store, "panel_x", -far, far);
    const auto y = intIn(store, "panel_y", -far, far);
    const auto width = intIn(store, "panel_width", 1, far);
    const auto height = intIn(store, "panel_height", 1, far);
    if (!x || !y || !width || !height)
        return std::nullopt;
    PanelPlace place{ { *x, *y, *width, *height }, {} };
    if (const auto screen = guarded([&] { return store.stringValue("panel_screen"); }))
        place.screen = *screen;
    return place;
}

void PanelPlace::save(PreferencesStore& store) const
{
    const PreferencesStore::Batch batch(store);
    store.setInt("panel_x", geometry.x);
    store.setInt("panel_y", geometry.y);
    store.setInt("panel_width", geometry.width);
    store.setInt("panel_height", geometry.height);
    store.setString("panel_screen", screen);
}

Rect placeOnScreens(const PanelPlace& saved, const std::vector<ScreenArea>& screens)
{
    if (screens.empty())
        return saved.geometry;
    Rect r = saved.geometry;
    const int cx = r.x + r.width / 2, cy = r.y + r.height / 2;
    const auto holds = [](const Rect& a, int x, int y) {
        return x >= a.x && x < a.x + a.width && y >= a.y && y < a.y + a.height;
    };
    auto own = std::find_if(screens.begin(), screens.end(),
        [&](const ScreenArea& s) { return !saved.screen.empty() && s.name == saved.screen; });
    if (own == screens.end())
        own = std::find_if(screens.begin(), screens.end(),
            [&](const ScreenArea& s) { return holds(s.available, cx, cy); });
    const bool placed = own != screens.end();
    const Rect area = placed ? own->available : screens.front().available;
    r.width = std::min(r.width, area.width);
    r.height = std::min(r.height, area.height);
    if (!placed) {
        // Nowhere near a screen there is now: where a new panel goes, low and centred.
        r.x = area.x + (area.width - r.width) / 2;
        r.y = area.y + area.height - r.height - area.height / 12;
    }
    r.x = std::clamp(r.x, area.x, area.x + area.width - r.width);
    r.y = std::clamp(r.y, area.y, area.y + area.height - r.height);
    return r;
}

namespace {

long long overlap(const Rect& a, const Rect& b)
{
    const long long w = std::min(a.x + a.width, b.x + b.width) - std::max(a.x, b.x);
    const long long h = std::min(a.y + a.height, b.y + b.height) - std::max(a.y, b.y);
    return w > 0 && h > 0 ? w * h : 0;
}

} // namespace

Rect firstPanelPlace(
    const Rect& area, int width, int height, const std::vector<Rect>& windows, const Rect& controls)
{
    Rect r{ 0, 0, std::min(width, area.width), std::min(height, area.height) };
    const auto fit = [&](int x, int y) {
        return Rect{ std::clamp(x, area.x, area.x + area.width - r.width),
            std::clamp(y, area.y, area.y + area.height - r.height), r.width, r.height };
    };
    const Rect low = fit(
        area.x + (area.width - r.width) / 2, area.y + area.height - r.height - area.height / 12);
    // Beside the preferred place: under, over, left and right of each window in the way, and
    // the screen's own edges; the clear one nearest to the preferred place wins.
    constexpr int gap = 8;
    std::vector<int> xs{ low.x, area.x, area.x + area.width - r.width };
    std::vector<int> ys{ low.y, area.y, area.y + area.height - r.height };
    for (const Rect& w : windows) {
        xs.insert(xs.end(), { w.x - r.width - gap, w.x + w.width + gap });
        ys.insert(ys.end(), { w.y - r.height - gap, w.y + w.height + gap });
    }
    std::optional<Rect> clearest;
    long long clearDistance = std::numeric_limits<long long>::max();
    std::pair<long long, long long> leastCovered{ std::numeric_limits<long long>::max(), 0 };
    Rect leastCovering = low;
    for (const int x : xs) {
        for (const int y : ys) {
            const Rect c = fit(x, y);
            bool clear = true;
            for (const Rect& w : windows)
                clear = clear && overlap(c, w) == 0;
            // Vertical moves count double: a panel off to one side still reads as subtitles.
            const long long distance = std::llabs(c.x - low.x) + 2LL * std::llabs(c.y - low.y);
            if (clear && distance < clearDistance) {
                clearest = c;
                clearDistance = distance;
            }
            const std::pair covered{ overlap(c, controls), distance };
            if (covered < leastCovered) {
                leastCovered = covered;
                leastCovering = c;
            }
        }
    }
    return clearest.value_or(leastCovering);
}

Rect keptHalfOnScreen(const Rect& r, const std::vector<ScreenArea>& screens)
{
    if (screens.empty())
        return r;
    const long long cx = r.x + r.width / 2, cy = r.y + r.height / 2;
    const auto distance = [&](const Rect& a) {
        const long long dx = std::max({ 0LL, a.x - cx, cx - (a.x + a.width) });
        const long long dy = std::max({ 0LL, a.y - cy, cy - (a.y + a.height) });
        return dx * dx + dy * dy;
    };
    const Rect& area = std::min_element(
        screens.begin(), screens.end(), [&](const ScreenArea& a, const ScreenArea& b) {
            return distance(a.available) < distance(b.available);
        })->available;
    Rect kept = r;
    kept.x = std::clamp(r.x, area.x - r.width / 2, area.x + area.width - (r.width + 1) / 2);
    kept.y = std::clamp(r.y, area.y - r.height / 2, area.y + area.height - (r.height + 1) / 2);
    return kept;
}
