// Looking beside a video for its subtitles.
#include "control/SubtitleFinder.h"

#include "platform/Ascii.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The "stem*.srt" files beside the video.
std::vector<fs::path> candidatesBeside(const fs::path& video, const std::string& stem)
{
    std::error_code ec;
    std::vector<fs::path> candidates;
    for (fs::directory_iterator it(video.parent_path(), ec), end; !ec && it != end;
         it.increment(ec)) {
        const fs::path& file = it->path();
        const std::string name = file.filename().string();
        // An entry that cannot be examined (a dangling link, a loop) is no candidate; its error
        // is its own, not the listing's.
        std::error_code entry;
        if (name.size() > stem.size() && name.compare(0, stem.size(), stem) == 0
            && ascii::equalsIgnoringCase(file.extension().string(), ".srt")
            && it->is_regular_file(entry))
            candidates.push_back(file);
    }
    return candidates;
}

// The candidate named stem + middle + ".srt", the case aside.
std::optional<std::string> named(
    const std::vector<fs::path>& candidates, const std::string& stem, const std::string& middle)
{
    for (const fs::path& file : candidates) {
        const std::string rest = file.filename().string().substr(stem.size());
        if (ascii::equalsIgnoringCase(rest, middle + ".srt"))
            return file.string();
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> findSubtitlesFor(
    const std::string& videoPath, const std::string& language)
{
    const fs::path video(videoPath);
    const std::string stem = video.stem().string();
    const std::vector<fs::path> candidates = candidatesBeside(video, stem);
    if (auto plain = named(candidates, stem, ""))
        return plain;
    if (!language.empty()) {
        if (auto local = named(candidates, stem, "." + language))
            return local;
    }
    if (candidates.size() == 1)
        return candidates.front().string();
    return std::nullopt;
}

std::optional<std::string> findSecondSubtitlesFor(
    const std::string& videoPath, const std::string& language)
{
    if (language.empty())
        return std::nullopt;
    const fs::path video(videoPath);
    const std::string stem = video.stem().string();
    return named(candidatesBeside(video, stem), stem, "." + language);
}

std::string localeLanguage(const std::string& localeName)
{
    std::string language = localeName.substr(0, localeName.find_first_of("_.@"));
    if (language == "C" || language == "POSIX")
        return {};
    return language;
}
