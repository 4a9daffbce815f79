// Wording of a read's facts, shared by the status line, the alerts and srtdump.
#include "subtitles/ReadingReport.h"

#include "platform/CharsetDetector.h"
#include "platform/Translate.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

void ReadingReport::countFrom(const SrtMessageList& list, std::size_t from)
{
    subtitles = list.size() - from;
    for (std::size_t i = from; i < list.size(); ++i)
        duration = std::max(duration, list[i]->endTimeData());
}

namespace reporting {
namespace {

// A middle dot between facts, as UTF-8.
constexpr const char* kSeparator = " \u00B7 ";

} // namespace

std::string groupedCount(std::size_t n)
{
    const std::string digits = std::to_string(n);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out.push_back(',');
        out.push_back(digits[i]);
    }
    return out;
}

std::string durationText(double seconds)
{
    const long total = std::isfinite(seconds) && seconds > 0 ? std::lround(std::floor(seconds)) : 0;
    char buf[32];
    if (total >= 3600)
        std::snprintf(
            buf, sizeof buf, "%ld:%02ld:%02ld", total / 3600, total / 60 % 60, total % 60);
    else
        std::snprintf(buf, sizeof buf, "%ld:%02ld", total / 60, total % 60);
    return buf;
}

std::string statusLine(const ReadingReport& report)
{
    std::string line = fill(report.subtitles == 1 ? translate("ReadingReport", "%1 subtitle")
                                                  : translate("ReadingReport", "%1 subtitles"),
                           { groupedCount(report.subtitles) })
        + kSeparator + durationText(report.duration) + kSeparator;
    if (report.format == SubtitleFormat::subrip) {
        line += encodings::shortName(report.encoding) + kSeparator + nameOf(report.lineEnding);
    } else {
        line += std::string(formatName(report.format)) + kSeparator
            + encodings::shortName(report.encoding);
    }
    if (report.frameRateAssumed) {
        char fps[32];
        std::snprintf(fps, sizeof fps, "%g", report.frameRate);
        line += kSeparator + fill(translate("ReadingReport", "%1 fps assumed"), { fps });
    }
    if (const std::size_t n = report.skippedLines.size())
        line += kSeparator
            + fill(n == 1 ? translate("ReadingReport", "%1 block skipped")
                          : translate("ReadingReport", "%1 blocks skipped"),
                { groupedCount(n) });
    return line;
}

std::string looksLike(encodings::EncodingId encoding, LineEnding lineEnding)
{
    std::string name = encodings::shortName(encoding);
    const std::string script = encodings::scriptOf(encoding);
    if (!script.empty() && script != "Unicode")
        name += " (" + translate("Encodings", script.c_str()) + ")";
    return fill(
        translate("ReadingReport", "%1 with %2 line endings"), { name, nameOf(lineEnding) });
}

} // namespace reporting
