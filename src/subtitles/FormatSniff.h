// Which other subtitle format a file that holds no SubRip looks like, from its first bytes, so
// that the alert can say why nothing was found rather than just that.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The format as a sentence names it ("a WebVTT file", "an ASS (Advanced SubStation Alpha) file",
// "a MicroDVD file"...), or none when the bytes look like no format this knows. Looks at the first
// few kilobytes only, in UTF-8 or ASCII, or UTF-16 with a byte-order mark.
std::optional<std::string> otherSubtitleFormat(std::string_view head);

// The same for the start of a file; none when it cannot be read.
std::optional<std::string> otherSubtitleFormatOfFile(const std::string& path);
