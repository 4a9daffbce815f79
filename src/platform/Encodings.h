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
// The others that detection and its descriptions name.
inline constexpr EncodingId kEucJp = 3;
inline constexpr EncodingId kLatin1 = 5;
inline constexpr EncodingId kLatin2 = 9;
inline constexpr EncodingId kWindows1251 = 11;
inline constexpr EncodingId kWindows1252 = 12;
inline constexpr EncodingId kWindows1253 = 13;
inline constexpr EncodingId kWindows1254 = 14;
inline constexpr EncodingId kWindows1250 = 15;
inline constexpr EncodingId kIso2022Jp = 21;
inline constexpr EncodingId kMacRoman = 30;
inline constexpr EncodingId kIsoGreek = 0x80000207;
inline constexpr EncodingId kLatin9 = 0x8000020F;
inline constexpr EncodingId kWindows874 = 0x8000041D;
inline constexpr EncodingId kWindows1255 = 0x80000505;
inline constexpr EncodingId kWindows1256 = 0x80000506;
inline constexpr EncodingId kWindows1257 = 0x80000507;
inline constexpr EncodingId kWindows1258 = 0x80000508;
inline constexpr EncodingId kGbk = 0x80000631;
inline constexpr EncodingId kGb18030 = 0x80000632;
inline constexpr EncodingId kEucKr = 0x80000940;
inline constexpr EncodingId kKoi8R = 0x80000A02;
inline constexpr EncodingId kBig5 = 0x80000A03;
inline constexpr EncodingId kKoi8U = 0x80000A08;
inline constexpr EncodingId kUtf32 = 0x8C000100;
inline constexpr EncodingId kUtf16Be = 0x90000100;
inline constexpr EncodingId kUtf16Le = 0x94000100;
inline constexpr EncodingId kUtf32Be = 0x98000100;
inline constexpr EncodingId kUtf32Le = 0x9C000100;

// Everything known about one encoding, in the one table of them.
struct Encoding {
    EncodingId id;
    const char* name; // shown in the encoding menu
    const char* icuName; // converter used to decode it
    const char* shortName; // in the status line and alerts, such as "Windows-1251"
    const char* script; // the script or language it is used for, such as "Cyrillic"
    const char* detectedAs; // uchardet's and ICU's names for it, upper case, space-separated
};

// Every encoding that can be decoded, in the fixed order the menu shows them.
std::span<const Encoding> availableStringEncodings();

// The table's entry, or null for an unknown identifier.
const Encoding* entryOf(EncodingId id);

// The human-readable name, or an empty string for an unknown identifier.
std::string localizedNameOfStringEncoding(EncodingId id);

// Decodes to UTF-8. None when a byte sequence is not valid in the encoding or the identifier is
// unknown: nothing is ever replaced. A leading byte-order mark is dropped. Takes the bytes by
// value so that UTF-8 and ASCII input is handed back without a copy.
std::optional<std::string> decode(std::string bytes, EncodingId id);

// Whether the bytes are well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool isValidUtf8(std::string_view bytes);

} // namespace encodings
