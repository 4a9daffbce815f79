// The session file's format, its folder and names, and saving it.
#include "cueing/SessionFile.h"

#include "platform/AtomicFile.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <system_error>
#include <vector>

namespace {

constexpr std::string_view kHeader = "Subclock timing session 1";

std::string escaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
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
        default:
            out += c;
        }
    }
    return out;
}

std::string unescaped(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        out += c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
    }
    return out;
}

// The fields of a record: its keyword first.
std::vector<std::string_view> fields(std::string_view line)
{
    std::vector<std::string_view> out;
    while (true) {
        const std::size_t tab = line.find('\t');
        out.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos)
            return out;
        line.remove_prefix(tab + 1);
    }
}

template <typename T> bool number(std::string_view text, T& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size();
}

std::string seconds(double x)
{
    char out[48];
    std::snprintf(out, sizeof out, "%.6f", x);
    return out;
}

} // namespace

namespace session {

std::string format(const SavedSession& session)
{
    const CueState& state = session.state;
    std::string out(kHeader);
    out += "\nbegan\t" + escaped(session.began);
    out += "\nscript\t" + escaped(state.scriptName);
    out += "\nnext\t" + std::to_string(state.next);
    for (const std::string& paragraph : *state.paragraphs)
        out += "\nparagraph\t" + escaped(paragraph);
    for (const TimedCue& cue : state.cues)
        out += "\ncue\t" + seconds(cue.start) + "\t" + seconds(cue.end) + "\t" + escaped(cue.text);
    out += '\n';
    return out;
}

std::optional<SavedSession> parse(std::string_view text)
{
    if (!text.starts_with(kHeader))
        return std::nullopt;
    SavedSession session;
    std::vector<std::string> paragraphs;
    CueState& state = session.state;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        const std::vector<std::string_view> f = fields(text.substr(0, newline));
        text = newline == std::string_view::npos ? std::string_view{} : text.substr(newline + 1);
        if (f[0] == "began" && f.size() == 2)
            session.began = unescaped(f[1]);
        else if (f[0] == "script" && f.size() == 2)
            state.scriptName = unescaped(f[1]);
        else if (f[0] == "next" && f.size() == 2)
            number(f[1], state.next);
        else if (f[0] == "paragraph" && f.size() == 2)
            paragraphs.push_back(unescaped(f[1]));
        else if (f[0] == "cue" && f.size() == 4) {
            TimedCue cue{ 0, 0, unescaped(f[3]) };
            if (number(f[1], cue.start) && number(f[2], cue.end))
                state.cues.push_back(std::move(cue));
        }
    }
    state.next = std::min(state.next, paragraphs.size());
    state.paragraphs = std::make_shared<const std::vector<std::string>>(std::move(paragraphs));
    return session;
}

std::string folder(const char* xdgDataHome, const char* home)
{
    if (xdgDataHome && xdgDataHome[0] == '/')
        return std::string(xdgDataHome) + "/Subclock";
    if (home && home[0] == '/')
        return std::string(home) + "/.local/share/Subclock";
    return {};
}

std::string timestamp(std::time_t t)
{
    std::tm local{};
    ::localtime_r(&t, &local);
    char out[32];
    std::strftime(out, sizeof out, "%Y-%m-%d %H:%M:%S", &local);
    return out;
}

std::string fileName(std::string_view scriptName, std::string_view began)
{
    std::string stem(scriptName.substr(0, scriptName.rfind('.')));
    for (char& c : stem) {
        if (c == '/' || static_cast<unsigned char>(c) < 0x20)
            c = '_';
    }
    if (stem.empty() || stem.front() == '.')
        stem.insert(0, "untitled");
    std::string when(began);
    std::erase(when, ':');
    return stem + " " + when + ".session";
}

std::optional<FoundSession> findLatest(const std::string& folder)
{
    namespace fs = std::filesystem;
    std::vector<std::pair<fs::file_time_type, std::string>> saved;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
        if (entry.path().extension() != ".session" || !entry.is_regular_file(ec))
            continue;
        const fs::file_time_type time = entry.last_write_time(ec);
        if (!ec)
            saved.emplace_back(time, entry.path().string());
    }
    // Newest first, so that only as many files are read as it takes to find one worth offering.
    std::sort(saved.begin(), saved.end(), std::greater<>());
    for (auto& [time, path] : saved) {
        std::optional<SavedSession> s = parse(readWholeFile(path).value_or(std::string{}));
        if (s && (!s->state.cues.empty() || !s->state.paragraphs->empty()))
            return FoundSession{ std::move(path), std::move(*s) };
    }
    return std::nullopt;
}

std::optional<std::string> latest(const std::string& folder)
{
    if (std::optional<FoundSession> found = findLatest(folder))
        return std::move(found->path);
    return std::nullopt;
}

} // namespace session

void SessionKeeper::adopt(const SavedSession& session, std::string path)
{
    _began = session.began;
    _path = std::move(path);
    _pathHeldCues = !session.state.cues.empty();
}

bool SessionKeeper::save(const CueState& state)
{
    if (_folder.empty())
        return false;
    std::error_code ec;
    std::filesystem::create_directories(_folder, ec);
    // Until it holds a cue the file follows the script's name; after that its name stays.
    const std::string target
        = _pathHeldCues ? _path : _folder + "/" + session::fileName(state.scriptName, _began);
    if (!writeFileAtomically(target, session::format({ _began, state })))
        return false;
    if (!_path.empty() && target != _path)
        std::filesystem::remove(_path, ec);
    _path = target;
    _pathHeldCues = _pathHeldCues || !state.cues.empty();
    return true;
}
