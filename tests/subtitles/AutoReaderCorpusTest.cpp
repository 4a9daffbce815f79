// Automatic reading against a corpus generated here: lines in many languages, encoded as files
// in those languages really are, CRLF and LF, with and without a byte-order mark, short and
// film-length. Checks the decoded texts, and scores the two detectors alone on the same files.
#include "platform/CharsetDetector.h"
#include "subtitles/AutoReader.h"
#include "subtitles/SrtFile.h"

#include "corpus/Sentences.h"

#include <gtest/gtest.h>
#include <unicode/ucnv.h>
#include <unicode/unorm2.h>
#include <unicode/ustring.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

std::u16string toUtf16(std::string_view utf8)
{
    std::u16string out(utf8.size() + 1, u'\0');
    std::int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strFromUTF8(out.data(), static_cast<std::int32_t>(out.size()), &length, utf8.data(),
        static_cast<std::int32_t>(utf8.size()), &status);
    out.resize(U_SUCCESS(status) ? static_cast<std::size_t>(length) : 0);
    return out;
}

std::string toUtf8(std::u16string_view text)
{
    std::string out(text.size() * 3 + 1, '\0');
    std::int32_t length = 0;
    UErrorCode status = U_ZERO_ERROR;
    u_strToUTF8(out.data(), static_cast<std::int32_t>(out.size()), &length, text.data(),
        static_cast<std::int32_t>(text.size()), &status);
    out.resize(U_SUCCESS(status) ? static_cast<std::size_t>(length) : 0);
    return out;
}

// Windows-1258 has the Vietnamese vowels with their shape marks (â, ơ, ư...) but writes tone
// marks as separate combining characters, as Vietnamese files in it do.
std::string forWindows1258(std::string_view utf8)
{
    UErrorCode status = U_ZERO_ERROR;
    const UNormalizer2* nfd = unorm2_getNFDInstance(&status);
    const UNormalizer2* nfc = unorm2_getNFCInstance(&status);
    const std::u16string text = toUtf16(utf8);
    std::u16string decomposed(text.size() * 4, u'\0');
    decomposed.resize(static_cast<std::size_t>(
        unorm2_normalize(nfd, text.data(), static_cast<std::int32_t>(text.size()),
            decomposed.data(), static_cast<std::int32_t>(decomposed.size()), &status)));
    std::u16string out;
    for (const char16_t c : decomposed) {
        const bool shapeMark = c == 0x0302 || c == 0x0306 || c == 0x031B;
        // NFD puts a dot below before the circumflex; the base letter is behind the tone marks.
        std::size_t base = out.size();
        while (base > 0 && out[base - 1] >= 0x0300 && out[base - 1] <= 0x036F)
            --base;
        if (shapeMark && base > 0) {
            const UChar32 composed = unorm2_composePair(nfc, out[base - 1], c);
            if (composed >= 0) {
                out[base - 1] = static_cast<char16_t>(composed);
                continue;
            }
        }
        out.push_back(c);
    }
    return U_SUCCESS(status) ? toUtf8(out) : std::string();
}

// Strict: a line that does not fit the encoding fails the test instead of turning into '?'.
std::optional<std::string> encode(std::string_view utf8, const char* icuName)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, decltype(&ucnv_close)> cnv(ucnv_open(icuName, &status), ucnv_close);
    ucnv_setFromUCallBack(cnv.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    const std::u16string text = toUtf16(utf8);
    std::string out(text.size() * 4 + 8, '\0');
    const std::int32_t n
        = ucnv_fromUChars(cnv.get(), out.data(), static_cast<std::int32_t>(out.size()), text.data(),
            static_cast<std::int32_t>(text.size()), &status);
    if (U_FAILURE(status))
        return std::nullopt;
    out.resize(static_cast<std::size_t>(n));
    return out;
}

std::string timeCode(int ms)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d,%03d", ms / 3600000, ms / 60000 % 60,
        ms / 1000 % 60, ms % 1000);
    return buf;
}

struct CorpusFile {
    std::string label;
    std::string language;
    std::string form; // "code page", "UTF-8", "UTF-16 with BOM"...
    std::string bytes;
    std::vector<std::string> texts; // what each subtitle must read as
    LineEnding lineEnding;
};

// The subtitles as UTF-8, then encoded as a whole; every third subtitle has two lines.
std::optional<CorpusFile> makeFile(
    const Language& language, const char* icuName, bool bom, LineEnding lineEnding, int count)
{
    const bool vietnamese = std::string_view(icuName) == "windows-1258";
    const char* eol = lineEnding == LineEnding::crlf ? "\r\n" : "\n";
    CorpusFile file{ std::string(language.name) + " " + icuName + (bom ? " BOM" : "")
            + (lineEnding == LineEnding::crlf ? " CRLF " : " LF ") + std::to_string(count),
        language.name, {}, {}, {}, lineEnding };
    const std::string_view name = icuName;
    file.form = name.starts_with("UTF")
        ? std::string(name.substr(0, 6)) + (bom ? " BOM" : " no BOM")
        : "code page";
    std::string utf8;
    const std::size_t n = language.lines.size();
    for (int i = 0; i < count; ++i) {
        std::string text = language.lines[static_cast<std::size_t>(i) % n];
        if (i % 3 == 2)
            text += std::string("\n") + language.lines[(static_cast<std::size_t>(i) * 5 + 1) % n];
        if (vietnamese)
            text = forWindows1258(text);
        const int start = 1000 + i * 3500;
        utf8 += std::to_string(i + 1) + eol + timeCode(start) + " --> " + timeCode(start + 2800)
            + eol;
        std::string lines = text;
        for (std::size_t at = 0; (at = lines.find('\n', at)) != std::string::npos; at += 2)
            lines.replace(at, 1, eol);
        utf8 += lines + eol + eol;
        // The reader keeps the blank line after a subtitle as part of its text.
        file.texts.push_back(text + "\n");
    }
    file.texts.back() += "\n";
    if (bom)
        utf8.insert(0, "\xEF\xBB\xBF");
    const auto bytes = encode(utf8, icuName);
    if (!bytes)
        return std::nullopt;
    file.bytes = *bytes;
    return file;
}

std::vector<CorpusFile> corpus()
{
    std::vector<CorpusFile> files;
    for (const Language& language : corpusLanguages()) {
        struct Form {
            const char* icuName;
            bool bom;
        };
        std::vector<Form> forms{ { "UTF-8", false }, { "UTF-8", true }, { "UTF-16LE", true } };
        for (const char* e : language.encodings)
            forms.push_back({ e, false });
        // Some Windows tools write UTF-16 without a mark.
        if (language.lines[0][0] & 0x80)
            forms.push_back({ "UTF-16LE", false });
        for (const Form& form : forms) {
            for (const LineEnding eol : { LineEnding::crlf, LineEnding::lf }) {
                for (const int count : { 20, 1500 }) {
                    if (auto f = makeFile(language, form.icuName, form.bom, eol, count))
                        files.push_back(std::move(*f));
                    else
                        ADD_FAILURE() << language.name << " does not fit " << form.icuName;
                }
            }
        }
    }
    return files;
}

// Whether the entries are the file's subtitles, in order, with the right texts.
bool readsRight(const SrtMessageList& entries, const CorpusFile& file)
{
    if (entries.size() != file.texts.size())
        return false;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i]->message() != file.texts[i]
            || entries[i]->numberData() != static_cast<std::int32_t>(i + 1))
            return false;
    }
    return true;
}

// A detector alone: decode with what it names, split at the file's true line ending.
bool detectorReadsRight(std::optional<encodings::EncodingId> id, const CorpusFile& file)
{
    if (!id)
        return false;
    const auto text = encodings::decode(file.bytes, *id);
    if (!text)
        return false;
    SrtFile reader("", *id, file.lineEnding);
    reader.parseText(*text);
    return readsRight(reader.dataArray(), file);
}

struct Score {
    int right = 0;
    int total = 0;
    std::map<std::string, int> wrongByLanguage;
    void add(bool ok, const CorpusFile& file)
    {
        ++total;
        right += ok;
        if (!ok)
            ++wrongByLanguage[file.language];
    }
    std::string summary() const
    {
        std::string out = std::to_string(right) + "/" + std::to_string(total);
        for (const auto& [language, n] : wrongByLanguage)
            out += " " + language + ":" + std::to_string(n);
        return out;
    }
};

TEST(EncodingCorpus, EveryFileReadsRightWithAutomatic)
{
    const std::vector<CorpusFile> files = corpus();
    ASSERT_GT(files.size(), 300U);
    // By form of file: ours, uchardet alone, ICU alone.
    std::map<std::string, std::array<Score, 3>> scores;
    for (const CorpusFile& file : files) {
        SrtMessageList entries;
        ReadingReport report;
        // A locale that helps no one: the detectors must do the work.
        const bool read
            = autoread::read(file.bytes, std::nullopt, std::nullopt, "C", entries, report);
        const bool ok = read && readsRight(entries, file) && report.lineEnding == file.lineEnding;
        EXPECT_TRUE(ok) << file.label << " read as " << encodings::shortName(report.encoding);
        const auto icu = encodings::guessWithIcu(file.bytes);
        const bool u = detectorReadsRight(encodings::guessWithUchardet(file.bytes), file);
        const bool i
            = detectorReadsRight(icu.empty() ? std::nullopt : std::optional(icu.front()), file);
        for (const std::string& form : { file.form, std::string("all") }) {
            scores[form][0].add(ok, file);
            scores[form][1].add(u, file);
            scores[form][2].add(i, file);
        }
    }
    for (const auto& [form, s] : scores) {
        std::printf("%-16s ours %s\n%-16s uchardet %s\n%-16s ICU %s\n", form.c_str(),
            s[0].summary().c_str(), "", s[1].summary().c_str(), "", s[2].summary().c_str());
    }
    EXPECT_GE(scores["all"][0].right, scores["all"][1].right);
    EXPECT_GE(scores["all"][0].right, scores["all"][2].right);
}

} // namespace
