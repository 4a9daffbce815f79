// Byte-order marks and zero-byte patterns first, then the statistical detectors; everything ends
// as an identifier from the encoding menu, since only those can be decoded.
#include "platform/CharsetDetector.h"

#include "platform/Ascii.h"

#include <uchardet/uchardet.h>
#include <unicode/uchar.h>
#include <unicode/ucsdet.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>

namespace encodings {
namespace {

// Enough text for the statistics to settle, and a bound on their time on odd files.
constexpr std::size_t kSampleLimit = 256 << 10;

std::string_view sample(std::string_view bytes)
{
    return bytes.substr(0, kSampleLimit);
}

struct LocaleEncodings {
    const char* languages; // space-separated language codes
    std::array<EncodingId, 2> ids; // 0 ends the list
};

constexpr std::array kLocales{
    LocaleEncodings{ "ja", { kShiftJis, kEucJp } },
    LocaleEncodings{ "ko", { kEucKr, 0 } },
    LocaleEncodings{ "ru be bg sr mk", { kWindows1251, kKoi8R } },
    LocaleEncodings{ "uk", { kWindows1251, kKoi8U } },
    LocaleEncodings{ "el", { kWindows1253, kIsoGreek } },
    LocaleEncodings{ "tr az", { kWindows1254, 0 } },
    LocaleEncodings{ "he iw yi", { kWindows1255, 0 } },
    LocaleEncodings{ "ar fa ur", { kWindows1256, 0 } },
    LocaleEncodings{ "lt lv et", { kWindows1257, 0 } },
    LocaleEncodings{ "vi", { kWindows1258, 0 } },
    LocaleEncodings{ "th", { kWindows874, 0 } },
    LocaleEncodings{ "pl cs sk hu sl hr ro bs sq", { kWindows1250, kLatin2 } },
    LocaleEncodings{
        "en fr de es it pt nl sv da no nb nn fi is ca ga eu gl", { kWindows1252, kLatin1 } },
};

// Whether `word` is one of a space-separated list, case ignored.
bool listed(std::string_view list, std::string_view word)
{
    while (!list.empty()) {
        const std::size_t space = list.find(' ');
        if (ascii::equalsIgnoringCase(list.substr(0, space), word))
            return true;
        if (space == std::string_view::npos)
            break;
        list.remove_prefix(space + 1);
    }
    return false;
}

} // namespace

std::optional<EncodingId> byteOrderMark(std::string_view bytes)
{
    // UTF-32LE's mark starts with UTF-16LE's, so the longer marks are tried first.
    if (bytes.starts_with(std::string_view("\xFF\xFE\0\0", 4)))
        return kUtf32Le;
    if (bytes.starts_with(std::string_view("\0\0\xFE\xFF", 4)))
        return kUtf32Be;
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return kUtf8;
    if (bytes.starts_with("\xFF\xFE"))
        return kUtf16Le;
    if (bytes.starts_with("\xFE\xFF"))
        return kUtf16Be;
    return std::nullopt;
}

std::optional<EncodingId> unmarkedWideUnicode(std::string_view bytes)
{
    const std::string_view head = bytes.substr(0, 4096 - 4096 % 4);
    if (head.size() < 8)
        return std::nullopt;
    std::array<std::size_t, 4> zeros{};
    for (std::size_t i = 0; i < head.size(); ++i)
        zeros[i % 4] += head[i] == '\0';
    const std::size_t quads = head.size() / 4;
    // Subtitles are mostly digits, colons and spaces, so most characters have zero high bytes.
    const auto most = [&](std::size_t n) { return n * 10 >= quads * 9; };
    const auto few = [&](std::size_t n) { return n * 50 <= quads; };
    if (most(zeros[1]) && most(zeros[2]) && most(zeros[3]) && few(zeros[0]))
        return kUtf32Le;
    if (most(zeros[0]) && most(zeros[1]) && most(zeros[2]) && few(zeros[3]))
        return kUtf32Be;
    const std::size_t even = zeros[0] + zeros[2];
    const std::size_t odd = zeros[1] + zeros[3];
    const std::size_t pairs = head.size() / 2;
    if (odd * 10 >= pairs * 3 && even * 8 <= odd)
        return kUtf16Le;
    if (even * 10 >= pairs * 3 && odd * 8 <= even)
        return kUtf16Be;
    return std::nullopt;
}

std::optional<EncodingId> guessWithUchardet(std::string_view bytes)
{
    const std::unique_ptr<uchardet, decltype(&uchardet_delete)> ud(uchardet_new(), uchardet_delete);
    const std::string_view text = sample(bytes);
    if (!ud || uchardet_handle_data(ud.get(), text.data(), text.size()) != 0)
        return std::nullopt;
    uchardet_data_end(ud.get());
    const char* name = uchardet_get_charset(ud.get());
    return name ? encodingForCharsetName(name) : std::nullopt;
}

std::vector<EncodingId> guessWithIcu(std::string_view bytes)
{
    std::vector<EncodingId> out;
    UErrorCode status = U_ZERO_ERROR;
    const std::unique_ptr<UCharsetDetector, decltype(&ucsdet_close)> det(
        ucsdet_open(&status), ucsdet_close);
    if (U_FAILURE(status))
        return out;
    // Tags such as <i> say nothing about the encoding; ICU can look past them.
    ucsdet_enableInputFilter(det.get(), 1);
    const std::string_view text = sample(bytes);
    ucsdet_setText(det.get(), text.data(), static_cast<std::int32_t>(text.size()), &status);
    std::int32_t found = 0;
    const UCharsetMatch** matches = ucsdet_detectAll(det.get(), &found, &status);
    if (U_FAILURE(status))
        return out;
    for (std::int32_t i = 0; i < found; ++i) {
        UErrorCode nameStatus = U_ZERO_ERROR;
        const char* name = ucsdet_getName(matches[i], &nameStatus);
        if (U_FAILURE(nameStatus) || !name)
            continue;
        const auto id = encodingForCharsetName(name);
        if (id && std::find(out.begin(), out.end(), *id) == out.end())
            out.push_back(*id);
    }
    return out;
}

TextShape shapeOf(std::string_view utf8)
{
    TextShape shape;
    bool afterSmall = false;
    const auto length = static_cast<std::int32_t>(utf8.size());
    for (std::int32_t i = 0; i < length;) {
        UChar32 c;
        U8_NEXT(utf8.data(), i, length, c);
        if (c < 0x80) {
            // Both decodings read ASCII alike; only its small letters matter, before a capital.
            afterSmall = c >= 'a' && c <= 'z';
            continue;
        }
        shape.controls += c <= 0x9F;
        shape.letters += u_isalpha(c) != 0;
        shape.caseBreaks += afterSmall && u_isUUppercase(c);
        afterSmall = u_isULowercase(c) != 0;
    }
    return shape;
}

bool readsBetter(const TextShape& a, const TextShape& b)
{
    if (a.controls != b.controls)
        return a.controls < b.controls;
    if (a.caseBreaks != b.caseBreaks)
        return a.caseBreaks < b.caseBreaks;
    return a.letters > b.letters;
}

std::optional<EncodingId> encodingForCharsetName(std::string_view name)
{
    for (const Encoding& e : availableStringEncodings()) {
        if (!name.empty() && listed(e.detectedAs, name))
            return e.id;
    }
    return std::nullopt;
}

std::vector<EncodingId> encodingsForLocale(std::string_view locale)
{
    std::string_view language = locale.substr(0, locale.find_first_of("_.@"));
    std::vector<EncodingId> out;
    if (locale.starts_with("zh")) {
        // Taiwan and Hong Kong write traditional characters; the rest of the Chinese world
        // simplified ones.
        const bool traditional = locale.find("TW") != std::string_view::npos
            || locale.find("HK") != std::string_view::npos
            || locale.find("Hant") != std::string_view::npos;
        if (traditional)
            out = { kBig5 };
        else
            out = { kGbk, kGb18030 };
        return out;
    }
    for (const LocaleEncodings& l : kLocales) {
        if (!language.empty() && listed(l.languages, language)) {
            for (const EncodingId id : l.ids) {
                if (id)
                    out.push_back(id);
            }
        }
    }
    return out;
}

std::string currentLocaleName()
{
    for (const char* var : { "LC_ALL", "LC_CTYPE", "LANG" }) {
        const char* value = std::getenv(var);
        if (value && *value)
            return value;
    }
    return "C";
}

std::string shortName(EncodingId id)
{
    const Encoding* e = entryOf(id);
    return e ? e->shortName : "";
}

std::string scriptOf(EncodingId id)
{
    const Encoding* e = entryOf(id);
    return e ? e->script : "";
}

} // namespace encodings
