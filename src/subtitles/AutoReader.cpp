// The forgiving walk and the subtitle-aware choice between the detectors' candidates.
#include "subtitles/AutoReader.h"

#include "platform/Ascii.h"
#include "platform/CharsetDetector.h"
#include "subtitles/FormatReader.h"
#include "subtitles/FormatSniff.h"
#include "subtitles/IndexLine.h"
#include "subtitles/TextFormats.h"

#include <algorithm>
#include <array>
#include <limits>
#include <map>

namespace autoread {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Time lines and index lines are padded with spaces and tabs only.
std::string_view trimmed(std::string_view s)
{
    return ascii::trimmed(s, ascii::kBlanks);
}

// Reads up to `maxDigits` digits; false when there is none.
bool digits(std::string_view& s, std::size_t maxDigits, std::int32_t& value, std::size_t* count)
{
    std::size_t n = 0;
    value = 0;
    while (n < s.size() && n < maxDigits && isDigit(s[n]))
        value = value * 10 + (s[n++] - '0');
    if (count)
        *count = n;
    if (n == 0 || (n < s.size() && isDigit(s[n])))
        return false;
    s.remove_prefix(n);
    return true;
}

bool literal(std::string_view& s, char c)
{
    if (s.empty() || s.front() != c)
        return false;
    s.remove_prefix(1);
    return true;
}

// "h:mm:ss,mmm" or "h:mm:ss.mmm"; the milliseconds may be missing or have fewer digits.
bool timeCode(std::string_view& s, double& seconds)
{
    std::int32_t h, m, sec, ms = 0;
    // Minutes and seconds past 59 are read as the hand-picked reader reads them, added up.
    if (!digits(s, 5, h, nullptr) || !literal(s, ':') || !digits(s, 4, m, nullptr)
        || !literal(s, ':') || !digits(s, 4, sec, nullptr))
        return false;
    if (literal(s, ',') || literal(s, '.')) {
        std::size_t n = 0;
        if (!digits(s, 3, ms, &n))
            return false;
        for (; n < 3; ++n)
            ms *= 10;
    }
    // As the hand-picked reader computes it, so that the same line gives the same double.
    seconds = static_cast<double>(h * 3600 + m * 60 + sec) + ms / 1000.0;
    return true;
}

// Splits at one separator, or at any of CRLF, LF and CR when it is empty, and numbers the lines.
class Lines {
public:
    Lines(std::string_view text, std::string_view separator)
        : _text(text)
        , _separator(separator)
    {
    }

    bool next(std::string_view& line)
    {
        if (_done)
            return false;
        ++_number;
        std::size_t at;
        std::size_t width = _separator.size();
        if (_separator.empty()) {
            at = _text.find_first_of("\r\n", _pos);
            width = at != std::string_view::npos && _text[at] == '\r' && at + 1 < _text.size()
                    && _text[at + 1] == '\n'
                ? 2
                : 1;
        } else {
            at = _text.find(_separator, _pos);
        }
        if (at == std::string_view::npos) {
            line = _text.substr(_pos);
            _done = true;
        } else {
            line = _text.substr(_pos, at - _pos);
            _pos = at + width;
        }
        return true;
    }

    std::size_t number() const { return _number; }

private:
    std::string_view _text;
    std::string_view _separator;
    std::size_t _pos = 0;
    std::size_t _number = 0;
    bool _done = false;
};

bool hasC1Bytes(std::string_view bytes)
{
    return std::any_of(bytes.begin(), bytes.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b >= 0x80 && b <= 0x9F;
    });
}

// ISO code pages leave 0x80-0x9F to invisible control characters, where their Windows siblings
// put letters and punctuation: a file holding those bytes was written with the Windows one.
encodings::EncodingId printableSibling(encodings::EncodingId id, std::string_view bytes)
{
    using namespace encodings;
    if ((id == kLatin1 || id == kLatin9) && hasC1Bytes(bytes))
        return kWindows1252;
    if (id == kLatin2 && hasC1Bytes(bytes))
        return kWindows1250;
    // Where KOI8-U has Ukrainian letters (і ї є ґ), KOI8-R has box-drawing pieces no subtitle uses.
    if (id == kKoi8R && bytes.find_first_of("\xA4\xA6\xA7\xAD\xB4\xB6\xB7\xBD") != bytes.npos)
        return kKoi8U;
    return id;
}

std::size_t mostTimeLines(std::string_view text)
{
    std::size_t most = 0;
    for (const LineEnding ending : kLineEndings)
        most = std::max(most, countTimeLines(text, separatorOf(ending)));
    return most;
}

struct Decoded {
    encodings::EncodingId encoding;
    std::string text;
};

bool isWide(encodings::EncodingId id)
{
    using namespace encodings;
    return id == kUtf16 || id == kUtf16Be || id == kUtf16Le || id == kUtf32 || id == kUtf32Be
        || id == kUtf32Le;
}

// The first 256 KiB, up to their last line break; without one, less up to three high bytes at
// the end, which may be the start of a character the cut split.
std::string_view headOf(std::string_view bytes)
{
    constexpr std::size_t kHead = 256 << 10;
    if (bytes.size() <= kHead)
        return bytes;
    std::string_view head = bytes.substr(0, kHead);
    if (const std::size_t brk = head.find_last_of("\r\n"); brk != std::string_view::npos)
        return head.substr(0, brk + 1);
    // No character of ours is longer than four bytes.
    for (int i = 0; i < 3 && static_cast<unsigned char>(head.back()) >= 0x80; ++i)
        head.remove_suffix(1);
    return head;
}

void appendOnce(std::vector<encodings::EncodingId>& list, encodings::EncodingId id)
{
    if (std::find(list.begin(), list.end(), id) == list.end())
        list.push_back(id);
}

} // namespace

bool parseTimeLine(std::string_view line, double& start, double& end)
{
    std::string_view s = trimmed(line);
    if (!timeCode(s, start))
        return false;
    s = trimmed(s);
    if (!s.starts_with("-->"))
        return false;
    s.remove_prefix(3);
    s = trimmed(s);
    if (!timeCode(s, end))
        return false;
    // Whatever follows the end time (position notes) must be set off by a space.
    if (!s.empty() && !ascii::isSpace(s.front(), ascii::kBlanks))
        return false;
    return s.find_first_of("\r\n") == std::string_view::npos;
}

std::size_t countTimeLines(std::string_view text, std::string_view separator)
{
    Lines lines(text, separator);
    std::string_view line;
    std::size_t count = 0;
    double start, end;
    while (lines.next(line)) {
        // A cheap look for the arrow first: most lines are text.
        if (line.find("-->") != std::string_view::npos && parseTimeLine(line, start, end))
            ++count;
    }
    return count;
}

LineEnding detectLineEnding(std::string_view text)
{
    LineEnding best = kLineEndings[0];
    std::size_t bestCount = 0;
    for (const LineEnding ending : kLineEndings) {
        const std::size_t count = countTimeLines(text, separatorOf(ending));
        if (count > bestCount) {
            best = ending;
            bestCount = count;
        }
    }
    return best;
}

// `owned`, when given, holds `bytes`; a UTF-8 text takes it rather than a copy of it.
std::optional<Decoded> detectAndDecode(
    std::string_view bytes, std::string_view locale, std::string* owned = nullptr)
{
    using encodings::EncodingId;
    const auto decoded = [&](EncodingId id) -> std::optional<Decoded> {
        if (auto text = encodings::decode(std::string(bytes), id))
            return Decoded{ id, std::move(*text) };
        return std::nullopt;
    };
    if (const auto bom = encodings::byteOrderMark(bytes))
        return decoded(*bom);
    // Before UTF-8: Cyrillic or Thai in UTF-16 is made of bytes below 0x80, so valid UTF-8 too.
    if (const auto wide = encodings::unmarkedWideUnicode(bytes))
        if (auto d = decoded(*wide))
            return d;
    if (encodings::isValidUtf8(bytes)) {
        // Checked already, and without a byte-order mark to drop.
        if (owned)
            return Decoded{ encodings::kUtf8, std::move(*owned) };
        return decoded(encodings::kUtf8);
    }

    const std::string_view head = headOf(bytes);
    // Votes: each detector's first choice two, ICU's other matches one, the user's locale one.
    // So the detectors decide when they agree; when they do not, the text decides between their
    // two choices (below), and the locale where the text cannot tell.
    std::vector<EncodingId> candidates;
    std::map<EncodingId, int> votes;
    const auto vote = [&](EncodingId id, int weight) {
        appendOnce(candidates, id);
        votes[id] += weight;
    };
    const std::optional<EncodingId> byUchardet = encodings::guessWithUchardet(head);
    if (byUchardet)
        vote(*byUchardet, 2);
    std::optional<EncodingId> byIcu;
    for (const EncodingId id : encodings::guessWithIcu(head)) {
        // ICU offers UTF-16 and UTF-32 for nearly anything; the zero-byte test above is surer.
        if (isWide(id))
            continue;
        vote(id, byIcu ? 1 : 2);
        if (!byIcu)
            byIcu = id;
    }
    const bool disagree = byUchardet && byIcu && *byUchardet != *byIcu;
    for (const EncodingId id : encodings::encodingsForLocale(locale))
        vote(id, 1);
    // Stable: on equal votes uchardet, which knows more code pages, comes first.
    std::stable_sort(candidates.begin(), candidates.end(),
        [&](EncodingId a, EncodingId b) { return votes[a] > votes[b]; });

    // The candidates are compared on the first stretch of the file, cut at a line break so that
    // no character is split: the candidate must decode it without a single invalid sequence and
    // hold the most time lines; among those that do equally well, the votes decide. Only the
    // winner decodes the whole file (or the next, should the rest of the file not decode).
    struct Ranked {
        EncodingId id;
        std::size_t timeLines; // in the head
        encodings::TextShape shape; // only for the detectors' choices when they disagree
    };
    std::vector<Ranked> ranked;
    for (const EncodingId id : candidates) {
        if (const auto text = encodings::decode(std::string(head), id)) {
            const bool chosen = disagree && (id == *byUchardet || id == *byIcu);
            ranked.push_back({ id, mostTimeLines(*text),
                chosen ? encodings::shapeOf(*text) : encodings::TextShape{} });
        }
    }
    std::stable_sort(ranked.begin(), ranked.end(),
        [](const Ranked& a, const Ranked& b) { return a.timeLines > b.timeLines; });
    // When the detectors disagree their votes tie, and the tie-break (uchardet first) would make
    // Automatic worse than ICU alone wherever uchardet is the one wrong, as it is on ISO-8859-7
    // Greek with elisions. The text decides instead: of the two, the one that reads better goes
    // first, provided it holds as many time lines.
    const auto at = [&](std::optional<EncodingId> id) {
        return std::find_if(
            ranked.begin(), ranked.end(), [&](const Ranked& r) { return id && r.id == *id; });
    };
    auto first = at(byUchardet);
    auto second = at(byIcu);
    if (disagree && first != ranked.end() && second != ranked.end()) {
        if (second < first)
            std::swap(first, second);
        if (first->timeLines == second->timeLines
            && encodings::readsBetter(second->shape, first->shape))
            std::rotate(first, second, second + 1);
    }
    for (const Ranked& r : ranked) {
        // Windows-1252 leaves five bytes undefined that ISO-8859-1 decodes.
        const EncodingId sibling = printableSibling(r.id, bytes);
        if (auto d = decoded(sibling))
            return d;
        if (auto d = sibling != r.id ? decoded(r.id) : std::nullopt)
            return d;
    }
    return std::nullopt;
}

std::optional<encodings::EncodingId> detectEncoding(std::string_view bytes, std::string_view locale)
{
    if (const auto d = detectAndDecode(bytes, locale))
        return d->encoding;
    return std::nullopt;
}

void walk(std::string_view text, std::string_view separator, SrtMessageList& out,
    std::vector<std::size_t>& skippedLines)
{
    Lines lines(text, separator);
    std::shared_ptr<SrtMessage> current;
    std::string message;
    bool hasText = false;
    bool skipping = false; // inside a skipped block, which is counted once
    const auto finish = [&] {
        if (!current)
            return;
        if (hasText)
            current->setMessage(message);
        message.clear();
        hasText = false;
        out.push_back(std::move(current));
    };
    const auto skip = [&](std::size_t lineNumber) {
        if (!skipping)
            skippedLines.push_back(lineNumber);
        skipping = true;
    };

    std::string_view line;
    std::optional<std::string_view> ahead;
    std::size_t aheadNumber = 0;
    for (;;) {
        if (ahead) {
            line = *ahead;
            ahead.reset();
        } else if (!lines.next(line)) {
            break;
        }
        const std::size_t number = aheadNumber ? aheadNumber : lines.number();
        aheadNumber = 0;
        const std::string_view index = trimmed(line);
        if (isIndexLine(index)) {
            std::string_view next;
            if (lines.next(next)) {
                double start = 0, end = 0;
                if (parseTimeLine(next, start, end)) {
                    finish();
                    skipping = false;
                    current = std::make_shared<SrtMessage>();
                    current->setNumberData(intValue(index));
                    current->setStartTimeData(start);
                    current->setEndTimeData(end);
                    continue;
                }
                if (next.find("-->") != std::string_view::npos) {
                    // An index and a time line that does not read: the whole block is dropped.
                    finish();
                    skipping = false;
                    skip(number);
                    continue;
                }
                ahead = next;
                aheadNumber = lines.number();
            }
        }
        if (index.empty() && !current) {
            skipping = false;
        } else if (current) {
            if (hasText)
                message.push_back('\n');
            message.append(line);
            hasText = true;
        } else {
            skip(number);
        }
    }
    finish();
}

namespace {

// Another format's entries, in the same list and report as SubRip's. The line ending is the first
// one in the file, which Save Subtitles As keeps.
void readOtherFormat(std::string_view text, SubtitleFormat format, SrtMessageList& out,
    ReadingReport& report, const VideoFrameRate& videoRate)
{
    report.format = format;
    const std::size_t brk = text.find_first_of("\r\n");
    report.lineEnding = brk == std::string_view::npos || text.substr(brk).starts_with("\r\n")
        ? LineEnding::crlf
        : text[brk] == '\n' ? LineEnding::lf
                            : LineEnding::cr;
    const std::size_t before = out.size();
    switch (format) {
    case SubtitleFormat::webvtt:
        textformats::readWebVtt(text, out);
        break;
    case SubtitleFormat::ass:
    case SubtitleFormat::ssa:
        textformats::readAss(text, out);
        break;
    case SubtitleFormat::microdvd: {
        auto rate = textformats::readMicroDvd(text, std::nullopt, out);
        // Only a file without a rate of its own opens the video.
        if (const auto fps = rate.assumed && videoRate ? videoRate() : std::nullopt) {
            out.resize(before);
            rate = textformats::readMicroDvd(text, fps, out);
        }
        report.frameRate = rate.fps;
        report.frameRateAssumed = rate.assumed;
        break;
    }
    default:
        if (const FormatReader* reader = formatReader())
            reader->read(text, format, out);
        break;
    }
    report.countFrom(out, before);
}

} // namespace

bool read(std::string bytes, std::optional<encodings::EncodingId> encoding,
    std::optional<LineEnding> lineEnding, std::string_view locale, SrtMessageList& out,
    ReadingReport& report, const VideoFrameRate& videoRate)
{
    report = ReadingReport{};
    report.encodingDetected = !encoding;
    report.lineEndingDetected = !lineEnding;
    std::optional<std::string> text;
    if (encoding) {
        text = encodings::decode(std::move(bytes), *encoding);
    } else if (auto d = detectAndDecode(bytes, locale, &bytes)) {
        encoding = d->encoding;
        text = std::move(d->text);
    }
    if (!text)
        return false;
    report.encoding = *encoding;
    if (const SubtitleFormat format = sniffFormat(*text); format != SubtitleFormat::subrip) {
        readOtherFormat(*text, format, out, report, videoRate);
        return true;
    }
    // The start of the file is enough to tell the line ending.
    report.lineEnding
        = lineEnding ? *lineEnding : detectLineEnding(std::string_view(*text).substr(0, 1 << 20));
    const std::size_t before = out.size();
    walk(*text, lineEnding ? separatorOf(*lineEnding) : std::string_view(), out,
        report.skippedLines);
    report.countFrom(out, before);
    return true;
}

std::optional<Suggestion> suggest(std::string_view bytes, std::string_view locale)
{
    // The head is enough to tell, and keeps an alert quick on a huge file; should the rest not
    // read, the read that follows "Use these" says so.
    SrtMessageList entries;
    ReadingReport report;
    if (!read(std::string(headOf(bytes)), std::nullopt, std::nullopt, locale, entries, report)
        || entries.empty())
        return std::nullopt;
    return Suggestion{ report.encoding, codeOf(report.lineEnding) };
}

} // namespace autoread
