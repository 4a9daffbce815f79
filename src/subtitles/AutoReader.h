// Reading with "Automatic": the encoding and the line ending found from the bytes, and a walk
// that forgives what real files get wrong. A hand-picked encoding and line ending never come here.
#pragma once

#include "platform/Encodings.h"
#include "subtitles/LineEnding.h"
#include "subtitles/ReadingReport.h"
#include "subtitles/SrtMessage.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a file looks like when a read went wrong: the encoding and line ending Automatic would use.
struct Suggestion {
    encodings::EncodingId encoding = 0;
    // The stored code, as MainCtrl keeps the choice.
    std::uint8_t lineEnding = codeOf(LineEnding::crlf);
};

namespace autoread {

// Reads a time line as files really write it: "h:mm:ss,mmm --> h:mm:ss,mmm" with a dot allowed
// before the milliseconds, fewer digits, spaces around, and position notes after the end time.
// No line break may be inside. The seconds come out as the hand-picked reader computes them.
bool parseTimeLine(std::string_view line, double& start, double& end);

// How many lines are time lines when the text is split at the separator.
std::size_t countTimeLines(std::string_view text, std::string_view separator);

// The line ending whose separator yields the most time lines; CRLF on a tie.
LineEnding detectLineEnding(std::string_view text);

// The encoding to decode the file with, or none when nothing decodes it. `locale` (such as
// "ru_RU.UTF-8") breaks ties between code pages that read equally well.
std::optional<encodings::EncodingId> detectEncoding(
    std::string_view bytes, std::string_view locale);

// The forgiving walk. Splits at the separator, or at any mix of CRLF, LF and CR when it is
// empty; an index line may have spaces around it but must be followed by a time line, so a
// number in a subtitle's text ("1984") stays text. Appends to `out` and records skipped blocks.
void walk(std::string_view text, std::string_view separator, SrtMessageList& out,
    std::vector<std::size_t>& skippedLines);

// The frame rate of the video the subtitles go with, asked only by a MicroDVD file that does not
// give its own; none when there is no such video or it does not tell.
using VideoFrameRate = std::function<std::optional<double>()>;

// Detects what was not chosen, decodes and walks. Fills `report` even when nothing is found;
// false when the bytes do not decode.
bool read(std::string bytes, std::optional<encodings::EncodingId> encoding,
    std::optional<LineEnding> lineEnding, std::string_view locale, SrtMessageList& out,
    ReadingReport& report, const VideoFrameRate& videoRate = {});

// The encoding and line ending Automatic would read the bytes with, when it finds subtitles in
// their first 256 KiB.
std::optional<Suggestion> suggest(std::string_view bytes, std::string_view locale);

} // namespace autoread
