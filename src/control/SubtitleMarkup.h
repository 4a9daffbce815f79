// What a subtitle's text means for the panel: SubRip's tags and ASS override tags as formatting
// (the blocks themselves hidden), and a bound on how much of an entry a display lays out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A stretch of text with one formatting; "\n" inside breaks the line.
struct TextRun {
    std::string text;
    bool italic = false;
    bool bold = false;
    bool underline = false;
    bool strike = false;
    std::optional<std::uint32_t> rgb; // 0xRRGGBB; none: the panel's text colour
    bool operator==(const TextRun&) const = default;
};

struct StyledText {
    std::vector<TextRun> runs;
    // {\an7}, {\an8} or {\an9}: the subtitle belongs at the top of the picture.
    bool top = false;
};

// Anything that is not markup this recognises, or is markup broken beyond use (an unclosed tag,
// a closing tag that closes nothing), stays in the text as written.
StyledText parseSubtitleMarkup(std::string_view raw);

// The text as a viewer reads it: the markup parseSubtitleMarkup recognises taken out, the line
// breaks kept.
std::string plainSubtitleText(std::string_view raw);

// "#rrggbb", "rrggbb", "#rgb" or an HTML colour name, as <font color> takes them.
std::optional<std::uint32_t> parseColor(std::string_view value);

// At most `maxBytes` of `text` and `maxLines` lines, cut at a character boundary and ended with
// "…" when anything was left out, so that a display never lays out a damaged file's megabytes.
inline constexpr std::size_t displayMaxBytes = 4000;
inline constexpr std::size_t displayMaxLines = 40;
std::string boundedForDisplay(std::string_view text, std::size_t maxBytes = displayMaxBytes,
    std::size_t maxLines = displayMaxLines);

// Without the blank lines (and spaces) an entry keeps at its end.
std::string_view withoutTrailingBlankLines(std::string_view text);
