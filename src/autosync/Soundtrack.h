// Listening to a video's soundtrack: windows across the film decoded in parallel (FFmpeg), mono
// at a low rate, and WebRTC's voice detector on every 10 ms.
#pragma once

#include "autosync/SpeechMatch.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace autosync {

struct ListenOptions {
    // A film up to this long is heard whole; a longer one in windows spread across it, heard
    // for at least this long in all (and a fifth of the film).
    double wholeUpTo = 900;
    double windowSeconds = 60;
    // Worker threads; 0: one per core.
    unsigned threads = 0;
    // Called from the workers with the share done (0 to 1); false cancels.
    std::function<bool(double)> progress;
};

struct Heard {
    SpeechTrack track;
    double duration = 0;
    // Empty when the soundtrack was heard; else why not, for the user.
    std::string error;
    bool cancelled = false;
    // For a recording: the steady clock's seconds (since its epoch) at the first sample.
    double startedAt = 0;
};

// `path` is bytes as the file system has them.
Heard listen(const std::string& path, const ListenOptions& options = {});

// The frames a second of the file's first video stream, when it has one and says.
std::optional<double> videoFrameRate(const std::string& path);

// The sample rate hearPcm takes.
inline constexpr int kHearingRate = 16000;
// The same detector on sound already in memory (a recording), mono at kHearingRate: frame i is
// the 10 ms from sample 160·i.
SpeechTrack hearPcm(std::span<const std::int16_t> mono);

} // namespace autosync
