// Arbitrary bytes, encoding identifier and line ending through the reader: decode, then the walk
// over lines, and now and then the whole path through a real file and readData, or Automatic.
//
// Input: [encoding selector][id: 4 bytes, only when the selector is >= 0xF0][line ending][flags]
// then the file's bytes. A selector below 0xF0 picks from the offered list.
#include "Utf8Reference.h"
#include "platform/Encodings.h"
#include "subtitles/AutoReader.h"
#include "subtitles/SrtFile.h"
#include "subtitles/TimeCode.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Input {
    std::uint32_t encoding = 0;
    LineEnding lineEnding = LineEnding::crlf;
    bool throughFile = false;
    bool automatic = false;
    std::string_view body;
};

bool parseHeader(const std::uint8_t* data, std::size_t size, Input& in)
{
    const auto list = encodings::availableStringEncodings();
    if (size < 1)
        return false;
    std::size_t at = 1;
    if (data[0] < 0xF0) {
        in.encoding = list[data[0] % list.size()].id;
    } else {
        if (size < 5)
            return false;
        in.encoding = std::uint32_t{ data[1] } | std::uint32_t{ data[2] } << 8
            | std::uint32_t{ data[3] } << 16 | std::uint32_t{ data[4] } << 24;
        at = 5;
    }
    if (size < at + 2)
        return false;
    in.lineEnding = lineEndingFromCode(data[at]);
    // One input in eight also goes through a file: slower, so not every time.
    in.throughFile = (data[at + 1] & 0x07) == 0;
    // And one in eight through Automatic, whose detectors are slower still.
    in.automatic = (data[at + 1] & 0x38) == 0;
    in.body = std::string_view(reinterpret_cast<const char*>(data) + at + 2, size - at - 2);
    return true;
}

bool isListed(std::uint32_t id)
{
    const auto list = encodings::availableStringEncodings();
    return std::any_of(list.begin(), list.end(), [id](const auto& e) { return e.id == id; });
}

bool sameEntries(const SrtMessageList& a, const SrtMessageList& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const SrtMessage& x = *a[i];
        const SrtMessage& y = *b[i];
        // Times are compared bit for bit: both sides parsed the same line.
        if (x.numberData() != y.numberData()
            || std::bit_cast<std::uint64_t>(x.startTimeData())
                != std::bit_cast<std::uint64_t>(y.startTimeData())
            || std::bit_cast<std::uint64_t>(x.endTimeData())
                != std::bit_cast<std::uint64_t>(y.endTimeData())
            || x.message() != y.message())
            return false;
    }
    return true;
}

const std::string& scratchFile()
{
    static const std::string path = [] {
        char dir[] = "/tmp/subclock-fuzz-XXXXXX";
        if (!::mkdtemp(dir))
            std::abort();
        return std::string(dir) + "/input.srt";
    }();
    return path;
}

void writeFile(const std::string& path, std::string_view bytes)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        std::abort();
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0)
            std::abort();
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
}

// The walk as plainly as it can be written: split at every separator, join text lines with
// "\n". The reader's own walk avoids the copies and searches this one makes.
SrtMessageList referenceParse(std::string_view text, LineEnding lineEnding)
{
    const std::string_view sep = lineEnding == LineEnding::crlf ? "\r\n"
        : lineEnding == LineEnding::lf                          ? "\n"
        : lineEnding == LineEnding::cr                          ? "\r"
                                                                : "";
    std::vector<std::string_view> lines;
    if (!sep.empty()) {
        for (std::size_t pos = 0;;) {
            const std::size_t at = text.find(sep, pos);
            lines.push_back(
                text.substr(pos, at == std::string_view::npos ? std::string_view::npos : at - pos));
            if (at == std::string_view::npos)
                break;
            pos = at + sep.size();
        }
    }
    SrtMessageList out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool index = !lines[i].empty()
            && std::all_of(
                lines[i].begin(), lines[i].end(), [](char c) { return c >= '0' && c <= '9'; });
        if (index) {
            auto e = std::make_shared<SrtMessage>();
            e->setNumberData(intValue(lines[i]));
            out.push_back(e);
            if (++i == lines.size())
                break;
            double start = 0;
            double end = 0;
            getTimeCodes(start, end, lines[i]);
            e->setStartTimeData(start);
            e->setEndTimeData(end);
        } else if (!out.empty()) {
            const auto& last = out.back();
            last->setMessage(last->message() ? *last->message() + "\n" + std::string(lines[i])
                                             : std::string(lines[i]));
        }
    }
    return out;
}

[[noreturn]] void fail(const char* what)
{
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Input in;
    if (!parseHeader(data, size, in))
        return -1;

    const std::optional<std::string> text = encodings::decode(std::string(in.body), in.encoding);
    if (!isListed(in.encoding) && text)
        fail("an unknown encoding decoded");
    if (text && !referenceValidUtf8(*text))
        fail("decoded text is not well-formed UTF-8");
    if (in.encoding == encodings::kUtf8) {
        if (text.has_value() != referenceValidUtf8(in.body))
            fail("UTF-8 accepted or refused against the reference");
        const bool bom = in.body.starts_with("\xEF\xBB\xBF");
        if (text && *text != in.body.substr(bom ? 3 : 0))
            fail("UTF-8 text changed in decoding");
    }
    if (in.encoding == encodings::kAscii) {
        const bool ascii = std::all_of(in.body.begin(), in.body.end(),
            [](char c) { return static_cast<unsigned char>(c) < 0x80; });
        if (text.has_value() != ascii || (text && *text != in.body))
            fail("ASCII accepted, refused or changed wrongly");
    }

    SrtFile parsed("/nonexistent/fuzz", in.encoding, in.lineEnding);
    if (text) {
        parsed.parseText(*text);
        if (!sameEntries(parsed.dataArray(), referenceParse(*text, in.lineEnding)))
            fail("the walk differs from the plain one");
    }

    if (in.throughFile) {
        writeFile(scratchFile(), in.body);
        const auto reader = SrtFile::file(scratchFile(), in.encoding, in.lineEnding);
        if (reader->size() != static_cast<std::int32_t>(in.body.size()))
            fail("size differs from the bytes written");
        if (reader->readData() != text.has_value())
            fail("readData and decode disagree");
        if (!sameEntries(reader->dataArray(), parsed.dataArray()))
            fail("readData and parseText built different entries");
    }

    if (in.automatic) {
        SrtMessageList entries;
        ReadingReport report;
        if (autoread::read(
                std::string(in.body), std::nullopt, std::nullopt, "C", entries, report)) {
            if (report.subtitles != entries.size())
                fail("the report counts other entries than the read gave");
            if (!std::is_sorted(report.skippedLines.begin(), report.skippedLines.end()))
                fail("skipped lines out of order");
            for (const auto& e : entries) {
                if (e->message() && !referenceValidUtf8(*e->message()))
                    fail("an Automatic text is not well-formed UTF-8");
            }
            // The encoding reported is one that decodes the whole file.
            if (!encodings::decode(std::string(in.body), report.encoding))
                fail("the encoding Automatic used does not decode the file");
        }
    }
    return 0;
}
