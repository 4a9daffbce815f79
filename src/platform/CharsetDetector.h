// Guesses which of the decodable encodings a byte string is in: byte-order marks, UTF-16 and
// UTF-32 without one, and the two statistical detectors (uchardet and ICU's), each mapped onto
// the identifiers the encoding menu uses.
#pragma once

#include "platform/Encodings.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace encodings {

// The Unicode form a leading byte-order mark names, if there is one.
std::optional<EncodingId> byteOrderMark(std::string_view bytes);

// UTF-16 or UTF-32 without a byte-order mark, told by where the zero bytes of mostly-ASCII text
// fall. None for anything else.
std::optional<EncodingId> unmarkedWideUnicode(std::string_view bytes);

// uchardet's one answer, when it names an encoding we can decode.
std::optional<EncodingId> guessWithUchardet(std::string_view bytes);

// ICU's answers that we can decode, most confident first, each once.
std::vector<EncodingId> guessWithIcu(std::string_view bytes);

// How a decoding reads, for choosing between two that both decode: invisible C1 controls, a
// capital straight after a small letter (an apostrophe misread as a capital, "σΆ"), letters.
struct TextShape {
    std::size_t controls = 0;
    std::size_t caseBreaks = 0;
    std::size_t letters = 0;
};
TextShape shapeOf(std::string_view utf8);
// Fewer controls first, then fewer case breaks, then more letters.
bool readsBetter(const TextShape& a, const TextShape& b);

// The identifier for a charset name as the detectors spell it (case ignored), or none. A name we
// cannot decode maps to the code page that extends it where there is one (TIS-620 to Windows-874).
std::optional<EncodingId> encodingForCharsetName(std::string_view name);

// The encodings files in the user's language usually come in, most likely first, from the
// language part of a locale name such as "ru_RU.UTF-8". Empty when the language is not one
// with a legacy encoding.
std::vector<EncodingId> encodingsForLocale(std::string_view locale);

// The locale the process runs in, from LC_ALL, LC_CTYPE or LANG, as a POSIX program reads it.
std::string currentLocaleName();

// A short name for the status line and alerts, such as "Windows-1251"; the script or language
// it is used for, such as "Cyrillic", is `scriptOf`.
std::string shortName(EncodingId id);
std::string scriptOf(EncodingId id);

} // namespace encodings
