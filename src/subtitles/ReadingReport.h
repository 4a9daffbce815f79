// What a read chose and what came out of it, and its wording for the status line and srtdump.
#pragma once

#include "platform/Encodings.h"
#include "subtitles/FormatSniff.h"
#include "subtitles/LineEnding.h"
#include "subtitles/SrtMessage.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct ReadingReport {
    encodings::EncodingId encoding = 0;
    LineEnding lineEnding = LineEnding::crlf;
    bool encodingDetected = false;
    bool lineEndingDetected = false;
    std::size_t subtitles = 0;
    double duration = 0; // the latest end time, in seconds
    // First line (from 1) of each block that was skipped: text before the first subtitle, or a
    // block whose time line does not read.
    std::vector<std::size_t> skippedLines;
    SubtitleFormat format = SubtitleFormat::subrip;
    // MicroDVD's frames per second, and whether nothing said it and the default was taken.
    double frameRate = 0;
    bool frameRateAssumed = false;

    // Counts the entries a read appended to `list` from index `from`, and their duration.
    void countFrom(const SrtMessageList& list, std::size_t from);
};

namespace reporting {

// "1,204": thousands grouped as the status line shows them.
std::string groupedCount(std::size_t n);

// "1:52:10", or "0:42" under an hour.
std::string durationText(double seconds);

// "1,204 subtitles · 1:52:10 · Windows-1251 · CRLF", then "· 2 blocks skipped" when some were.
// Other formats name themselves instead of the line ending: "812 subtitles · 1:41:07 · WebVTT ·
// UTF-8", and MicroDVD read at the default rate says so: "· 23.976 fps assumed".
std::string statusLine(const ReadingReport& report);

// "Windows-1251 (Cyrillic) with LF line endings", the alert's description of a file.
std::string looksLike(encodings::EncodingId encoding, LineEnding lineEnding);
// For MainCtrl, which still keeps the stored code.
inline std::string looksLike(encodings::EncodingId encoding, std::uint8_t lineEnding)
{
    return looksLike(encoding, lineEndingFromCode(lineEnding));
}

} // namespace reporting
