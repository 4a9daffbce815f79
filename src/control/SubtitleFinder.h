// The subtitle file that belongs to a video, found beside it.
#pragma once

#include <optional>
#include <string>

// For "/films/movie.mkv": "movie.srt", then "movie.LANG.srt" for the user's language ("en"),
// then the only "movie*.srt" in the folder. The extension's case does not matter. None when
// nothing fits or several files do and none is preferred.
std::optional<std::string> findSubtitlesFor(
    const std::string& videoPath, const std::string& language);

// For a second track: "movie.LANG.srt" for `language` only, or none (and none for no language).
std::optional<std::string> findSecondSubtitlesFor(
    const std::string& videoPath, const std::string& language);

// The two-letter language of a locale name such as "de_AT.UTF-8"; empty for "C" and "POSIX".
std::string localeLanguage(const std::string& localeName);
