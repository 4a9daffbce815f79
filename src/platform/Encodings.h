// Text encodings known by their stored identifiers: the list offered to the user, and strict
// decoding to UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace encodings {

// Identifiers keep the numbering that stored preferences already use; never renumber them.
using EncodingId = std::uint32_t;

inline constexpr EncodingId kAscii = 1;
inline constexpr EncodingId kUtf8 = 4;
inline constexpr EncodingId kShiftJis = 8;
inline constexpr EncodingId kUtf16 = 10;

struct Encoding {
    EncodingId id;
    const char* name; // shown in the encoding menu
    const char* icuName; // converter used to decode it
};

// Every encoding that can be decoded, in the fixed order the menu shows them.
std::span<const Encoding> availableStringEncodings();

// The human-readable name, or an empty string for an unknown identifier.
std::string localizedNameOfStringEncoding(EncodingId id);

// Decodes to UTF-8. None when a byte sequence is not valid in the encoding or the identifier is
// unknown: nothing is ever replaced. A leading byte-order mark is dropped. Takes the bytes by
// value so that UTF-8 and ASCII input is handed back without a copy.
std::optional<std::string> decode(std::string bytes, EncodingId id);

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool isValidUtf8(std::string_view bytes);

} // namespace encodings
