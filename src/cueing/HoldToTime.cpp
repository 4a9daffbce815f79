// The hold state: at most one hold at a time.
#include "cueing/HoldToTime.h"

std::optional<HeldSpan> HoldToTime::press(
    Source source, double position, double at, bool autoRepeat)
{
    if (autoRepeat)
        return std::nullopt;
    std::optional<HeldSpan> settled;
    if (_releasedAt) {
        if (source == Source::key && at - *_releasedAt <= kRepeatGap) {
            _releasedAt.reset();
            return std::nullopt;
        }
        settled = end(_releasePosition);
    }
    if (!_holder) {
        _holder = source;
        _start = position;
    }
    return settled;
}

std::optional<HeldSpan> HoldToTime::release(
    Source source, double position, double at, bool autoRepeat)
{
    if (autoRepeat || _holder != source || _releasedAt)
        return std::nullopt;
    if (source == Source::mouse)
        return end(position);
    _releasedAt = at;
    _releasePosition = position;
    return std::nullopt;
}

std::optional<HeldSpan> HoldToTime::settle(double at)
{
    if (!_releasedAt || at - *_releasedAt <= kRepeatGap)
        return std::nullopt;
    return end(_releasePosition);
}

std::optional<HeldSpan> HoldToTime::interrupt(double position)
{
    if (!_holder)
        return std::nullopt;
    return end(_releasedAt ? _releasePosition : position);
}

std::optional<HeldSpan> HoldToTime::end(double position)
{
    _holder.reset();
    _releasedAt.reset();
    return HeldSpan{ _start, position };
}
