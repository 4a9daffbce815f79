// Which subtitle format a file holds, from its first bytes: Automatic reads it with that format's
// reader, and the alert for a file that reads as nothing can say what it looks like.
#pragma once

#include <optional>
#include <string>
#include <string_view>

enum class SubtitleFormat { subrip, webvtt, ass, ssa, microdvd, mpl2, subviewer, sami, ttml };

// "SubRip", "WebVTT", "ASS"...: as the status line names it.
std::string_view formatName(SubtitleFormat format);
// "subrip", "webvtt", "ass"...: as srtdump's JSON writes it.
std::string_view formatWord(SubtitleFormat format);

// The format decoded text is in. A WebVTT header wins; then any SubRip time line in the head keeps
// the file SubRip, so whatever Automatic read as SubRip before still reads the same; then the
// other formats' marks. SubRip when nothing else is recognised.
SubtitleFormat sniffFormat(std::string_view text);

// The format as a sentence names it ("a WebVTT file", "an ASS (Advanced SubStation Alpha) file",
// "a MicroDVD file"...), or none when the bytes look like no format this knows. Looks at the first
// few kilobytes only, in UTF-8 or ASCII, or UTF-16 with a byte-order mark.
std::optional<std::string> otherSubtitleFormat(std::string_view head);

// The same for the start of a file; none when it cannot be read.
std::optional<std::string> otherSubtitleFormatOfFile(const std::string& path);
