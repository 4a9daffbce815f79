// The one table of the line endings' names.
#include "subtitles/LineEnding.h"

#include "platform/Ascii.h"

#include <algorithm>

namespace {

struct Names {
    LineEnding ending;
    std::string_view separator;
    std::string_view name; // lower-cased, srtdump's option word
    std::string_view logWord;
};

constexpr std::array kNames{
    Names{ LineEnding::crlf, "\r\n", "CRLF", "RC_CRLF" },
    Names{ LineEnding::lf, "\n", "LF", "RC_LF" },
    Names{ LineEnding::cr, "\r", "CR", "RC_CR" },
};

const Names* namesOf(LineEnding ending)
{
    const auto it = std::find_if(
        kNames.begin(), kNames.end(), [ending](const Names& n) { return n.ending == ending; });
    return it == kNames.end() ? nullptr : &*it;
}

} // namespace

std::optional<LineEnding> storedLineEnding(std::int32_t code)
{
    const LineEnding ending = lineEndingFromCode(static_cast<std::uint8_t>(code));
    return namesOf(ending) ? std::optional(ending) : std::nullopt;
}

std::string_view separatorOf(LineEnding ending)
{
    const Names* n = namesOf(ending);
    return n ? n->separator : std::string_view();
}

std::string_view writtenSeparatorOf(LineEnding ending)
{
    const Names* n = namesOf(ending);
    return (n ? *n : kNames[0]).separator;
}

std::string nameOf(LineEnding ending)
{
    const Names* n = namesOf(ending);
    return n ? std::string(n->name) : "code " + std::to_string(codeOf(ending));
}

std::string optionWordOf(LineEnding ending)
{
    const Names* n = namesOf(ending);
    return n ? ascii::toLower(std::string(n->name)) : std::to_string(codeOf(ending));
}

std::optional<LineEnding> lineEndingFromOptionWord(std::string_view word)
{
    for (const Names& n : kNames) {
        if (ascii::toLower(std::string(n.name)) == word)
            return n.ending;
    }
    return std::nullopt;
}

std::string_view logWordOf(LineEnding ending)
{
    const Names* n = namesOf(ending);
    return (n ? *n : kNames[0]).logWord;
}
