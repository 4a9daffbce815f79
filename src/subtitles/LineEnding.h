// The line ending a SubRip file is split at, and every name it goes by: the stored code, the
// separator, the wording of the status line, srtdump's option word and the event log's word.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The values are the codes stored as `return_code`; never renumber them. A code past `cr`
// (srtdump takes any from 0 to 255) is kept as it came and splits nothing.
enum class LineEnding : std::uint8_t { crlf = 0, lf = 1, cr = 2 };

// The three, in the order a tie between them prefers.
inline constexpr std::array kLineEndings{ LineEnding::crlf, LineEnding::lf, LineEnding::cr };

constexpr std::uint8_t codeOf(LineEnding ending)
{
    return static_cast<std::uint8_t>(ending);
}

constexpr LineEnding lineEndingFromCode(std::uint8_t code)
{
    return static_cast<LineEnding>(code);
}

// A stored `return_code`, one of the three by its low byte as earlier versions read it; none
// for anything else.
std::optional<LineEnding> storedLineEnding(std::int32_t code);

// What the text is split at; empty for a code that splits nothing.
std::string_view separatorOf(LineEnding ending);
// What a written file ends its lines with: CRLF for a code that splits nothing.
std::string_view writtenSeparatorOf(LineEnding ending);

// "CRLF", "LF", "CR", or "code N".
std::string nameOf(LineEnding ending);
// "crlf", "lf", "cr" as srtdump's options take them, or the code's number.
std::string optionWordOf(LineEnding ending);
// The option word back; none for a word that names none of the three.
std::optional<LineEnding> lineEndingFromOptionWord(std::string_view word);

// "RC_CRLF", "RC_LF" or "RC_CR", logged when one is chosen; "RC_CRLF" for any other code.
std::string_view logWordOf(LineEnding ending);
