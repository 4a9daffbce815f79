// Lining subtitles up with a video: stepping between subtitles in clock time, solving speed and
// delay from two caught lines, the frame-rate ratios a speed snaps to, and the adjusted file.
#pragma once

#include "subtitles/Cues.h"
#include "subtitles/Timing.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

// A conversion between two frame rates: a file made for `from` against a video at `to` needs
// speed from/to (23.976 → 25 fps: the video runs faster, so its lines come sooner).
struct SpeedRatio {
    double speed;
    std::string_view label;
};

// 25/23.976, 24/23.976 (which is also 30/29.97), 25/24 and their inverses; 23.976 is
// 24000/1001 and 29.97 is 30000/1001.
std::span<const SpeedRatio> speedRatios();
// The nearest ratio within 0.15 % of `speed`, or null. The ratios lie 0.1 % apart, so the
// windows overlap and the nearest wins; 1 ("same frame rate") counts as one here, so that a
// speed of one frame rate is not taken for 24/23.976.
const SpeedRatio* nearestRatio(double speed);

// The clock time of the next subtitle start strictly after `clock`, or none after the last.
std::optional<double> nextStartAt(const Cues& cues, const Timing& timing, double clock);
// The clock time of the latest subtitle start strictly before `clock`, or none before the first.
std::optional<double> previousStartAt(const Cues& cues, const Timing& timing, double clock);

// A subtitle start (file time) heard at a clock time.
struct CaughtLine {
    double fileTime = 0;
    double clockTime = 0;
};

// Two catches must be this far apart in file time before a speed is solved from them: closer,
// the error of a key press weighs too much in the speed.
inline constexpr double kMinCatchSpan = 60;

struct SolvedTiming {
    Timing timing;
    // The ratio the speed snapped to; null when it kept the solved value.
    const SpeedRatio* snapped = nullptr;
};

// The speed and delay that put both lines where they were caught; a speed near a common ratio
// becomes that ratio, with the delay that splits the difference between the two. None when the
// lines are closer than kMinCatchSpan or the speed is not between 0.5 and 2.
std::optional<SolvedTiming> solveTiming(const CaughtLine& a, const CaughtLine& b);

// "+0.300 s", "−1.200 s" (a true minus sign), "+0.000 s".
std::string signedSeconds(double seconds);
// What the window shows of a timing: empty for none, else the delay and a speed that is not 1,
// such as "delay +0.300 s" or "delay −0.040 s · speed ×0.95904 (23.976 → 25 fps)", and where a
// split takes over, " · from 0:52:10 −26.500 s" (the split's file time).
std::string describeTiming(const Timing& timing);

// The entries as a standard SubRip file with the timing applied, numbered as read. Read back
// through SrtFile it gives the same texts, and the same times to the millisecond.
// With a split, the entries that start from its file time on take its delay.
std::string adjustedSrt(const Cues& cues, const Timing& timing, std::string_view lineEnding);
