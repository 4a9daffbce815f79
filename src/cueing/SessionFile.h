// The timing session on disk: saved whole after every change, found again at the next start.
#pragma once

#include "cueing/CueSheet.h"

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

struct SavedSession {
    // When the session began, "YYYY-MM-DD HH:MM:SS" in local time.
    std::string began;
    CueState state;
};

namespace session {

// Line-based UTF-8 text: a header line, then one tab-separated record per line, texts with
// their backslashes, newlines and tabs escaped.
std::string format(const SavedSession& session);
// None when the header is missing; a damaged record is skipped, the rest is kept.
std::optional<SavedSession> parse(std::string_view text);

// "$XDG_DATA_HOME/Subclock", or "$HOME/.local/share/Subclock" when that is unset or relative.
// Empty when neither is usable.
std::string folder(const char* xdgDataHome, const char* home);
// "YYYY-MM-DD HH:MM:SS" of `t` in local time.
std::string timestamp(std::time_t t);
// The script's name without its extension ("untitled" without one) and the date and time the
// session began: "scene 2026-12-08 034012.session".
std::string fileName(std::string_view scriptName, std::string_view began);
struct FoundSession {
    std::string path;
    SavedSession session;
};
// The most recently saved session in `folder` that holds a cue or a script, read, if any.
std::optional<FoundSession> findLatest(const std::string& folder);
// Its path only.
std::optional<std::string> latest(const std::string& folder);

} // namespace session

// Saves a session under one name for its whole life, atomically, on every change.
class SessionKeeper {
public:
    SessionKeeper(std::string folder, std::string began)
        : _folder(std::move(folder))
        , _began(std::move(began))
    {
    }

    // Continues a restored session in its own file rather than starting another.
    void adopt(const SavedSession& session, std::string path);
    // Writes the state; the name follows the script, and a file left behind under an earlier
    // name is removed only when it held no cue. False when the file could not be written.
    bool save(const CueState& state);
    const std::string& path() const { return _path; }

private:
    std::string _folder;
    std::string _began;
    std::string _path;
    bool _pathHeldCues = false;
};
