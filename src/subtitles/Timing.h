// How the subtitles line up with the video: shifted by a delay and scaled by a speed, and from one
// point in the file on, shifted by a delay of their own (a scene cut from the video or added to
// it).
#pragma once

#include <cmath>
#include <limits>

// A cue at file time s shows at clock time s * speed + delay (delayAfter from splitAt on); the
// clock itself stays the video's time. Speed is always positive.
struct Timing {
    static constexpr double kNoSplit = std::numeric_limits<double>::infinity();

    double delay = 0;
    double speed = 1;
    // File time from which delayAfter applies: between two subtitles, so no subtitle straddles it.
    double splitAt = kNoSplit;
    double delayAfter = 0;

    bool hasSplit() const { return splitAt != kNoSplit; }
    // Every subtitle `seconds` later: both sides of a split alike.
    Timing shifted(double seconds) const
    {
        Timing t = *this;
        t.delay += seconds;
        if (hasSplit())
            t.delayAfter += seconds;
        return t;
    }
    double delayOf(double fileTime) const { return fileTime >= splitAt ? delayAfter : delay; }
    double toClock(double fileTime) const { return fileTime * speed + delayOf(fileTime); }
    // The file time showing at a clock time. After a cut, the part the video lost is skipped;
    // while an added scene plays, the file waits just before the split.
    double toFile(double clockTime) const
    {
        if (hasSplit()) {
            const double after = (clockTime - delayAfter) / speed;
            if (after >= splitAt)
                return after;
            return std::fmin((clockTime - delay) / speed,
                std::nextafter(splitAt, -std::numeric_limits<double>::infinity()));
        }
        return (clockTime - delay) / speed;
    }
    // Where the split takes over on the clock: the own clock's pass must wake there.
    double splitClock() const { return splitAt * speed + delayAfter; }
    bool isIdentity() const { return delay == 0 && speed == 1 && !hasSplit(); }
    bool operator==(const Timing&) const = default;
};
