// The SubRip writer.
#include "subtitles/SrtWriter.h"

#include <cmath>
#include <cstdio>

std::string srtTime(double seconds)
{
    const double clamped = std::isfinite(seconds) && seconds > 0 ? seconds : 0.0;
    // Whole milliseconds first, so that 59.9996 carries into the next minute.
    const auto ms = static_cast<long long>(std::llround(clamped * 1000.0));
    char out[32];
    std::snprintf(out, sizeof out, "%02lld:%02lld:%02lld,%03lld", ms / 3600000, ms / 60000 % 60,
        ms / 1000 % 60, ms % 1000);
    return out;
}

std::string writeSrt(std::span<const WrittenCue> cues, std::string_view lineEnding)
{
    std::string out;
    for (const WrittenCue& cue : cues) {
        out += std::to_string(cue.number);
        out += lineEnding;
        out += srtTime(cue.start);
        out += " --> ";
        out += srtTime(cue.end);
        out += lineEnding;
        std::string_view text = cue.text;
        while (!text.empty()) {
            const std::size_t newline = text.find('\n');
            std::string_view line = text.substr(0, newline);
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            if (!line.empty()) {
                out += line;
                out += lineEnding;
            }
            text
                = newline == std::string_view::npos ? std::string_view{} : text.substr(newline + 1);
        }
        out += lineEnding;
    }
    return out;
}
