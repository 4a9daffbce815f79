// Conversions between SRT time lines, seconds, and the time text shown and printed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct TimeParts {
    std::int32_t hours = 0;
    std::int32_t minutes = 0;
    std::int32_t seconds = 0;
    std::int32_t milliseconds = 0;
};

// Parses "h:m:s,ms --> h:m:s,ms" leniently, as scanf would; fields past the first mismatch
// count as 0, and a line with any non-ASCII byte gives 0 and 0. Never fails.
void getTimeCodes(double& start, double& end, std::string_view line);

// Splits with rounding to the nearest millisecond, without carrying (0.9995 gives 1000 ms).
void convertTimeCode(double x, std::int32_t& hours, std::int32_t& minutes, std::int32_t& seconds,
    std::int32_t& milliseconds);

// Splits for display: the fraction is truncated, so a shown time never runs ahead of the clock.
TimeParts displaySplit(double x);

// "%02d:%02d:%02d:%03d" of displaySplit(x), such as "01:02:05:500".
std::string displayText(double x);
