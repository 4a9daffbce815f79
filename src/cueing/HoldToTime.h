// Holding a key or a button makes one cue: the press is its start, the release its end.
#pragma once

#include <optional>

struct HeldSpan {
    double start = 0;
    double end = 0;
};

// Used on the UI thread only. Positions are the clock's; `at` is seconds on a monotonic clock.
class HoldToTime {
public:
    enum class Source { key, mouse };

    // A held key repeats as release-press pairs that some X servers send unmarked: a press of the
    // key this soon after its release continues the hold. Shorter than any deliberate tap.
    static constexpr double kRepeatGap = 0.1;

    // Starts a hold at `position`. Ignored when auto-repeated, or while a hold is on (from either
    // source): a second press inside a hold is a slip, not a cue. A key release left pending
    // longer than the gap is settled first, and its span given.
    std::optional<HeldSpan> press(Source source, double position, double at, bool autoRepeat);
    // Ends the hold that `source` started. The mouse's ends at once; the key's ends at this
    // position once the gap has passed with no press (see settle). A repeated release, a release
    // with nothing held or one from the other source does nothing.
    std::optional<HeldSpan> release(Source source, double position, double at, bool autoRepeat);
    // Ends a key hold whose release the gap has confirmed.
    std::optional<HeldSpan> settle(double at);
    // The application lost the keyboard or the pointer, so the release will go elsewhere: the
    // hold ends here (or at a release already seen) rather than running on until a later press.
    std::optional<HeldSpan> interrupt(double position);

    bool holding() const { return _holder.has_value(); }
    bool releasePending() const { return _releasedAt.has_value(); }

private:
    std::optional<HeldSpan> end(double position);

    std::optional<Source> _holder;
    double _start = 0;
    // A key release seen but not yet confirmed: when, and the position it ends the hold at.
    std::optional<double> _releasedAt;
    double _releasePosition = 0;
};
