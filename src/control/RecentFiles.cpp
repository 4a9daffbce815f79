// The recent files: kept, stored and shown.
#include "control/RecentFiles.h"

#include "control/Settings.h"
#include "subtitles/File.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>

namespace {

const std::string kRecentFilesKey(settings::kRecentFiles.name);

// The folder a path is in, when it still is one.
std::optional<std::string> existingFolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return std::nullopt;
    const std::string folder = slash == 0 ? "/" : path.substr(0, slash);
    struct stat st { };
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode))
        return std::nullopt;
    return folder;
}

std::string homeDirectory()
{
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir)
        return pw->pw_dir;
    return "/";
}

} // namespace

std::string RecentFiles::join(const std::vector<std::string>& paths)
{
    std::string out;
    for (const std::string& path : paths) {
        if (!out.empty())
            out.push_back('\n');
        for (const char c : path) {
            if (c == '%')
                out += "%25";
            else if (c == '\n')
                out += "%0A";
            else
                out.push_back(c);
        }
    }
    return out;
}

std::vector<std::string> RecentFiles::split(const std::string& text)
{
    std::vector<std::string> out;
    std::string path;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n') {
            if (!path.empty())
                out.push_back(path);
            path.clear();
        } else if (text.compare(i, 3, "%25") == 0) {
            path.push_back('%');
            i += 2;
        } else if (text.compare(i, 3, "%0A") == 0) {
            path.push_back('\n');
            i += 2;
        } else {
            path.push_back(text[i]);
        }
    }
    return out;
}

void RecentFiles::restore(const std::optional<std::string>& lastFile)
{
    if (lastFile)
        _lastFile = *lastFile;
    std::vector<std::string> stored;
    try {
        if (const auto text = _store->stringValue(kRecentFilesKey))
            stored = split(*text);
        else if (lastFile)
            stored = { *lastFile };
    } catch (const PreferencesError&) {
    }
    _paths.clear();
    for (const std::string& path : stored) {
        if (_paths.size() < kLimit && File::isExistFile(path)
            && std::find(_paths.begin(), _paths.end(), path) == _paths.end())
            _paths.push_back(path);
    }
    _view->showRecentFiles(_paths);
}

void RecentFiles::remember(const std::string& path)
{
    _lastFile = path;
    std::erase(_paths, path);
    // Files gone since start-up leave the list as well.
    std::erase_if(_paths, [](const std::string& p) { return !File::isExistFile(p); });
    _paths.insert(_paths.begin(), path);
    if (_paths.size() > kLimit)
        _paths.resize(kLimit);
    try {
        _store->setString(kRecentFilesKey, join(_paths));
    } catch (const PreferencesError&) {
        // The list is a convenience: a store that refuses it costs the next run its list only.
    }
    _view->showRecentFiles(_paths);
}

std::string RecentFiles::dialogFolder() const
{
    return existingFolderOf(_lastFile).value_or(homeDirectory());
}
