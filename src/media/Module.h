// What the media library offers the program that loads it, and how it is built: the one
// exported entry returns this table, checked against the version the loader was built with.
#pragma once

#include "autosync/Hearing.h"
#include "subtitles/FormatReader.h"

namespace media {

inline constexpr int kModuleVersion = 1;

struct Module {
    int version = kModuleVersion;
    const autosync::Hearing* hearing = nullptr;
    const FormatReader* subtitles = nullptr;
};

// Inside the library: the implementations behind the table.
autosync::Heard listenToFile(const std::string& path, const autosync::ListenOptions& options);
autosync::SpeechTrack hearPcm(std::span<const std::int16_t> mono);
std::optional<double> frameRateOf(const std::string& path);
autosync::Heard recordDesktop(double seconds, const std::function<bool(double)>& progress);
const FormatReader& subtitleDemuxers();

} // namespace media

// The library's one exported symbol.
inline constexpr const char* kModuleEntry = "subclock_media_module";
extern "C" const media::Module* subclock_media_module();
