// ASCII-only text helpers: no locale, so a byte past 0x7F is never a letter or a space here.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace ascii {

// What to trim. SubRip's time lines and index lines allow spaces and tabs only; markup and
// colour values allow any ASCII white space, line breaks included.
inline constexpr std::string_view kBlanks = " \t";
inline constexpr std::string_view kWhitespace = " \t\n\v\f\r";

constexpr char toLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string toLower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](char c) { return toLower(c); });
    return s;
}

// Whether `c` is one of `set` (kBlanks or kWhitespace).
constexpr bool isSpace(char c, std::string_view set)
{
    return set.find(c) != std::string_view::npos;
}

// `s` without the characters of `set` at either end.
constexpr std::string_view trimmed(std::string_view s, std::string_view set)
{
    const std::size_t first = s.find_first_not_of(set);
    if (first == std::string_view::npos)
        return s.substr(s.size());
    return s.substr(first, s.find_last_not_of(set) - first + 1);
}

constexpr bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return toLower(x) == toLower(y);
    });
}

} // namespace ascii
