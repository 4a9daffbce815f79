// Generated SubRip films for the benchmarks: CRLF, two entries in three English, one in three
// Japanese, one in five on two lines; UTF-8 or Shift JIS.
#pragma once

#include <unicode/ucnv.h>

#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>

namespace srtgen {

enum class Charset { Utf8, ShiftJis };

inline std::string toShiftJis(std::string_view utf8)
{
    std::string out(utf8.size() * 2 + 16, '\0');
    UErrorCode status = U_ZERO_ERROR;
    const int32_t n = ucnv_convert("windows-31j", "UTF-8", out.data(),
        static_cast<int32_t>(out.size()), utf8.data(), static_cast<int32_t>(utf8.size()), &status);
    if (U_FAILURE(status))
        throw std::runtime_error("cannot convert to Shift JIS");
    out.resize(static_cast<std::size_t>(n));
    return out;
}

inline std::string stamp(long long ms)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02lld:%02lld:%02lld,%03lld", ms / 3600000, ms / 60000 % 60,
        ms / 1000 % 60, ms % 1000);
    return buf;
}

// One entry every 4.8 s, so 1,500 entries make a two-hour film; a larger file is that many films
// one after another, each starting again at zero, as time codes never pass 99 hours.
inline std::string entry(long long i)
{
    static const char* const english[] = { "Where were you last night?", "At the station, waiting.",
        "The last train left at midnight.", "Then we still have time." };
    static const char* const japanese[] = { "昨日の夜はどこにいたの？", "駅で待っていたよ。",
        "終電は零時に出ました。", "まだ時間はあるね。" };
    const long long start = i % 1500 * 4800 + 200;
    std::string text = i % 3 == 2 ? japanese[i / 3 % 4] : english[i % 4];
    if (i % 5 == 4)
        text += std::string("\r\n") + (i % 2 ? japanese[i % 4] : english[(i + 1) % 4]);
    return std::to_string(i + 1) + "\r\n" + stamp(start) + " --> " + stamp(start + 3600) + "\r\n"
        + text + "\r\n\r\n";
}

// Entries until the UTF-8 text reaches `bytes` (or `entries` when that is given instead).
inline std::string film(Charset charset, std::size_t bytes, long long entries = -1)
{
    std::string utf8;
    for (long long i = 0; entries < 0 ? utf8.size() < bytes : i < entries; ++i)
        utf8 += entry(i);
    return charset == Charset::Utf8 ? utf8 : toShiftJis(utf8);
}

} // namespace srtgen
