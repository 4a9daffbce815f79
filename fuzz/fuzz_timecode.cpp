// Arbitrary lines through the time-line scanner and the index-line test, held against the C
// library's scanf and from_chars; and arbitrary positions through the two time splits.
#include "subtitles/SrtFile.h"
#include "subtitles/TimeCode.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace {

[[noreturn]] void fail(const char* what, std::string_view line)
{
    std::fprintf(stderr, "invariant broken: %s for \"%.*s\"\n", what, static_cast<int>(line.size()),
        line.data());
    std::abort();
}

// scanf's %d is undefined on overflow, so it is only a fair judge when every run of digits fits.
bool scanfIsDefined(std::string_view line)
{
    std::size_t run = 0;
    for (const char c : line) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
        run = (c >= '0' && c <= '9') ? run + 1 : 0;
        if (run > 9)
            return false;
    }
    return true;
}

double wrappedSeconds(int h, int m, int s, int ms)
{
    const auto sum = static_cast<std::int32_t>(static_cast<std::uint32_t>(h) * 3600U
        + static_cast<std::uint32_t>(m) * 60U + static_cast<std::uint32_t>(s));
    return sum + ms / 1000.0;
}

bool same(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

void checkTimeLine(std::string_view line)
{
    double start = -1;
    double end = -1;
    getTimeCodes(start, end, line);
    if (std::isnan(start) || std::isnan(end))
        fail("a time is NaN", line);
    if (!scanfIsDefined(line))
        return;
    int f[8] = {};
    const std::string zeroTerminated(line);
    std::sscanf(zeroTerminated.c_str(), "%d:%d:%d,%d --> %d:%d:%d,%d", &f[0], &f[1], &f[2], &f[3],
        &f[4], &f[5], &f[6], &f[7]);
    if (!same(start, wrappedSeconds(f[0], f[1], f[2], f[3])))
        fail("start differs from scanf's reading", line);
    if (!same(end, wrappedSeconds(f[4], f[5], f[6], f[7])))
        fail("end differs from scanf's reading", line);
}

void checkIndexLine(std::string_view line)
{
    std::uint64_t parsed = 0;
    const char* const first = line.data();
    const char* const last = line.data() + line.size();
    const auto [ptr, ec] = std::from_chars(first, last, parsed);
    const bool allDigits
        = !line.empty() && ptr == last && line.front() != '-' && line.front() != '+';
    if (SrtFile::isDigitCode(line) != allDigits)
        fail("isDigitCode disagrees with from_chars", line);

    // The value of the leading digits, saturated.
    const std::size_t digits = static_cast<std::size_t>(
        std::find_if(line.begin(), line.end(), [](char c) { return c < '0' || c > '9'; })
        - line.begin());
    std::uint64_t lead = 0;
    const auto r = std::from_chars(first, first + digits, lead);
    constexpr auto max = static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max());
    const auto want = static_cast<std::int32_t>(digits == 0          ? 0
            : (r.ec == std::errc::result_out_of_range || lead > max) ? max
                                                                     : lead);
    if (intValue(line) != want)
        fail("intValue differs from from_chars", line);
}

void checkSplits(double x)
{
    const std::string shown = displayText(x);
    if (shown.size() < 12)
        fail("display text too short", shown);
    std::int32_t h, m, s, ms;
    convertTimeCode(x, h, m, s, ms);
    const TimeParts p = displaySplit(x);
    // Within the range a film can have, the parts must add up and stay in their ranges.
    if (!(x >= 0 && x < 1e9))
        return;
    const auto whole = static_cast<std::int64_t>(std::floor(x));
    if (std::int64_t{ p.hours } * 3600 + p.minutes * 60 + p.seconds != whole || p.minutes > 59
        || p.seconds > 59 || p.milliseconds < 0 || p.milliseconds > 999)
        fail("display split out of range", shown);
    if (h != p.hours || m != p.minutes || s != p.seconds || ms < p.milliseconds || ms > 1000)
        fail("rounded split disagrees with the display split", shown);
    char want[64];
    std::snprintf(
        want, sizeof want, "%02d:%02d:%02d:%03d", p.hours, p.minutes, p.seconds, p.milliseconds);
    if (shown != want)
        fail("display text is not the display split", shown);
}

// The reader reads the common time-line shape without the scanner; whatever it takes that way
// must come out as the scanner reads it.
void checkReaderAgrees(std::string_view line)
{
    const std::pair<LineEnding, std::string_view> endings[]
        = { { LineEnding::lf, "\n" }, { LineEnding::crlf, "\r\n" } };
    for (const auto& [code, sep] : endings) {
        if (line.find(sep) != std::string_view::npos)
            continue;
        SrtFile reader("/nonexistent/fuzz", 4, code);
        reader.parseText("1" + std::string(sep) + std::string(line));
        if (reader.dataArray().size() != 1)
            fail("an index line and a time line did not make one entry", line);
        double start = 0;
        double end = 0;
        getTimeCodes(start, end, line);
        if (!same(reader.dataArray()[0]->startTimeData(), start)
            || !same(reader.dataArray()[0]->endTimeData(), end))
            fail("the reader's times differ from getTimeCodes", line);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    checkTimeLine(line);
    checkIndexLine(line);
    checkReaderAgrees(line);

    double start = 0;
    double end = 0;
    getTimeCodes(start, end, line);
    checkSplits(start);
    checkSplits(end);
    if (size >= 8) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        checkSplits(raw);
    }
    return 0;
}
