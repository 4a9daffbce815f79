// One pass over the lines for each format, building the entries directly, as the SubRip walk does.
#include "subtitles/TextFormats.h"

#include "platform/Ascii.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace textformats {
namespace {

// Splits at any of CRLF, LF and CR.
bool nextLine(std::string_view& rest, std::string_view& line)
{
    if (rest.empty())
        return false;
    const std::size_t brk = rest.find_first_of("\r\n");
    if (brk == std::string_view::npos) {
        line = rest;
        rest = {};
        return true;
    }
    line = rest.substr(0, brk);
    const std::size_t skip
        = rest[brk] == '\r' && brk + 1 < rest.size() && rest[brk + 1] == '\n' ? 2 : 1;
    rest.remove_prefix(brk + skip);
    return true;
}

std::string_view trimmed(std::string_view s)
{
    return ascii::trimmed(s, ascii::kWhitespace);
}

std::string_view withoutBom(std::string_view text)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    return text;
}

bool number(std::string_view& s, std::int32_t& value, std::size_t* count = nullptr)
{
    std::size_t n = 0;
    value = 0;
    while (n < s.size() && n < 9 && s[n] >= '0' && s[n] <= '9')
        value = value * 10 + (s[n++] - '0');
    if (count)
        *count = n;
    s.remove_prefix(n);
    return n > 0;
}

bool literal(std::string_view& s, char c)
{
    if (s.empty() || s.front() != c)
        return false;
    s.remove_prefix(1);
    return true;
}

// "h:mm:ss.fff", the hours optional in WebVTT, two fraction digits in ASS. Computed as the SubRip
// reader computes its times, so the same moment gives the same double in every format.
bool clockTime(std::string_view& s, double& seconds)
{
    std::int32_t a = 0, b = 0, c = 0, fraction = 0;
    if (!number(s, a) || !literal(s, ':') || !number(s, b))
        return false;
    std::int32_t h = 0, m = a, sec = b;
    if (literal(s, ':')) {
        if (!number(s, c))
            return false;
        h = a, m = b, sec = c;
    }
    if (literal(s, '.') || literal(s, ',')) {
        std::size_t n = 0;
        if (!number(s, fraction, &n) || n > 3)
            return false;
        for (; n < 3; ++n)
            fraction *= 10;
    }
    // In 64 bits: a field of nine digits times 3600 does not fit in 32.
    seconds = static_cast<double>(std::int64_t{ h } * 3600 + std::int64_t{ m } * 60 + sec)
        + fraction / 1000.0;
    return true;
}

std::shared_ptr<SrtMessage> entry(std::size_t number, double start, double end, std::string text)
{
    auto e = std::make_shared<SrtMessage>();
    e->setNumberData(static_cast<std::int32_t>(number));
    e->setStartTimeData(start);
    e->setEndTimeData(end);
    e->setMessage(std::move(text));
    return e;
}

// --- WebVTT ---

// The colour classes WebVTT defines, which <c.yellow> uses.
bool isVttColour(std::string_view name)
{
    static constexpr std::string_view colours[]
        = { "white", "lime", "cyan", "red", "yellow", "magenta", "blue", "black" };
    for (const std::string_view c : colours)
        if (name == c)
            return true;
    return false;
}

void appendVttTag(std::string_view inside, std::string& out)
{
    const bool closing = inside.starts_with('/');
    if (closing)
        inside.remove_prefix(1);
    const std::size_t nameEnd = inside.find_first_of(". \t");
    const std::string_view name = inside.substr(0, nameEnd);
    if (name == "b" || name == "i" || name == "u") {
        out += closing ? "</" : "<";
        out += name;
        out += '>';
    } else if (name == "c") {
        if (closing) {
            out += "</font>";
            return;
        }
        // Classes follow the name, each after a dot; the first colour among them wins.
        std::string_view classes = nameEnd == std::string_view::npos ? "" : inside.substr(nameEnd);
        classes = classes.substr(0, classes.find_first_of(" \t"));
        while (!classes.empty()) {
            classes.remove_prefix(1);
            const std::string_view cls = classes.substr(0, classes.find('.'));
            classes.remove_prefix(cls.size());
            if (isVttColour(cls)) {
                out += "<font color=\"";
                out += cls;
                out += "\">";
                return;
            }
        }
        out += "<font>";
    }
    // Voices, languages, ruby and the karaoke timestamps ("<00:01.500>") style nothing shown.
}

void appendVttText(std::string_view line, std::string& out)
{
    static constexpr std::pair<std::string_view, std::string_view> entities[] = {
        { "&amp;", "&" },
        // A word joiner after it: "&lt;i&gt;" shows as written, not as the panel's italics.
        { "&lt;", "<\u2060" },
        { "&gt;", ">" },
        { "&nbsp;", "\u00A0" },
        { "&lrm;", "\u200E" },
        { "&rlm;", "\u200F" },
        { "&quot;", "\"" },
        { "&apos;", "'" },
    };
    // The next '>', found once per stretch: a line of unclosed '<' stays linear.
    std::size_t close = line.find('>');
    for (std::size_t i = 0; i < line.size();) {
        const char c = line[i];
        if (c == '<') {
            if (close != std::string_view::npos && close < i)
                close = line.find('>', i);
            if (close != std::string_view::npos) {
                appendVttTag(line.substr(i + 1, close - i - 1), out);
                i = close + 1;
                continue;
            }
        } else if (c == '&') {
            bool replaced = false;
            for (const auto& [name, value] : entities) {
                if (line.substr(i).starts_with(name)) {
                    out += value;
                    i += name.size();
                    replaced = true;
                    break;
                }
            }
            if (replaced)
                continue;
        }
        out += c;
        ++i;
    }
}

// "line:0%" or a line number counted from the top: the cue belongs at the top of the picture.
bool vttAtTop(std::string_view settings)
{
    for (std::size_t at = settings.find("line:"); at != std::string_view::npos;
         at = settings.find("line:", at + 1)) {
        std::string_view value = settings.substr(at + 5);
        value = value.substr(0, value.find_first_of(" \t,"));
        std::int32_t n = 0;
        std::size_t digits = 0;
        std::string_view rest = value;
        if (!number(rest, n, &digits))
            continue; // negative line numbers count from the bottom
        if (rest.starts_with('.')) {
            rest.remove_prefix(1);
            std::int32_t ignored = 0;
            number(rest, ignored);
        }
        return rest == "%" ? n < 50 : rest.empty();
    }
    return false;
}

// --- ASS and SSA ---

std::vector<std::string> lowered(std::string_view formatLine)
{
    std::vector<std::string> names;
    while (true) {
        const std::size_t comma = formatLine.find(',');
        names.push_back(ascii::toLower(std::string(trimmed(formatLine.substr(0, comma)))));
        if (comma == std::string_view::npos)
            return names;
        formatLine.remove_prefix(comma + 1);
    }
}

// The first `count` comma-separated fields; the last takes the rest of the line, commas and all.
std::vector<std::string_view> fields(std::string_view line, std::size_t count)
{
    std::vector<std::string_view> out;
    while (out.size() + 1 < count) {
        const std::size_t comma = line.find(',');
        if (comma == std::string_view::npos)
            break;
        out.push_back(trimmed(line.substr(0, comma)));
        line.remove_prefix(comma + 1);
    }
    out.push_back(line);
    return out;
}

std::optional<std::string_view> field(const std::vector<std::string>& names,
    const std::vector<std::string_view>& values, std::string_view name)
{
    for (std::size_t i = 0; i < names.size() && i < values.size(); ++i)
        if (names[i] == name)
            return values[i];
    return std::nullopt;
}

// "&H00BBGGRR", "&HBBGGRR&" or SSA's decimal; the alpha byte is ignored.
std::optional<std::uint32_t> assColour(std::string_view v)
{
    v = trimmed(v);
    int base = 10;
    if (v.starts_with("&H") || v.starts_with("&h")) {
        v.remove_prefix(2);
        base = 16;
    }
    if (v.ends_with('&'))
        v.remove_suffix(1);
    std::uint32_t value = 0;
    const auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), value, base);
    if (v.empty() || ec != std::errc())
        return std::nullopt;
    return value & 0xFFFFFF;
}

bool isOn(std::optional<std::string_view> v)
{
    return v && v->starts_with('-') ? *v == "-1" : v && *v == "1";
}

// The style's bold, italic, colour and placement as an override block put before the text.
std::string stylePrefix(const std::vector<std::string>& names,
    const std::vector<std::string_view>& values, bool legacyAlignment)
{
    std::string codes;
    if (isOn(field(names, values, "bold")))
        codes += "\\b1";
    if (isOn(field(names, values, "italic")))
        codes += "\\i1";
    if (isOn(field(names, values, "underline")))
        codes += "\\u1";
    if (isOn(field(names, values, "strikeout")))
        codes += "\\s1";
    if (const auto colour = field(names, values, "primarycolour")) {
        const auto bgr = assColour(*colour);
        if (bgr && *bgr != 0xFFFFFF) {
            char buf[16];
            std::snprintf(buf, sizeof buf, "\\c&H%06X&", *bgr);
            codes += buf;
        }
    }
    if (const auto alignment = field(names, values, "alignment")) {
        std::string_view a = trimmed(*alignment);
        std::int32_t n = 0;
        // SSA counts 5 to 7 as the top row, ASS 7 to 9 (the numeric keypad).
        if (number(a, n) && (legacyAlignment ? n >= 5 && n <= 7 : n >= 7 && n <= 9))
            codes += "\\an8";
    }
    return codes.empty() ? std::string() : "{" + codes + "}";
}

// Override blocks are kept for the panel to style with; comments, drawings and the soft and hard
// breaks are resolved here. False when nothing in it would show.
bool appendAssText(std::string_view text, std::string& out)
{
    bool drawing = false;
    bool shows = false;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == '{') {
            const std::size_t end = text.find('}', i);
            if (end == std::string_view::npos)
                break; // an unclosed block hides the rest, as renderers do
            const std::string_view block = text.substr(i, end - i + 1);
            for (std::size_t p = block.find("\\p"); p != std::string_view::npos;
                 p = block.find("\\p", p + 2)) {
                if (p + 2 < block.size() && block[p + 2] >= '0' && block[p + 2] <= '9')
                    drawing = block[p + 2] != '0';
            }
            if (block.find('\\') != std::string_view::npos)
                out += block;
            i = end + 1;
            continue;
        }
        if (c == '\\' && i + 1 < text.size()
            && (text[i + 1] == 'N' || text[i + 1] == 'n' || text[i + 1] == 'h')) {
            if (!drawing)
                out += text[i + 1] == 'h' ? ' ' : '\n';
            i += 2;
            continue;
        }
        if (!drawing) {
            out += c;
            shows = shows || !ascii::isSpace(c, ascii::kWhitespace);
        }
        ++i;
    }
    return shows;
}

// --- MicroDVD ---

bool framePair(std::string_view& line, std::int32_t& start, std::optional<std::int32_t>& end)
{
    if (!literal(line, '{') || !number(line, start) || !literal(line, '}') || !literal(line, '{'))
        return false;
    std::int32_t e = 0;
    end = number(line, e) ? std::optional(e) : std::nullopt;
    return literal(line, '}');
}

// "{y:i}", "{Y:b}", "{c:$0000FF}" at the start of a line: lower case styles that line, upper
// case the whole subtitle. Other control codes ({f:…}, {s:…}, {P:…}) are dropped.
struct DvdStyle {
    bool italic = false, bold = false, underline = false;
    std::optional<std::string> colour; // "#rrggbb"
};

std::string_view dvdCodes(std::string_view line, DvdStyle& own, DvdStyle& all)
{
    while (line.size() > 3 && line[0] == '{' && line[2] == ':') {
        const std::size_t end = line.find('}');
        if (end == std::string_view::npos)
            break;
        const char code = line[1];
        const std::string_view value = line.substr(3, end - 3);
        DvdStyle& style = code >= 'A' && code <= 'Z' ? all : own;
        const char lower = ascii::toLower(code);
        if (lower == 'y') {
            for (const char v : value) {
                const char f = ascii::toLower(v);
                style.italic = style.italic || f == 'i';
                style.bold = style.bold || f == 'b';
                style.underline = style.underline || f == 'u';
            }
        } else if (lower == 'c' && value.size() == 7 && value[0] == '$') {
            // $BBGGRR
            std::string rgb(1, '#');
            for (const std::size_t at : { 5, 3, 1 })
                rgb.append(value.substr(at, 2));
            style.colour = std::move(rgb);
        }
        line.remove_prefix(end + 1);
    }
    return line;
}

std::string dvdStyled(std::string_view text, const DvdStyle& s)
{
    std::string out;
    if (s.colour)
        out += "<font color=\"" + *s.colour + "\">";
    out += s.bold ? "<b>" : "";
    out += s.italic ? "<i>" : "";
    out += s.underline ? "<u>" : "";
    out += text;
    out += s.underline ? "</u>" : "";
    out += s.italic ? "</i>" : "";
    out += s.bold ? "</b>" : "";
    if (s.colour)
        out += "</font>";
    return out;
}

} // namespace

std::optional<std::string> assText(std::string_view text)
{
    std::string out;
    if (!appendAssText(text, out))
        return std::nullopt;
    return out;
}

double secondsOf(std::int64_t ticks, std::int64_t num, std::int64_t den)
{
    const auto ms = static_cast<std::int64_t>(std::llround(
        static_cast<double>(ticks) * 1000.0 * static_cast<double>(num) / static_cast<double>(den)));
    const std::int64_t whole = ms / 1000; // whole seconds first, as SubRip's time codes give them
    return static_cast<double>(whole) + static_cast<double>(ms % 1000) / 1000.0;
}

void readWebVtt(std::string_view text, SrtMessageList& out)
{
    std::string_view rest = withoutBom(text);
    std::string_view line;
    // The header block: "WEBVTT" and whatever follows it up to the first blank line.
    while (nextLine(rest, line) && !trimmed(line).empty()) { }
    std::size_t count = 0;
    while (nextLine(rest, line)) {
        if (trimmed(line).empty())
            continue;
        // A cue's identifier may come before its time line; NOTE, STYLE and REGION blocks have
        // no time line and are passed over whole.
        const auto isTimeLine = [](std::string_view l) { return l.find("-->") != l.npos; };
        if (!isTimeLine(line) && !(nextLine(rest, line) && isTimeLine(line))) {
            while (!trimmed(line).empty() && nextLine(rest, line)) { }
            continue;
        }
        std::string_view timing = trimmed(line);
        double start = 0, end = 0;
        bool ok = clockTime(timing, start);
        timing = trimmed(timing);
        ok = ok && literal(timing, '-') && literal(timing, '-') && literal(timing, '>');
        timing = trimmed(timing);
        ok = ok && clockTime(timing, end);
        std::string cue = ok && vttAtTop(timing) ? "{\\an8}" : "";
        bool first = true;
        while (nextLine(rest, line) && !trimmed(line).empty()) {
            if (!first)
                cue += '\n';
            first = false;
            appendVttText(line, cue);
        }
        if (ok)
            out.push_back(entry(++count, start, end, std::move(cue)));
    }
}

void readAss(std::string_view text, SrtMessageList& out)
{
    std::string_view rest = withoutBom(text);
    std::string_view line;
    enum class Section { other, styles, events } section = Section::other;
    bool legacy = false;
    std::vector<std::string> styleNames;
    // ASS's event order when a file has no Format line of its own.
    std::vector<std::string> eventNames
        = lowered("Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text");
    std::map<std::string, std::string, std::less<>> styles;
    std::size_t count = 0;
    while (nextLine(rest, line)) {
        const std::string_view t = trimmed(line);
        if (t.starts_with('[')) {
            const std::string name = ascii::toLower(std::string(t));
            legacy = legacy || name == "[v4 styles]";
            section = name == "[v4+ styles]" || name == "[v4 styles]" ? Section::styles
                : name == "[events]"                                  ? Section::events
                                                                      : Section::other;
            continue;
        }
        const std::size_t colon = t.find(':');
        if (colon == std::string_view::npos || section == Section::other)
            continue;
        const std::string key = ascii::toLower(std::string(t.substr(0, colon)));
        const std::string_view value = trimmed(t.substr(colon + 1));
        if (key == "format") {
            (section == Section::styles ? styleNames : eventNames) = lowered(value);
        } else if (section == Section::styles && key == "style") {
            const auto values = fields(value, styleNames.size());
            if (const auto name = field(styleNames, values, "name"))
                styles[std::string(*name)] = stylePrefix(styleNames, values, legacy);
        } else if (section == Section::events && key == "dialogue") {
            const auto values = fields(value, eventNames.size());
            const auto startText = field(eventNames, values, "start");
            const auto endText = field(eventNames, values, "end");
            const auto body = field(eventNames, values, "text");
            double start = 0, end = 0;
            std::string_view s = startText.value_or(""), e = endText.value_or("");
            if (!body || !clockTime(s, start) || !clockTime(e, end))
                continue;
            std::string_view style = field(eventNames, values, "style").value_or("");
            style = style.starts_with('*') ? style.substr(1) : style;
            const auto found = styles.find(style);
            std::string shown = found != styles.end() ? found->second : std::string();
            if (appendAssText(*body, shown))
                out.push_back(entry(++count, start, end, std::move(shown)));
        }
    }
}

FrameRate readMicroDvd(std::string_view text, std::optional<double> videoRate, SrtMessageList& out)
{
    FrameRate rate;
    if (videoRate && *videoRate > 0) {
        rate.fps = *videoRate;
        rate.assumed = false;
    }
    std::string_view rest = withoutBom(text);
    std::string_view line;
    bool firstLine = true;
    std::size_t count = 0;
    while (nextLine(rest, line)) {
        std::int32_t startFrame = 0;
        std::optional<std::int32_t> endFrame;
        std::string_view body = trimmed(line);
        if (!framePair(body, startFrame, endFrame))
            continue;
        if (std::exchange(firstLine, false) && startFrame <= 1 && endFrame && *endFrame <= 1) {
            // "{1}{1}23.976": the rate the frames are counted in, not a subtitle.
            double fps = 0;
            const std::string_view r = trimmed(body);
            const auto [end, ec] = std::from_chars(r.data(), r.data() + r.size(), fps);
            if (ec == std::errc() && end == r.data() + r.size() && fps > 0 && fps < 1000) {
                rate.fps = fps;
                rate.assumed = false;
                continue;
            }
        }
        DvdStyle all;
        std::vector<std::pair<std::string_view, DvdStyle>> lines;
        for (std::string_view part = body;;) {
            const std::size_t bar = part.find('|');
            DvdStyle own;
            const std::string_view shown = dvdCodes(part.substr(0, bar), own, all);
            lines.emplace_back(shown, own);
            if (bar == std::string_view::npos)
                break;
            part.remove_prefix(bar + 1);
        }
        std::string message;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            if (i > 0)
                message += '\n';
            DvdStyle s = lines[i].second;
            s.italic = s.italic || all.italic;
            s.bold = s.bold || all.bold;
            s.underline = s.underline || all.underline;
            if (!s.colour)
                s.colour = all.colour;
            message += dvdStyled(lines[i].first, s);
        }
        auto e = entry(++count, 0, 0, std::move(message));
        // Frame counts, kept until the rate is known for certain.
        e->setStartTimeData(startFrame);
        e->setEndTimeData(endFrame ? *endFrame : startFrame);
        out.push_back(std::move(e));
    }
    for (std::size_t i = out.size() - count; i < out.size(); ++i) {
        out[i]->setStartTimeData(out[i]->startTimeData() / rate.fps);
        out[i]->setEndTimeData(out[i]->endTimeData() / rate.fps);
    }
    return rate;
}

} // namespace textformats
