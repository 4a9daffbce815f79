// The time-entry parser.
#include "subtitles/TimeEntry.h"

#include "platform/Ascii.h"

#include <charconv>
#include <vector>

namespace {

std::optional<long long> digits(std::string_view s)
{
    // A bound that keeps every sum below exactly representable values.
    if (s.empty() || s.size() > 9 || s.front() < '0' || s.front() > '9')
        return std::nullopt;
    long long value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size())
        return std::nullopt;
    return value;
}

// "3", "3.5", "3,500": whole seconds and a decimal fraction, both only digits.
std::optional<double> seconds(std::string_view s)
{
    const std::size_t mark = s.find_first_of(".,");
    const auto whole = digits(s.substr(0, mark));
    if (!whole)
        return std::nullopt;
    if (mark == std::string_view::npos)
        return static_cast<double>(*whole);
    const std::string_view fraction = s.substr(mark + 1);
    const auto part = digits(fraction);
    if (!part)
        return std::nullopt;
    double scale = 1;
    for (std::size_t i = 0; i < fraction.size(); ++i)
        scale *= 10;
    return static_cast<double>(*whole) + static_cast<double>(*part) / scale;
}

} // namespace

std::optional<double> parseTimeEntry(std::string_view text)
{
    text = ascii::trimmed(text, ascii::kBlanks);
    std::vector<std::string_view> fields;
    for (std::size_t from = 0;;) {
        const std::size_t colon = text.find(':', from);
        fields.push_back(text.substr(from, colon == std::string_view::npos ? colon : colon - from));
        if (colon == std::string_view::npos)
            break;
        from = colon + 1;
    }
    // The clock's "01:02:03:500": the last field is milliseconds.
    if (fields.size() == 4) {
        const auto ms = digits(fields[3]);
        if (!ms || fields[3].size() != 3 || fields[2].find_first_of(".,") != std::string_view::npos)
            return std::nullopt;
        const auto rest = parseTimeEntry(text.substr(0, text.rfind(':')));
        if (!rest)
            return std::nullopt;
        return *rest + static_cast<double>(*ms) / 1000.0;
    }
    if (fields.size() > 3)
        return std::nullopt;
    const auto secs = seconds(fields.back());
    if (!secs || (fields.size() > 1 && *secs >= 60))
        return std::nullopt;
    double total = *secs;
    double unit = 60;
    for (std::size_t i = fields.size() - 1; i-- > 0; unit *= 60) {
        const auto value = digits(fields[i]);
        // Minutes below hours must be below 60; the leading field may be any size.
        if (!value || (i > 0 && *value >= 60))
            return std::nullopt;
        total += static_cast<double>(*value) * unit;
    }
    return total;
}
