// The SRT walk: index line, time line, then every line up to the next index line is text.
#include "subtitles/SrtFile.h"

#include "platform/CharsetDetector.h"
#include "platform/Encodings.h"
#include "platform/Log.h"
#include "platform/ReleasedPages.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// memchr for the first byte, then a look at the rest: a generic substring search costs a call or
// two per candidate, and there is a candidate on every line.
std::size_t findSeparator(std::string_view text, std::size_t pos, std::string_view separator)
{
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    for (const char* p = begin + pos; p < end;) {
        const auto* hit = static_cast<const char*>(
            std::memchr(p, separator[0], static_cast<std::size_t>(end - p)));
        if (!hit)
            return std::string_view::npos;
        std::size_t k = 1;
        while (k < separator.size() && hit + k < end && hit[k] == separator[k])
            ++k;
        if (k == separator.size())
            return static_cast<std::size_t>(hit - begin);
        p = hit + 1;
    }
    return std::string_view::npos;
}

// Hands out the pieces between separators one at a time, empty pieces included, so the text is
// split in the same pass that parses it and no list of lines is ever built.
class LineSplitter {
public:
    LineSplitter(std::string_view text, std::string_view separator)
        : _text(text)
        , _separator(separator)
        , _done(separator.empty())
    {
    }

    bool next(std::string_view& line)
    {
        if (_done)
            return false;
        const std::size_t at = findSeparator(_text, _pos, _separator);
        if (at == std::string_view::npos) {
            line = _text.substr(_pos);
            _done = true;
        } else {
            line = _text.substr(_pos, at - _pos);
            _pos = at + _separator.size();
        }
        return true;
    }

private:
    std::string_view _text;
    std::string_view _separator;
    std::size_t _pos = 0;
    bool _done;
};

// The text lines of one entry, kept as the stretch of the file they span: joined, they are that
// stretch with each separator turned into "\n", built in one allocation of the right size rather
// than grown line by line.
class TextLines {
public:
    void add(std::string_view line)
    {
        if (!_begin)
            _begin = line.data();
        _end = line.data() + line.size();
    }

    bool empty() const { return _begin == nullptr; }

    std::string joined(std::string_view separator) const
    {
        const std::string_view span(_begin, static_cast<std::size_t>(_end - _begin));
        std::string out;
        if (separator == "\n") {
            out.assign(span);
            return out;
        }
        // The separators in the stretch are exactly the ones the walk split at: both searches
        // run left to right from the start of the first line.
        out.reserve(span.size());
        std::size_t pos = 0;
        for (;;) {
            const std::size_t at = findSeparator(span, pos, separator);
            out.append(span.substr(pos, at - pos));
            if (at == std::string_view::npos)
                break;
            out.push_back('\n');
            pos = at + separator.size();
        }
        return out;
    }

    void clear() { _begin = _end = nullptr; }

private:
    const char* _begin = nullptr;
    const char* _end = nullptr;
};

int twoDigits(const char* p)
{
    return (p[0] - '0') * 10 + (p[1] - '0');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// "hh:mm:ss,mmm --> hh:mm:ss,mmm", the form nearly every file has, read directly; any other form
// goes to getTimeCodes. Same fields and the same arithmetic, so the same doubles to the bit.
bool readCommonTimeLine(std::string_view line, double& start, double& end)
{
    static constexpr std::string_view shape = "00:00:00,000 --> 00:00:00,000";
    if (line.size() != shape.size())
        return false;
    for (std::size_t i = 0; i < shape.size(); ++i) {
        if (shape[i] == '0' ? !isDigit(line[i]) : line[i] != shape[i])
            return false;
    }
    const auto seconds = [](const char* p) {
        const std::int32_t sum = twoDigits(p) * 3600 + twoDigits(p + 3) * 60 + twoDigits(p + 6);
        const std::int32_t ms = (p[9] - '0') * 100 + twoDigits(p + 10);
        return static_cast<double>(sum) + ms / 1000.0;
    };
    start = seconds(line.data());
    end = seconds(line.data() + 17);
    return true;
}

// The walk: an index line starts an entry, the next line is its time line, and every other line
// up to the next index line is its text.
void walk(
    std::string_view text, std::string_view separator, SrtMessageList& out, ReleasedPages* pages)
{
    LineSplitter lines(text, separator);
    std::shared_ptr<SrtMessage> current;
    TextLines texts;
    const auto finish = [&] {
        if (!current)
            return;
        if (!texts.empty())
            current->setMessage(texts.joined(separator));
        texts.clear();
        out.push_back(std::move(current));
    };
    std::string_view line;
    while (lines.next(line)) {
        if (isIndexLine(line)) {
            finish();
            if (pages)
                pages->passed(line.data());
            current = std::make_shared<SrtMessage>();
            current->setNumberData(intValue(line));
            if (!lines.next(line))
                break;
            double start = 0;
            double end = 0;
            if (!readCommonTimeLine(line, start, end))
                getTimeCodes(start, end, line);
            current->setStartTimeData(start);
            current->setEndTimeData(end);
        } else if (current) {
            texts.add(line);
        }
    }
    finish();
}

} // namespace

std::unique_ptr<SrtFile> SrtFile::file(
    const std::string& path, std::uint32_t encode, LineEnding retCode)
{
    return std::make_unique<SrtFile>(path, encode, retCode);
}

SrtFile::SrtFile(const std::string& path, std::uint32_t encode, LineEnding retCode)
    : File(path)
    , _encodeType(encode)
    , _returnCode(retCode)
{
}

std::uint32_t SrtFile::detectEncoding() const
{
    std::string bytes;
    if (!readWhole(bytes))
        return 0;
    for (const encodings::Encoding& e : encodings::availableStringEncodings()) {
        if (encodings::decode(bytes, e.id))
            return e.id;
    }
    return 0;
}

bool SrtFile::readData()
{
    std::string bytes;
    if (!readWhole(bytes))
        return false;
    if (_automaticEncoding || _automaticLineEnding) {
        SrtMessageList entries;
        ReadingReport report;
        const auto encoding = _automaticEncoding ? std::nullopt : std::optional(_encodeType);
        const auto lineEnding = _automaticLineEnding ? std::nullopt : std::optional(_returnCode);
        if (!autoread::read(std::move(bytes), encoding, lineEnding, encodings::currentLocaleName(),
                entries, report, _videoFrameRate)) {
            _failure = ReadFailure::notDecodable;
            return false;
        }
        _nsma.insert(_nsma.end(), entries.begin(), entries.end());
        _report = std::move(report);
        return true;
    }
    std::optional<std::string> text = encodings::decode(std::move(bytes), _encodeType);
    if (!text) {
        _failure = ReadFailure::notDecodable;
        return false;
    }
    const std::size_t before = _nsma.size();
    {
        // The decoded text is ours and dies here, so the walk may give back what it has passed.
        ReleasedPages pages(*text);
        walk(*text, separatorOf(_returnCode), _nsma, &pages);
    }
    _report = ReadingReport{};
    _report.encoding = _encodeType;
    _report.lineEnding = _returnCode;
    _report.countFrom(_nsma, before);
    return true;
}

void SrtFile::setAutomatic(bool encoding, bool lineEnding)
{
    _automaticEncoding = encoding;
    _automaticLineEnding = lineEnding;
}

std::optional<Suggestion> SrtFile::suggestion() const
{
    std::string bytes;
    if (!readWhole(bytes))
        return std::nullopt;
    return autoread::suggest(bytes, encodings::currentLocaleName());
}

void SrtFile::parseText(std::string_view text)
{
    walk(text, separatorOf(_returnCode), _nsma, nullptr);
}

void SrtFile::dumpValues(std::FILE* out, const Timing& timing) const
{
    const auto shown = [&](double t) { return timing.isIdentity() ? t : timing.toClock(t); };
    for (const auto& entry : _nsma) {
        std::int32_t h, m, s, ms;
        std::fprintf(out, "count_nsma:\t %d\n", entry->numberData());
        convertTimeCode(shown(entry->startTimeData()), h, m, s, ms);
        std::fprintf(out, "start:\t\t\t %02d:%02d:%02d:%03d\n", h, m, s, ms);
        convertTimeCode(shown(entry->endTimeData()), h, m, s, ms);
        std::fprintf(out, "end  :\t\t\t %02d:%02d:%02d:%03d\n", h, m, s, ms);
        // An entry without text logs an empty line, so every entry still shows in the log.
        logLine(entry->message().value_or(""));
    }
    std::fflush(out);
}
