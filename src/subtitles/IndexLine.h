// A SubRip index line and its value, shared by the hand-picked reader and Automatic's walk.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string_view>

// Nothing but ASCII digits, and at least one.
inline bool isIndexLine(std::string_view line)
{
    return !line.empty()
        && std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The value of an index line, saturating at the 32-bit limits as the platform's integer value does.
inline std::int32_t intValue(std::string_view digits)
{
    constexpr std::int64_t max = std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            break;
        value = std::min(max, value * 10 + (c - '0'));
    }
    return static_cast<std::int32_t>(value);
}
