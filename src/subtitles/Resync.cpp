// Subtitle navigation and the two-point solve.
#include "subtitles/Resync.h"

#include "platform/Translate.h"
#include "subtitles/SrtWriter.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr double kFilm = 24000.0 / 1001.0;

constexpr std::array kRatios{
    SpeedRatio{ kFilm / 25.0, TRANSLATABLE("Resync", "23.976 → 25 fps") },
    SpeedRatio{ 25.0 / kFilm, TRANSLATABLE("Resync", "25 → 23.976 fps") },
    // 24/23.976 and 30/29.97 are the same ratio, 1001/1000.
    SpeedRatio{ kFilm / 24.0, TRANSLATABLE("Resync", "23.976 → 24 or 29.97 → 30 fps") },
    SpeedRatio{ 24.0 / kFilm, TRANSLATABLE("Resync", "24 → 23.976 or 30 → 29.97 fps") },
    SpeedRatio{ 24.0 / 25.0, TRANSLATABLE("Resync", "24 → 25 fps") },
    SpeedRatio{ 25.0 / 24.0, TRANSLATABLE("Resync", "25 → 24 fps") },
};

// Not offered in the menu, but a solved speed this near 1 is one frame rate, not 24/23.976.
constexpr SpeedRatio kSame{ 1.0, "same frame rate" };

constexpr double kSnapWindow = 0.0015;

// Entry i's start in clock time, or none for kNone.
std::optional<double> startOf(const Cues& cues, const Timing& timing, std::int32_t i)
{
    if (i == Cues::kNone)
        return std::nullopt;
    return timing.toClock(cues.entries()[static_cast<std::size_t>(i)]->startTimeData());
}

} // namespace

std::span<const SpeedRatio> speedRatios()
{
    return kRatios;
}

const SpeedRatio* nearestRatio(double speed)
{
    const SpeedRatio* best = nullptr;
    const auto consider = [&](const SpeedRatio& r) {
        const double off = std::abs(speed / r.speed - 1.0);
        if (off <= kSnapWindow && (!best || off < std::abs(speed / best->speed - 1.0)))
            best = &r;
    };
    consider(kSame);
    for (const SpeedRatio& r : kRatios)
        consider(r);
    return best;
}

std::optional<double> nextStartAt(const Cues& cues, const Timing& timing, double clock)
{
    // The speed is positive, so the order of starts is the same in file and clock time.
    return startOf(cues, timing, cues.nextStart(timing.toFile(clock)));
}

std::optional<double> previousStartAt(const Cues& cues, const Timing& timing, double clock)
{
    return startOf(cues, timing, cues.previousStart(timing.toFile(clock)));
}

std::optional<SolvedTiming> solveTiming(const CaughtLine& a, const CaughtLine& b)
{
    const double span = b.fileTime - a.fileTime;
    if (!(std::abs(span) >= kMinCatchSpan))
        return std::nullopt;
    SolvedTiming solved;
    double k = (b.clockTime - a.clockTime) / span;
    if (!(k >= 0.5 && k <= 2.0))
        return std::nullopt;
    solved.snapped = nearestRatio(k);
    if (solved.snapped)
        k = solved.snapped->speed;
    // Exact for an unsnapped speed; for a snapped one, each line misses by the same amount.
    const double d = ((a.clockTime - k * a.fileTime) + (b.clockTime - k * b.fileTime)) / 2.0;
    solved.timing = Timing{ d, k };
    return solved;
}

std::string signedSeconds(double seconds)
{
    // Rounded first, so that −0.0004 reads "+0.000 s" rather than a minus zero.
    const long long ms = std::llround(seconds * 1000.0);
    char out[48];
    std::snprintf(out, sizeof out, "%s%lld.%03lld s", ms < 0 ? "\u2212" : "+",
        std::llabs(ms) / 1000, std::llabs(ms) % 1000);
    return out;
}

std::string describeTiming(const Timing& timing)
{
    if (timing.isIdentity())
        return {};
    std::string text = fill(translate("Resync", "delay %1"), { signedSeconds(timing.delay) });
    if (timing.speed != 1.0) {
        char speed[32];
        std::snprintf(speed, sizeof speed, "×%.5f", timing.speed);
        text += " · " + fill(translate("Resync", "speed %1"), { speed });
        if (const SpeedRatio* r = nearestRatio(timing.speed); r && r->speed == timing.speed) {
            text += " (";
            text += translate("Resync", r->label.data()); // a literal: ends in NUL
            text += ")";
        }
    }
    if (timing.hasSplit()) {
        const auto at = static_cast<long>(timing.splitAt);
        char from[32];
        std::snprintf(from, sizeof from, "%ld:%02ld:%02ld", at / 3600, at / 60 % 60, at % 60);
        text += " · "
            + fill(translate("Resync", "from %1 %2"), { from, signedSeconds(timing.delayAfter) });
    }
    return text;
}

std::string adjustedSrt(const Cues& cues, const Timing& timing, std::string_view lineEnding)
{
    std::vector<WrittenCue> written;
    written.reserve(cues.size());
    for (const auto& e : cues.entries()) {
        // An entry keeps its start's delay: a split between its start and end must not stretch it.
        const double delay = timing.delayOf(e->startTimeData());
        written.push_back({ e->numberData(), e->startTimeData() * timing.speed + delay,
            e->endTimeData() * timing.speed + delay, e->message().value_or(std::string{}) });
    }
    std::string out = writeSrt(written, lineEnding);
    // Our reader keeps a blank line at the very end of a file in the last text: the file ends
    // with one only when the text read had it, so that the saved file reads back the same.
    const std::string_view last = written.empty() ? std::string_view() : written.back().text;
    if (!last.ends_with("\n\n") && out.ends_with(lineEnding))
        out.resize(out.size() - lineEnding.size());
    return out;
}
