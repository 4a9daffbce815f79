// Strict decoding through ICU, with a direct path for UTF-8 and ASCII, the common cases.
#include "platform/Encodings.h"

#include "platform/ReleasedPages.h"
#include "platform/Translate.h"

#include <unicode/ucnv.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>

namespace encodings {
namespace {

// Identifiers past 0x80000000 are 0x80000000 plus the Core Foundation encoding value. The
// detectors' spellings of an ISO sibling we have no entry for (ISO-8859-9) sit with the Windows
// code page that repeats its letters; the decoded text is checked afterwards in any case.
constexpr std::array kEncodings{
    Encoding{ kUtf8, TRANSLATABLE("Encodings", "Unicode (UTF-8)"), nullptr, "UTF-8",
        TRANSLATABLE("Encodings", "Unicode"), "UTF-8 ASCII US-ASCII" },
    Encoding{ kShiftJis, TRANSLATABLE("Encodings", "Japanese (Shift JIS)"), "windows-31j",
        "Shift JIS", TRANSLATABLE("Encodings", "Japanese"), "SHIFT_JIS WINDOWS-31J CP932" },
    Encoding{ kEucJp, TRANSLATABLE("Encodings", "Japanese (EUC)"), "EUC-JP", "EUC-JP",
        TRANSLATABLE("Encodings", "Japanese"), "EUC-JP" },
    Encoding{ kIso2022Jp, TRANSLATABLE("Encodings", "Japanese (ISO 2022-JP)"), "ISO-2022-JP",
        "ISO-2022-JP", TRANSLATABLE("Encodings", "Japanese"), "ISO-2022-JP" },
    Encoding{ kAscii, TRANSLATABLE("Encodings", "Western (ASCII)"), nullptr, "ASCII",
        TRANSLATABLE("Encodings", "Western"), "" },
    Encoding{ kLatin1, TRANSLATABLE("Encodings", "Western (ISO Latin 1)"), "ISO-8859-1",
        "ISO-8859-1", TRANSLATABLE("Encodings", "Western"), "ISO-8859-1" },
    Encoding{ kLatin9, TRANSLATABLE("Encodings", "Western (ISO Latin 9)"), "ISO-8859-15",
        "ISO-8859-15", TRANSLATABLE("Encodings", "Western"), "ISO-8859-15" },
    Encoding{ kWindows1252, TRANSLATABLE("Encodings", "Western (Windows Latin 1)"), "windows-1252",
        "Windows-1252", TRANSLATABLE("Encodings", "Western"), "WINDOWS-1252" },
    Encoding{ kMacRoman, TRANSLATABLE("Encodings", "Western (Mac OS Roman)"), "macos-0_2-10.2",
        "Mac OS Roman", TRANSLATABLE("Encodings", "Western"), "MACINTOSH" },
    Encoding{ kLatin2, TRANSLATABLE("Encodings", "Central European (ISO Latin 2)"), "ISO-8859-2",
        "ISO-8859-2", TRANSLATABLE("Encodings", "Central European"), "ISO-8859-2" },
    Encoding{ kWindows1250, TRANSLATABLE("Encodings", "Central European (Windows Latin 2)"),
        "windows-1250", "Windows-1250", TRANSLATABLE("Encodings", "Central European"),
        "WINDOWS-1250" },
    Encoding{ kWindows1251, TRANSLATABLE("Encodings", "Cyrillic (Windows)"), "windows-1251",
        "Windows-1251", TRANSLATABLE("Encodings", "Cyrillic"), "WINDOWS-1251" },
    Encoding{ kKoi8R, TRANSLATABLE("Encodings", "Cyrillic (KOI8-R)"), "KOI8-R", "KOI8-R",
        TRANSLATABLE("Encodings", "Cyrillic"), "KOI8-R" },
    Encoding{ kKoi8U, TRANSLATABLE("Encodings", "Ukrainian (KOI8-U)"), "KOI8-U", "KOI8-U",
        TRANSLATABLE("Encodings", "Ukrainian"), "KOI8-U" },
    Encoding{ kWindows1253, TRANSLATABLE("Encodings", "Greek (Windows)"), "windows-1253",
        "Windows-1253", TRANSLATABLE("Encodings", "Greek"), "WINDOWS-1253" },
    Encoding{ kIsoGreek, TRANSLATABLE("Encodings", "Greek (ISO 8859-7)"), "ISO-8859-7",
        "ISO-8859-7", TRANSLATABLE("Encodings", "Greek"), "ISO-8859-7" },
    Encoding{ kWindows1254, TRANSLATABLE("Encodings", "Turkish (Windows Latin 5)"), "windows-1254",
        "Windows-1254", TRANSLATABLE("Encodings", "Turkish"), "WINDOWS-1254 ISO-8859-9" },
    Encoding{ kWindows1255, TRANSLATABLE("Encodings", "Hebrew (Windows)"), "windows-1255",
        "Windows-1255", TRANSLATABLE("Encodings", "Hebrew"),
        "WINDOWS-1255 ISO-8859-8 ISO-8859-8-I" },
    Encoding{ kWindows1256, TRANSLATABLE("Encodings", "Arabic (Windows)"), "windows-1256",
        "Windows-1256", TRANSLATABLE("Encodings", "Arabic"), "WINDOWS-1256" },
    Encoding{ kWindows1257, TRANSLATABLE("Encodings", "Baltic (Windows)"), "windows-1257",
        "Windows-1257", TRANSLATABLE("Encodings", "Baltic"), "WINDOWS-1257" },
    Encoding{ kWindows1258, TRANSLATABLE("Encodings", "Vietnamese (Windows)"), "windows-1258",
        "Windows-1258", TRANSLATABLE("Encodings", "Vietnamese"), "WINDOWS-1258" },
    Encoding{ kWindows874, TRANSLATABLE("Encodings", "Thai (Windows, DOS)"), "windows-874-2000",
        "Windows-874", TRANSLATABLE("Encodings", "Thai"), "WINDOWS-874 TIS-620 ISO-8859-11" },
    Encoding{ kGb18030, TRANSLATABLE("Encodings", "Chinese (GB 18030)"), "GB18030", "GB 18030",
        TRANSLATABLE("Encodings", "Chinese"), "GB18030" },
    Encoding{ kGbk, TRANSLATABLE("Encodings", "Chinese (GBK)"), "windows-936-2000", "GBK",
        TRANSLATABLE("Encodings", "Simplified Chinese"), "GBK GB2312" },
    Encoding{ kBig5, TRANSLATABLE("Encodings", "Chinese (Big 5)"), "windows-950-2000", "Big5",
        TRANSLATABLE("Encodings", "Traditional Chinese"), "BIG5" },
    Encoding{ kEucKr, TRANSLATABLE("Encodings", "Korean (EUC)"), "windows-949-2000", "EUC-KR",
        TRANSLATABLE("Encodings", "Korean"), "EUC-KR UHC" },
    Encoding{ kUtf16, TRANSLATABLE("Encodings", "Unicode (UTF-16)"), "UTF-16", "UTF-16",
        TRANSLATABLE("Encodings", "Unicode"), "UTF-16" },
    Encoding{ kUtf16Be, TRANSLATABLE("Encodings", "Unicode (UTF-16BE)"), "UTF-16BE", "UTF-16BE",
        TRANSLATABLE("Encodings", "Unicode"), "UTF-16BE" },
    Encoding{ kUtf16Le, TRANSLATABLE("Encodings", "Unicode (UTF-16LE)"), "UTF-16LE", "UTF-16LE",
        TRANSLATABLE("Encodings", "Unicode"), "UTF-16LE" },
    Encoding{ kUtf32, TRANSLATABLE("Encodings", "Unicode (UTF-32)"), "UTF-32", "UTF-32",
        TRANSLATABLE("Encodings", "Unicode"), "UTF-32" },
    Encoding{ kUtf32Be, TRANSLATABLE("Encodings", "Unicode (UTF-32BE)"), "UTF-32BE", "UTF-32BE",
        TRANSLATABLE("Encodings", "Unicode"), "UTF-32BE" },
    Encoding{ kUtf32Le, TRANSLATABLE("Encodings", "Unicode (UTF-32LE)"), "UTF-32LE", "UTF-32LE",
        TRANSLATABLE("Encodings", "Unicode"), "UTF-32LE" },
};

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

void dropBom(std::string& text)
{
    if (text.starts_with(kUtf8Bom))
        text.erase(0, kUtf8Bom.size());
}

// Eight bytes at a time while the text is ASCII: subtitle files are mostly ASCII, even in Japanese.
std::size_t asciiPrefix(std::string_view s)
{
    std::size_t i = 0;
    for (; i + 8 <= s.size(); i += 8) {
        std::uint64_t chunk;
        std::memcpy(&chunk, s.data() + i, 8);
        if (chunk & 0x8080808080808080ULL)
            break;
    }
    while (i < s.size() && static_cast<unsigned char>(s[i]) < 0x80)
        ++i;
    return i;
}

struct ConverterCloser {
    void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

Converter openStrict(const char* name)
{
    UErrorCode status = U_ZERO_ERROR;
    Converter cnv(ucnv_open(name, &status));
    if (U_FAILURE(status))
        return nullptr;
    // Stop at the first invalid or unmapped sequence instead of substituting.
    ucnv_setToUCallBack(cnv.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    return U_SUCCESS(status) ? std::move(cnv) : nullptr;
}

// Converts in slices: the output is reserved once for the usual expansion but only zero-filled
// (and so made resident) a slice ahead of the converter, and the input is given back behind it.
// The converter keeps its state between slices, so a sequence split by a slice edge still reads
// as one.
std::optional<std::string> decodeWithIcu(std::string& bytes, const char* icuName)
{
    Converter source = openStrict(icuName);
    UErrorCode status = U_ZERO_ERROR;
    Converter utf8(ucnv_open("UTF-8", &status));
    if (!source || U_FAILURE(status))
        return std::nullopt;

    constexpr std::size_t kSlice = 64 << 10;
    // No input byte becomes more than three bytes of UTF-8.
    constexpr std::size_t kMaxGrowth = 3;
    ReleasedPages passed(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2 + 16);
    std::array<UChar, 4096> pivot{};
    UChar* pivotSource = pivot.data();
    UChar* pivotTarget = pivot.data();
    const char* src = bytes.data();
    const char* const srcEnd = bytes.data() + bytes.size();
    std::size_t written = 0;
    bool reset = true;
    bool last = false;
    do {
        const char* const sliceEnd
            = src + std::min<std::size_t>(kSlice, static_cast<std::size_t>(srcEnd - src));
        last = sliceEnd == srcEnd;
        for (;;) {
            const std::size_t room = static_cast<std::size_t>(sliceEnd - src) * kMaxGrowth + 64;
            if (out.size() < written + room)
                out.resize(std::max(written + room, std::min(out.capacity(), written + 2 * room)));
            char* target = out.data() + written;
            status = U_ZERO_ERROR;
            ucnv_convertEx(utf8.get(), source.get(), &target, out.data() + out.size(), &src,
                sliceEnd, pivot.data(), &pivotSource, &pivotTarget, pivot.data() + pivot.size(),
                static_cast<UBool>(reset), static_cast<UBool>(last), &status);
            reset = false;
            written = static_cast<std::size_t>(target - out.data());
            if (status != U_BUFFER_OVERFLOW_ERROR)
                break;
            // Only what the pivot still held can overflow the room given; give it more.
            out.resize(out.size() + room);
        }
        if (U_FAILURE(status))
            return std::nullopt;
        passed.passed(src);
    } while (!last);
    out.resize(written);
    return out;
}

} // namespace

std::span<const Encoding> availableStringEncodings()
{
    return kEncodings;
}

const Encoding* entryOf(EncodingId id)
{
    const auto it = std::find_if(
        kEncodings.begin(), kEncodings.end(), [id](const Encoding& e) { return e.id == id; });
    return it == kEncodings.end() ? nullptr : &*it;
}

std::string localizedNameOfStringEncoding(EncodingId id)
{
    const Encoding* e = entryOf(id);
    return e ? e->name : "";
}

bool isValidUtf8(std::string_view s)
{
    std::size_t i = 0;
    const std::size_t n = s.size();
    while (i < n) {
        i += asciiPrefix(s.substr(i));
        if (i >= n)
            break;
        const auto b0 = static_cast<unsigned char>(s[i]);
        auto at = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
        auto cont = [&](std::size_t k) { return i + k < n && (at(k) & 0xC0) == 0x80; };
        if (b0 >= 0xC2 && b0 <= 0xDF) {
            if (!cont(1))
                return false;
            i += 2;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            if (!cont(1) || !cont(2))
                return false;
            // Reject overlong forms (E0 80..9F) and UTF-16 surrogates (ED A0..BF).
            if ((b0 == 0xE0 && at(1) < 0xA0) || (b0 == 0xED && at(1) > 0x9F))
                return false;
            i += 3;
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            if (!cont(1) || !cont(2) || !cont(3))
                return false;
            // Reject overlong forms (F0 80..8F) and values past U+10FFFF (F4 90..BF).
            if ((b0 == 0xF0 && at(1) < 0x90) || (b0 == 0xF4 && at(1) > 0x8F))
                return false;
            i += 4;
        } else {
            return false;
        }
    }
    return true;
}

std::optional<std::string> decode(std::string bytes, EncodingId id)
{
    const Encoding* e = entryOf(id);
    if (!e)
        return std::nullopt;
    if (id == kAscii) {
        if (asciiPrefix(bytes) != bytes.size())
            return std::nullopt;
        return bytes;
    }
    if (id == kUtf8) {
        if (!isValidUtf8(bytes))
            return std::nullopt;
        dropBom(bytes);
        return bytes;
    }
    auto text = decodeWithIcu(bytes, e->icuName);
    // The generic UTF-16 and UTF-32 converters already consume the byte-order mark they read.
    if (text && id != kUtf16 && id != kUtf32)
        dropBom(*text);
    return text;
}

} // namespace encodings
