#include "subtitles/FormatSniff.h"

#include "subtitles/AutoReader.h"

#include <algorithm>
#include <cctype>
#include <fstream>

namespace {

constexpr std::size_t kHeadBytes = 4096;

// ASCII letters folded, UTF-16 narrowed to its low bytes: every mark looked for is ASCII.
std::string folded(std::string_view head)
{
    head = head.substr(0, kHeadBytes);
    std::size_t step = 1, first = 0;
    if (head.starts_with("\xEF\xBB\xBF"))
        first = 3;
    else if (head.starts_with("\xFF\xFE"))
        step = 2, first = 2;
    else if (head.starts_with("\xFE\xFF"))
        step = 2, first = 3;
    std::string out;
    for (std::size_t i = first; i < head.size(); i += step)
        out += static_cast<char>(std::tolower(static_cast<unsigned char>(head[i])));
    return out;
}

std::string_view firstLine(std::string_view text)
{
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos)
        return {};
    text.remove_prefix(start);
    return text.substr(0, text.find_first_of("\r\n"));
}

// "{1}{2}" or "[1][2]" at the start of the line: MicroDVD's frames, MPL2's tenths of a second.
bool framePair(std::string_view line, char open, char close)
{
    for (int i = 0; i < 2; ++i) {
        if (line.empty() || line.front() != open)
            return false;
        line.remove_prefix(1);
        const std::size_t digits = line.find_first_not_of("0123456789");
        if (digits == 0 || digits == std::string_view::npos || line[digits] != close)
            return false;
        line.remove_prefix(digits + 1);
    }
    return true;
}

bool hasCommaTimeLine(std::string_view head)
{
    for (std::size_t arrow = head.find("-->"); arrow != std::string_view::npos;
         arrow = head.find("-->", arrow + 3)) {
        const std::size_t lineStart = head.find_last_of("\r\n", arrow);
        const std::size_t from = lineStart == std::string_view::npos ? 0 : lineStart + 1;
        if (head.substr(from, arrow - from).find(',') != std::string_view::npos)
            return true;
    }
    return false;
}

// Any format but SubRip, from the folded head.
std::optional<SubtitleFormat> otherFormat(const std::string& text)
{
    const std::string_view line = firstLine(text);
    if (line.starts_with("webvtt"))
        return SubtitleFormat::webvtt;
    if (text.find("[script info]") != std::string::npos
        || text.find("[v4+ styles]") != std::string::npos
        || text.find("[v4 styles]") != std::string::npos) {
        if (text.find("[v4+ styles]") != std::string::npos
            || text.find("scripttype: v4.00+") != std::string::npos)
            return SubtitleFormat::ass;
        return SubtitleFormat::ssa;
    }
    if (text.find("<sami") != std::string::npos)
        return SubtitleFormat::sami;
    if (text.find("<tt ") != std::string::npos || text.find("<tt>") != std::string::npos)
        return SubtitleFormat::ttml;
    if (framePair(line, '{', '}'))
        return SubtitleFormat::microdvd;
    if (framePair(line, '[', ']'))
        return SubtitleFormat::mpl2;
    if (line.starts_with("[information]") || text.find("[subtitle]") != std::string::npos)
        return SubtitleFormat::subviewer;
    return std::nullopt;
}

} // namespace

std::string_view formatName(SubtitleFormat format)
{
    switch (format) {
    case SubtitleFormat::subrip:
        return "SubRip";
    case SubtitleFormat::webvtt:
        return "WebVTT";
    case SubtitleFormat::ass:
        return "ASS";
    case SubtitleFormat::ssa:
        return "SSA";
    case SubtitleFormat::microdvd:
        return "MicroDVD";
    case SubtitleFormat::mpl2:
        return "MPL2";
    case SubtitleFormat::subviewer:
        return "SubViewer";
    case SubtitleFormat::sami:
        return "SAMI";
    case SubtitleFormat::ttml:
        return "TTML";
    }
    return "SubRip";
}

std::string_view formatWord(SubtitleFormat format)
{
    switch (format) {
    case SubtitleFormat::subrip:
        return "subrip";
    case SubtitleFormat::webvtt:
        return "webvtt";
    case SubtitleFormat::ass:
        return "ass";
    case SubtitleFormat::ssa:
        return "ssa";
    case SubtitleFormat::microdvd:
        return "microdvd";
    case SubtitleFormat::mpl2:
        return "mpl2";
    case SubtitleFormat::subviewer:
        return "subviewer";
    case SubtitleFormat::sami:
        return "sami";
    case SubtitleFormat::ttml:
        return "ttml";
    }
    return "subrip";
}

SubtitleFormat sniffFormat(std::string_view text)
{
    const std::string head = folded(text);
    const auto other = otherFormat(head);
    // SubRip's comma before the milliseconds: SubRip under a WebVTT header, which Automatic
    // has always read as SubRip, the header a skipped block.
    if (other == SubtitleFormat::webvtt && !hasCommaTimeLine(head))
        return *other;
    if (autoread::countTimeLines(text.substr(0, kHeadBytes), {}) > 0)
        return SubtitleFormat::subrip;
    return other.value_or(SubtitleFormat::subrip);
}

std::optional<std::string> otherSubtitleFormat(std::string_view head)
{
    const auto format = otherFormat(folded(head));
    if (!format)
        return std::nullopt;
    switch (*format) {
    case SubtitleFormat::webvtt:
        return "a WebVTT file";
    case SubtitleFormat::ass:
        return "an ASS (Advanced SubStation Alpha) file";
    case SubtitleFormat::ssa:
        return "an SSA (SubStation Alpha) file";
    case SubtitleFormat::sami:
        return "a SAMI file";
    case SubtitleFormat::ttml:
        return "a TTML file";
    case SubtitleFormat::microdvd:
        return "a MicroDVD file";
    case SubtitleFormat::mpl2:
        return "an MPL2 file";
    case SubtitleFormat::subviewer:
        return "a SubViewer file";
    case SubtitleFormat::subrip:
        break;
    }
    return std::nullopt;
}

std::optional<std::string> otherSubtitleFormatOfFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string head(kHeadBytes, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(std::max<std::streamsize>(0, in.gcount())));
    return otherSubtitleFormat(head);
}
