// The SRT walk: index line, time line, then every line up to the next index line is text.
#include "subtitles/SrtFile.h"

#include "shell/Encodings.h"
#include "subtitles/Log.h"

#include <algorithm>
#include <limits>

namespace {

std::string_view separatorFor(std::uint8_t returnCode)
{
    switch (returnCode) {
    case SrtFile::kCrLf:
        return "\r\n";
    case SrtFile::kLf:
        return "\n";
    case SrtFile::kCr:
        return "\r";
    default:
        return {};
    }
}

// Hands out the pieces between separators one at a time, empty pieces included, so the text is
// split in the same pass that parses it and no list of lines is ever built.
class LineSplitter {
public:
    LineSplitter(std::string_view text, std::string_view separator)
        : _text(text), _separator(separator), _done(separator.empty())
    {
    }

    bool next(std::string_view& line)
    {
        if (_done)
            return false;
        const std::size_t at = _text.find(_separator, _pos);
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

} // namespace

std::int32_t intValue(std::string_view digits)
{
    constexpr std::int64_t max = std::numeric_limits<std::int32_t>::max();
    std::int64_t value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            break;
        value = std::min(max, value * 10 + (c - '0'));
    }
    return static_cast<std::int32_t>(value);
}

std::unique_ptr<SrtFile> SrtFile::file(const std::string& path, std::uint32_t encode,
                                       std::uint8_t retCode)
{
    return std::make_unique<SrtFile>(path, encode, retCode);
}

SrtFile::SrtFile(const std::string& path, std::uint32_t encode, std::uint8_t retCode)
    : File(path), _encodeType(encode), _returnCode(retCode)
{
}

bool SrtFile::isDigitCode(std::string_view line)
{
    return !line.empty()
           && std::all_of(line.begin(), line.end(), [](char c) { return c >= '0' && c <= '9'; });
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
    const std::optional<std::string> text = encodings::decode(std::move(bytes), _encodeType);
    if (!text)
        return false;
    parseText(*text);
    return true;
}

void SrtFile::parseText(std::string_view text)
{
    LineSplitter lines(text, separatorFor(_returnCode));
    std::shared_ptr<SrtMessage> current;
    std::string_view line;
    while (lines.next(line)) {
        if (isDigitCode(line)) {
            if (current)
                _nsma.push_back(std::move(current));
            current = std::make_shared<SrtMessage>();
            current->setNumberData(intValue(line));
            if (!lines.next(line))
                break;
            double start = 0;
            double end = 0;
            getTimeCodes(start, end, line);
            current->setStartTimeData(start);
            current->setEndTimeData(end);
        } else if (current) {
            current->appendLine(line);
        }
    }
    if (current)
        _nsma.push_back(std::move(current));
}

void SrtFile::dumpValues(std::FILE* out) const
{
    for (const auto& entry : _nsma) {
        std::int32_t h, m, s, ms;
        std::fprintf(out, "count_nsma:\t %d\n", entry->numberData());
        convertTimeCode(entry->startTimeData(), h, m, s, ms);
        std::fprintf(out, "start:\t\t\t %02d:%02d:%02d:%03d\n", h, m, s, ms);
        convertTimeCode(entry->endTimeData(), h, m, s, ms);
        std::fprintf(out, "end  :\t\t\t %02d:%02d:%02d:%03d\n", h, m, s, ms);
        // An entry without text logs an empty line, so every entry still shows in the log.
        logLine(entry->message().value_or(""));
    }
    std::fflush(out);
}
