#include "control/SubtitleMarkup.h"

#include "platform/Ascii.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace {

// Looking for a tag's end no further than this keeps a text full of '<' linear.
constexpr std::size_t maxTagLength = 128;
constexpr std::size_t maxBlockLength = 512;

// Inside tags any white space separates, line breaks included.
std::string_view trimmed(std::string_view s)
{
    return ascii::trimmed(s, ascii::kWhitespace);
}

// The value of `color=` in a <font …> tag's attributes, quoted or not.
std::optional<std::string_view> colorAttribute(std::string_view attributes)
{
    for (std::size_t at = 0; at + 5 <= attributes.size(); ++at) {
        if (!ascii::equalsIgnoringCase(attributes.substr(at, 5), "color"))
            continue;
        std::string_view rest = trimmed(attributes.substr(at + 5));
        if (rest.empty() || rest.front() != '=')
            continue;
        rest = trimmed(rest.substr(1));
        if (!rest.empty() && (rest.front() == '"' || rest.front() == '\'')) {
            const char quote = rest.front();
            const std::size_t end = rest.find(quote, 1);
            if (end == std::string_view::npos)
                return std::nullopt;
            return rest.substr(1, end - 1);
        }
        return rest.substr(0, rest.find_first_of(" \t"));
    }
    return std::nullopt;
}

class Parser {
public:
    StyledText parse(std::string_view s)
    {
        std::size_t i = 0;
        while (i < s.size()) {
            const std::size_t used = s[i] == '<' ? tag(s.substr(i))
                : s[i] == '{'                    ? block(s.substr(i))
                                                 : 0;
            if (used > 0) {
                i += used;
                continue;
            }
            append(s[i]);
            ++i;
        }
        return std::move(_out);
    }

private:
    // The length of the tag at the start of `s` if it is one this understands, else 0.
    std::size_t tag(std::string_view s)
    {
        const std::size_t end = s.substr(0, maxTagLength).find('>');
        if (end == std::string_view::npos)
            return 0;
        const std::string_view inside = trimmed(s.substr(1, end - 1));
        const bool closing = !inside.empty() && inside.front() == '/';
        const std::string_view name = trimmed(closing ? inside.substr(1) : inside);
        int* depth = nullptr;
        if (ascii::equalsIgnoringCase(name, "i"))
            depth = &_italic;
        else if (ascii::equalsIgnoringCase(name, "b"))
            depth = &_bold;
        else if (ascii::equalsIgnoringCase(name, "u"))
            depth = &_underline;
        else if (ascii::equalsIgnoringCase(name, "s"))
            depth = &_strike;
        if (depth) {
            if (!closing)
                ++*depth;
            else if (*depth > 0)
                --*depth;
            else
                return 0; // closes nothing: shown as written
            return end + 1;
        }
        if (closing && ascii::equalsIgnoringCase(name, "font")) {
            if (_colors.empty())
                return 0;
            _colors.pop_back();
            return end + 1;
        }
        if (!closing && name.size() >= 4 && ascii::equalsIgnoringCase(name.substr(0, 4), "font")
            && (name.size() == 4 || ascii::isSpace(name[4], ascii::kWhitespace))) {
            // A font tag without a colour we can read still pairs with its </font>.
            const std::optional<std::string_view> value = colorAttribute(name.substr(4));
            _colors.push_back(value ? parseColor(*value) : std::nullopt);
            return end + 1;
        }
        return 0;
    }

    // An ASS override block, "{\…}", is never shown; other braces are text. Its italic, bold,
    // underline, strike-out, colour and placement tags style what follows; the rest (karaoke,
    // drawing, position, fades) style nothing the panel can show.
    std::size_t block(std::string_view s)
    {
        if (s.size() < 2 || s[1] != '\\')
            return 0;
        const std::size_t end = s.substr(0, maxBlockLength).find('}');
        if (end == std::string_view::npos)
            return 0;
        std::string_view codes = s.substr(1, end - 1);
        while (!codes.empty()) {
            codes.remove_prefix(1); // the backslash
            const std::size_t next = codes.find('\\');
            override(trimmed(codes.substr(0, next)));
            codes.remove_prefix(next == std::string_view::npos ? codes.size() : next);
        }
        return end + 1;
    }

    void override(std::string_view tag)
    {
        const auto digitAt
            = [&](std::size_t at) { return at < tag.size() && tag[at] >= '0' && tag[at] <= '9'; };
        // "\i1", "\b700"; a tag without its value goes back to the style, here: off.
        const auto flag = [&](std::string_view name, bool& state) {
            if (!tag.starts_with(name) || (tag.size() > name.size() && !digitAt(name.size())))
                return false;
            state = tag.size() > name.size() && tag.substr(name.size()) != "0";
            return true;
        };
        if (tag.starts_with("an") && digitAt(2)) {
            _out.top = tag[2] >= '7' && tag[2] <= '9';
        } else if (tag.starts_with("a") && digitAt(1)) {
            // SubStation's own numbering: 5 to 7 are the top row.
            const int n = tag.size() > 2 && digitAt(2) ? 10 + (tag[2] - '0') : tag[1] - '0';
            _out.top = n >= 5 && n <= 7;
        } else if (flag("i", _ass.italic) || flag("b", _ass.bold) || flag("u", _ass.underline)
            || flag("s", _ass.strike)) {
        } else if (tag == "c" || tag == "1c") {
            _ass.rgb.reset();
        } else if (tag.starts_with("c&") || tag.starts_with("1c&")) {
            _ass.rgb = assColour(tag.substr(tag.find('&')));
        } else if (tag.starts_with("r")) {
            _ass = TextRun{};
        }
    }

    // "&HBBGGRR&", the alpha byte allowed before; the panel wants 0xRRGGBB.
    static std::optional<std::uint32_t> assColour(std::string_view v)
    {
        if (!v.starts_with("&H") && !v.starts_with("&h"))
            return std::nullopt;
        v.remove_prefix(2);
        if (v.ends_with('&'))
            v.remove_suffix(1);
        std::uint32_t bgr = 0;
        const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), bgr, 16);
        if (v.empty() || ec != std::errc() || end != v.data() + v.size())
            return std::nullopt;
        return (bgr & 0xFF) << 16 | (bgr & 0xFF00) | (bgr >> 16 & 0xFF);
    }

    void append(char c)
    {
        TextRun style;
        style.italic = _italic > 0 || _ass.italic;
        style.bold = _bold > 0 || _ass.bold;
        style.underline = _underline > 0 || _ass.underline;
        style.strike = _strike > 0 || _ass.strike;
        style.rgb = _ass.rgb;
        for (auto it = _colors.rbegin(); it != _colors.rend(); ++it) {
            if (*it) {
                style.rgb = *it;
                break;
            }
        }
        if (_out.runs.empty() || !sameStyle(_out.runs.back(), style))
            _out.runs.push_back(std::move(style));
        _out.runs.back().text += c;
    }

    static bool sameStyle(const TextRun& a, const TextRun& b)
    {
        return a.italic == b.italic && a.bold == b.bold && a.underline == b.underline
            && a.strike == b.strike && a.rgb == b.rgb;
    }

    StyledText _out;
    int _italic = 0, _bold = 0, _underline = 0, _strike = 0;
    std::vector<std::optional<std::uint32_t>> _colors;
    // What ASS override tags set, apart from the HTML-like tags' nesting; its text is unused.
    TextRun _ass;
};

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = ascii::toLower(c);
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

StyledText parseSubtitleMarkup(std::string_view raw)
{
    return Parser().parse(raw);
}

std::optional<std::uint32_t> parseColor(std::string_view value)
{
    value = trimmed(value);
    static constexpr std::pair<std::string_view, std::uint32_t> names[] = {
        { "white", 0xffffff },
        { "black", 0x000000 },
        { "red", 0xff0000 },
        { "lime", 0x00ff00 },
        { "green", 0x008000 },
        { "blue", 0x0000ff },
        { "yellow", 0xffff00 },
        { "cyan", 0x00ffff },
        { "aqua", 0x00ffff },
        { "magenta", 0xff00ff },
        { "fuchsia", 0xff00ff },
        { "gray", 0x808080 },
        { "grey", 0x808080 },
        { "silver", 0xc0c0c0 },
        { "maroon", 0x800000 },
        { "olive", 0x808000 },
        { "navy", 0x000080 },
        { "purple", 0x800080 },
        { "teal", 0x008080 },
        { "orange", 0xffa500 },
        { "pink", 0xffc0cb },
    };
    for (const auto& [name, rgb] : names)
        if (ascii::equalsIgnoringCase(value, name))
            return rgb;
    if (!value.empty() && value.front() == '#')
        value.remove_prefix(1);
    if (value.size() != 6 && value.size() != 3)
        return std::nullopt;
    std::uint32_t rgb = 0;
    for (char c : value) {
        const int d = hexDigit(c);
        if (d < 0)
            return std::nullopt;
        rgb = rgb << (value.size() == 3 ? 8 : 4) | static_cast<std::uint32_t>(d);
        if (value.size() == 3)
            rgb |= static_cast<std::uint32_t>(d) << 4; // #abc is #aabbcc
    }
    return rgb;
}

std::string boundedForDisplay(std::string_view text, std::size_t maxBytes, std::size_t maxLines)
{
    std::size_t end = std::min(text.size(), maxBytes);
    std::size_t lines = 1;
    for (std::size_t i = 0; i < end; ++i) {
        if (text[i] == '\n' && ++lines > maxLines) {
            end = i;
            break;
        }
    }
    if (end == text.size())
        return std::string(text);
    // Back to the start of a UTF-8 character.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return std::string(text.substr(0, end)) + "\u2026";
}

std::string_view withoutTrailingBlankLines(std::string_view text)
{
    while (!text.empty()
        && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '
            || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

std::string plainSubtitleText(std::string_view raw)
{
    std::string plain;
    for (const TextRun& run : parseSubtitleMarkup(raw).runs)
        plain += run.text;
    return plain;
}
