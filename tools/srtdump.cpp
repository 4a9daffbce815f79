// srtdump: reads one subtitle file exactly as the player does at Start and prints its entries.
#include "autosync/Soundtrack.h"
#include "autosync/SpeechMatch.h"
#include "media/Media.h"
#include "platform/CharsetDetector.h"
#include "platform/StderrLog.h"
#include "subtitles/Resync.h"
#include "subtitles/SrtFile.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace {

constexpr const char* kUsage
    = "usage: srtdump [--encoding ID|auto] [--line-ending crlf|lf|cr|CODE|auto]\n"
      "               [--format dump|json|srt|report] [--delay SECONDS] [--speed K] FILE\n"
      "       srtdump --sync-to VIDEO [--format srt|report] [--encoding ...] [--line-ending ...] "
      "FILE\n";

constexpr int kExitUsage = 64;

std::optional<std::uint32_t> parseUnsigned(std::string_view text, std::uint32_t max)
{
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    }
    std::uint32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value > max)
        return std::nullopt;
    return value;
}

std::optional<LineEnding> parseLineEnding(std::string_view text)
{
    if (const auto named = lineEndingFromOptionWord(text))
        return named;
    if (const auto code = parseUnsigned(text, 255))
        return lineEndingFromCode(static_cast<std::uint8_t>(*code));
    return std::nullopt;
}

std::optional<double> parseDouble(std::string_view text)
{
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()
        || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// Shortest text that reads back as the same double, always with a fraction or exponent.
std::string jsonNumber(double value)
{
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    std::string out(buf, end);
    if (out.find_first_of(".e") == std::string::npos)
        out += ".0";
    return out;
}

void appendJsonString(std::string& out, std::string_view text)
{
    out.push_back('"');
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char esc[8];
                std::snprintf(esc, sizeof esc, "\\u%04x", static_cast<unsigned>(c));
                out += esc;
            } else {
                out.push_back(c);
            }
        }
    }
    out.push_back('"');
}

// Written entry by entry, so the output never holds a second copy of the whole file. With
// Automatic, what it chose comes first, in the words the options take. The times are shown
// adjusted; the entries themselves are never changed.
void printJson(const SrtMessageList& entries, const ReadingReport* chosen, const Timing& timing)
{
    const auto shown = [&](double t) { return timing.isIdentity() ? t : timing.toClock(t); };
    std::string out;
    std::fputs("{", stdout);
    if (chosen) {
        out = "\"encoding\":" + std::to_string(chosen->encoding) + ",\"line_ending\":";
        appendJsonString(out, optionWordOf(chosen->lineEnding));
        // Only for other formats, so that a SubRip file's output stays as scripts know it.
        if (chosen->format != SubtitleFormat::subrip) {
            out += ",\"format\":";
            appendJsonString(out, formatWord(chosen->format));
        }
        out += ",";
        std::fputs(out.c_str(), stdout);
    }
    std::fputs("\"entries\":[", stdout);
    bool firstEntry = true;
    for (const auto& e : entries) {
        out.assign(firstEntry ? "{" : ",{");
        firstEntry = false;
        out += "\"number\":" + std::to_string(e->numberData());
        out += ",\"start\":" + jsonNumber(shown(e->startTimeData()));
        out += ",\"end\":" + jsonNumber(shown(e->endTimeData()));
        out += ",\"text\":";
        if (e->message())
            appendJsonString(out, *e->message());
        else
            out += "null";
        out += "}";
        std::fwrite(out.data(), 1, out.size(), stdout);
    }
    std::fputs("]}\n", stdout);
}

// The status line's facts, one per line.
void printReport(const ReadingReport& r)
{
    std::printf("subtitles: %zu\n", r.subtitles);
    std::printf("duration: %s\n", reporting::durationText(r.duration).c_str());
    std::printf("encoding: %s (%u)%s\n", encodings::shortName(r.encoding).c_str(), r.encoding,
        r.encodingDetected ? ", automatic" : "");
    std::printf("line ending: %s%s\n", nameOf(r.lineEnding).c_str(),
        r.lineEndingDetected ? ", automatic" : "");
    if (r.format != SubtitleFormat::subrip)
        std::printf("format: %s\n", std::string(formatName(r.format)).c_str());
    if (r.frameRate > 0)
        std::printf("frame rate: %g%s\n", r.frameRate, r.frameRateAssumed ? ", assumed" : "");
    std::printf("skipped blocks: %zu\n", r.skippedLines.size());
    if (!r.skippedLines.empty()) {
        std::string lines;
        for (const std::size_t n : r.skippedLines)
            lines += (lines.empty() ? "" : ", ") + std::to_string(n);
        std::printf("skipped at lines: %s\n", lines.c_str());
    }
}

// The subtitles lined up with the speech of `video`: the file with the found timing (srt), or
// what was found, one fact per line (report). Exit 3 when nothing is proposed, and why.
int syncTo(
    const std::string& video, const SrtMessageList& entries, LineEnding lineEnding, bool report)
{
    const Cues cues(entries);
    const autosync::Heard heard = autosync::listen(video);
    if (!heard.error.empty()) {
        std::fprintf(stderr, "srtdump: cannot hear %s: %s\n", video.c_str(), heard.error.c_str());
        return 3;
    }
    const autosync::Match m = autosync::matchSpeech(autosync::spansOf(cues), heard.track);
    if (report) {
        std::printf("delay: %+.3f\n", m.delay);
        std::printf("speed: %.8f\n", m.speed);
        if (m.split)
            std::printf("split: %.3f %+.3f\n", m.split->fileTime, m.split->delay);
        else
            std::printf("split: none\n");
        std::printf("score: %.3f\n", m.score);
        std::printf("onsets: %.1f\n", m.onsets);
        std::printf("result: %s\n", autosync::describe(m).c_str());
        return m.proposed() ? 0 : 3;
    }
    if (!m.proposed()) {
        std::fprintf(stderr, "srtdump: %s\n", autosync::describe(m).c_str());
        return 3;
    }
    const std::string out
        = adjustedSrt(cues, autosync::timingOf(m), writtenSeparatorOf(lineEnding));
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}

int usageError(const char* why)
{
    std::fprintf(stderr, "srtdump: %s\n%s", why, kUsage);
    return kExitUsage;
}

} // namespace

int main(int argc, char** argv)
{
    std::uint32_t encoding = 8;
    LineEnding lineEnding = LineEnding::crlf;
    bool autoEncoding = false;
    bool autoLineEnding = false;
    enum class Format { Dump, Json, Srt, Report } format = Format::Dump;
    Timing timing;
    std::optional<std::string> path;
    std::optional<std::string> video;
    bool formatChosen = false;
    bool encodingChosen = false;
    bool lineEndingChosen = false;

    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (arg == "--encoding") {
            encodingChosen = true;
            const char* v = value();
            autoEncoding = v && std::strcmp(v, "auto") == 0;
            const auto id = v && !autoEncoding ? parseUnsigned(v, UINT32_MAX) : std::nullopt;
            if (!id && !autoEncoding)
                return usageError("--encoding needs auto, or a decimal or 0x-hex identifier");
            encoding = id.value_or(encoding);
        } else if (arg == "--line-ending") {
            lineEndingChosen = true;
            const char* v = value();
            autoLineEnding = v && std::strcmp(v, "auto") == 0;
            const auto code = v && !autoLineEnding ? parseLineEnding(v) : std::nullopt;
            if (!code && !autoLineEnding)
                return usageError("--line-ending needs auto, crlf, lf, cr or a code from 0 to 255");
            lineEnding = code.value_or(lineEnding);
        } else if (arg == "--sync-to") {
            const char* v = value();
            if (!v)
                return usageError("--sync-to needs a video file");
            video = v;
        } else if (arg == "--format") {
            formatChosen = true;
            const char* v = value();
            if (v && std::strcmp(v, "json") == 0)
                format = Format::Json;
            else if (v && std::strcmp(v, "dump") == 0)
                format = Format::Dump;
            else if (v && std::strcmp(v, "report") == 0)
                format = Format::Report;
            else if (v && std::strcmp(v, "srt") == 0)
                format = Format::Srt;
            else
                return usageError("--format needs dump, json, srt or report");
        } else if (arg == "--delay") {
            const char* v = value();
            const auto delay = v ? parseDouble(v) : std::nullopt;
            if (!delay)
                return usageError("--delay needs a number of seconds, such as -1.2");
            timing.delay = *delay;
        } else if (arg == "--speed") {
            const char* v = value();
            const auto speed = v ? parseDouble(v) : std::nullopt;
            if (!speed || !(*speed > 0))
                return usageError("--speed needs a number above 0, such as 0.95904");
            timing.speed = *speed;
        } else if (arg == "--") {
            if (i + 2 != argc || path)
                return usageError("expected exactly one FILE");
            path = argv[++i];
        } else if (arg.starts_with("-") && arg.size() > 1) {
            return usageError("unknown option");
        } else if (path) {
            return usageError("expected exactly one FILE");
        } else {
            path = std::string(arg);
        }
    }
    if (!path)
        return usageError("expected exactly one FILE");
    // A new way in reads as the player does by default: Automatic, unless told otherwise.
    if (video) {
        autoEncoding = autoEncoding || !encodingChosen;
        autoLineEnding = autoLineEnding || !lineEndingChosen;
    }
    if (video && !formatChosen)
        format = Format::Srt;
    if (video && format != Format::Srt && format != Format::Report)
        return usageError("--sync-to prints srt or report");
    if (video && !timing.isIdentity())
        return usageError("--sync-to finds the delay and speed itself");

    media::install();
    StderrLog log("srtdump");
    setLogSink(&log);
    int status = 0;
    if (!File::isExistFile(*path)) {
        std::fputs("File not found.\n", stderr);
        status = 1;
    } else if (const auto reader = SrtFile::file(*path, encoding, lineEnding);
               reader->setAutomatic(autoEncoding, autoLineEnding), !reader->readData()) {
        std::fputs("Encoding Error\n", stderr);
        status = 2;
    } else {
        const bool automatic = autoEncoding || autoLineEnding;
        if (automatic && reader->dataArray().empty())
            std::fprintf(stderr, "No subtitles found in %s\n", path->c_str());
        if (video) {
            status = syncTo(
                *video, reader->dataArray(), reader->report().lineEnding, format == Format::Report);
        } else if (format == Format::Srt) {
            // Written in the line ending the file was read with.
            const std::string out = adjustedSrt(
                Cues(reader->dataArray()), timing, writtenSeparatorOf(reader->report().lineEnding));
            std::fwrite(out.data(), 1, out.size(), stdout);
        } else if (format == Format::Json) {
            printJson(reader->dataArray(), automatic ? &reader->report() : nullptr, timing);
        } else if (format == Format::Report) {
            printReport(reader->report());
        } else {
            reader->dumpValues(stdout, timing);
        }
    }
    setLogSink(nullptr);
    return status;
}
