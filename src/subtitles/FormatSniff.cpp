#include "subtitles/FormatSniff.h"

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

} // namespace

std::optional<std::string> otherSubtitleFormat(std::string_view head)
{
    const std::string text = folded(head);
    const std::string_view line = firstLine(text);
    if (line.starts_with("webvtt"))
        return "a WebVTT file";
    if (text.find("[script info]") != std::string::npos
        || text.find("[v4+ styles]") != std::string::npos
        || text.find("[v4 styles]") != std::string::npos) {
        if (text.find("[v4+ styles]") != std::string::npos
            || text.find("scripttype: v4.00+") != std::string::npos)
            return "an ASS (Advanced SubStation Alpha) file";
        return "an SSA (SubStation Alpha) file";
    }
    if (text.find("<sami") != std::string::npos)
        return "a SAMI file";
    if (text.find("<tt ") != std::string::npos || text.find("<tt>") != std::string::npos)
        return "a TTML file";
    if (framePair(line, '{', '}'))
        return "a MicroDVD file";
    if (framePair(line, '[', ']'))
        return "an MPL2 file";
    if (line.starts_with("[information]") || text.find("[subtitle]") != std::string::npos)
        return "a SubViewer file";
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
