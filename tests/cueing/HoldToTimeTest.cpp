// The hold logic: key and mouse holds, auto-repeat, and focus lost in the middle of one.
#include "cueing/HoldToTime.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

namespace {

using Source = HoldToTime::Source;

struct HoldEvent {
    enum Kind { press, release, settle, focusLost } kind;
    Source source = Source::key;
    double at = 0; // the clock's position and the monotonic time alike
    bool autoRepeat = false;
};

std::vector<std::pair<double, double>> spansOf(const std::vector<HoldEvent>& events)
{
    HoldToTime hold;
    std::vector<std::pair<double, double>> out;
    for (const HoldEvent& e : events) {
        std::optional<HeldSpan> span;
        switch (e.kind) {
        case HoldEvent::press:
            span = hold.press(e.source, e.at, e.at, e.autoRepeat);
            break;
        case HoldEvent::release:
            span = hold.release(e.source, e.at, e.at, e.autoRepeat);
            break;
        case HoldEvent::settle:
            span = hold.settle(e.at);
            break;
        case HoldEvent::focusLost:
            span = hold.interrupt(e.at);
            break;
        }
        if (span)
            out.emplace_back(span->start, span->end);
    }
    return out;
}

TEST(HoldToTime, KeyAndMouseSequencesMakeOneCuePerHold)
{
    using E = HoldEvent;
    const Source key = Source::key, mouse = Source::mouse;
    const struct {
        const char* label;
        std::vector<HoldEvent> events;
        std::vector<std::pair<double, double>> want;
    } cases[] = {
        { "a hold, confirmed once the repeat gap has passed",
            { { E::press, key, 1.0 }, { E::release, key, 2.0 }, { E::settle, key, 2.05 },
                { E::settle, key, 2.2 } },
            { { 1.0, 2.0 } } },
        { "flagged auto-repeat presses and releases change nothing",
            { { E::press, key, 1.0 }, { E::release, key, 1.5, true }, { E::press, key, 1.5, true },
                { E::release, key, 1.6, true }, { E::press, key, 1.6, true },
                { E::release, key, 3.0 }, { E::settle, key, 3.5 } },
            { { 1.0, 3.0 } } },
        { "unflagged release-press pairs of a repeating key are one hold",
            { { E::press, key, 1.0 }, { E::release, key, 1.66 }, { E::press, key, 1.68 },
                { E::release, key, 1.70 }, { E::press, key, 1.74 }, { E::release, key, 2.5 },
                { E::settle, key, 3.0 } },
            { { 1.0, 2.5 } } },
        { "a new press after the gap settles the last hold and starts the next",
            { { E::press, key, 1.0 }, { E::release, key, 2.0 }, { E::press, key, 2.3 },
                { E::release, key, 3.0 }, { E::settle, key, 3.2 } },
            { { 1.0, 2.0 }, { 2.3, 3.0 } } },
        { "focus lost mid-hold ends the cue there",
            { { E::press, key, 1.0 }, { E::focusLost, key, 1.4 }, { E::release, key, 2.0 },
                { E::settle, key, 2.5 } },
            { { 1.0, 1.4 } } },
        { "focus lost after the release ends the cue at the release",
            { { E::press, key, 1.0 }, { E::release, key, 2.0 }, { E::focusLost, key, 2.01 } },
            { { 1.0, 2.0 } } },
        { "a release or focus loss with nothing held makes nothing",
            { { E::release, key, 1.0 }, { E::focusLost, key, 1.1 }, { E::settle, key, 2.0 } }, {} },
        { "the mouse ends at once; the key is ignored during it",
            { { E::press, mouse, 1.0 }, { E::press, key, 1.2 }, { E::release, key, 1.3 },
                { E::settle, key, 1.5 }, { E::release, mouse, 2.0 } },
            { { 1.0, 2.0 } } },
        { "the mouse is ignored during a key hold",
            { { E::press, key, 1.0 }, { E::press, mouse, 1.2 }, { E::release, mouse, 1.3 },
                { E::release, key, 2.0 }, { E::settle, key, 2.5 } },
            { { 1.0, 2.0 } } },
    };
    for (const auto& c : cases)
        EXPECT_EQ(spansOf(c.events), c.want) << c.label;
}

} // namespace
