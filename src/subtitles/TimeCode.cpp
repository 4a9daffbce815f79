// Time-line scanning and the two time splits.
#include "subtitles/TimeCode.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

bool isAscii(std::string_view s)
{
    return std::all_of(
        s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool isScanSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Reads the time line as scanf's "%d:%d:%d,%d --> %d:%d:%d,%d" does, without its undefined
// behaviour on numbers that overflow: those saturate at 64 bits and keep their low 32 bits,
// which is what the C library does in practice.
class TimeLineScanner {
public:
    explicit TimeLineScanner(std::string_view line)
        : _p(line.data())
        , _end(line.data() + std::min(line.find('\0'), line.size()))
    {
    }

    bool number(std::int32_t& out)
    {
        skipSpace();
        bool negative = false;
        if (_p < _end && (*_p == '+' || *_p == '-'))
            negative = *_p++ == '-';
        if (_p == _end || *_p < '0' || *_p > '9')
            return false;
        constexpr std::uint64_t limit = std::numeric_limits<std::int64_t>::max();
        std::uint64_t value = 0;
        for (; _p < _end && *_p >= '0' && *_p <= '9'; ++_p) {
            const auto digit = static_cast<std::uint64_t>(*_p - '0');
            value = value > (limit + 1 - digit) / 10 ? limit + 1 : value * 10 + digit;
        }
        if (!negative)
            value = std::min(value, limit);
        const std::uint64_t bits = negative ? 0 - value : value;
        out = static_cast<std::int32_t>(static_cast<std::uint32_t>(bits));
        return true;
    }

    bool literal(char c)
    {
        if (_p == _end || *_p != c)
            return false;
        ++_p;
        return true;
    }

    void skipSpace()
    {
        while (_p < _end && isScanSpace(*_p))
            ++_p;
    }

private:
    const char* _p;
    const char* _end;
};

double secondsOf(std::int32_t h, std::int32_t m, std::int32_t s, std::int32_t ms)
{
    // The 32-bit sum wraps on overflow instead of being undefined.
    const auto sum = static_cast<std::int32_t>(static_cast<std::uint32_t>(h) * 3600U
        + static_cast<std::uint32_t>(m) * 60U + static_cast<std::uint32_t>(s));
    return static_cast<double>(sum) + ms / 1000.0;
}

// Truncating double-to-int that saturates instead of being undefined for huge or NaN positions.
std::int32_t truncateToInt32(double x)
{
    if (std::isnan(x))
        return 0;
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(std::trunc(x), lo, hi));
}

TimeParts splitWhole(std::int32_t secs)
{
    return TimeParts{ secs / 3600, secs % 3600 / 60, secs % 3600 % 60, 0 };
}

} // namespace

void getTimeCodes(double& start, double& end, std::string_view line)
{
    start = 0;
    end = 0;
    if (!isAscii(line))
        return;
    std::int32_t f[8] = {};
    TimeLineScanner scan(line);
    // Stops at the first field that does not match; the rest stay 0.
    [&] {
        if (!scan.number(f[0]) || !scan.literal(':') || !scan.number(f[1]) || !scan.literal(':')
            || !scan.number(f[2]) || !scan.literal(',') || !scan.number(f[3]))
            return;
        scan.skipSpace();
        if (!scan.literal('-') || !scan.literal('-') || !scan.literal('>'))
            return;
        scan.skipSpace();
        if (!scan.number(f[4]) || !scan.literal(':') || !scan.number(f[5]) || !scan.literal(':')
            || !scan.number(f[6]) || !scan.literal(',') || !scan.number(f[7]))
            return;
    }();
    start = secondsOf(f[0], f[1], f[2], f[3]);
    end = secondsOf(f[4], f[5], f[6], f[7]);
}

void convertTimeCode(double x, std::int32_t& hours, std::int32_t& minutes, std::int32_t& seconds,
    std::int32_t& milliseconds)
{
    const std::int32_t secs = truncateToInt32(std::floor(x));
    const TimeParts p = splitWhole(secs);
    hours = p.hours;
    minutes = p.minutes;
    seconds = p.seconds;
    milliseconds = truncateToInt32(std::floor((x - secs + 0.0005) * 1000.0));
}

TimeParts displaySplit(double x)
{
    const std::int32_t secs = truncateToInt32(std::floor(x));
    TimeParts p = splitWhole(secs);
    p.milliseconds = truncateToInt32(std::floor((x - secs) * 1000.0));
    return p;
}

std::string displayText(double x)
{
    const TimeParts p = displaySplit(x);
    char buf[64];
    const int n = std::snprintf(
        buf, sizeof buf, "%02d:%02d:%02d:%03d", p.hours, p.minutes, p.seconds, p.milliseconds);
    return std::string(buf, static_cast<std::size_t>(std::max(n, 0)));
}
