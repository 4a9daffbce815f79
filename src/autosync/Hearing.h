// The port for what hears sound: decoding a film, the voice detector, recording the desktop;
// and what the film says of its frame rate.
// Those need FFmpeg, WebRTC and PulseAudio, which a program loads only when it first listens, so
// the program sets the implementation once, before the first use (see the media library).
#pragma once

#include "autosync/Soundtrack.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace autosync {

// Called on whichever thread listens; keeps no state between calls.
class Hearing {
public:
    virtual ~Hearing() = default;
    virtual Heard listen(const std::string& path, const ListenOptions& options) const = 0;
    virtual SpeechTrack hearPcm(std::span<const std::int16_t> mono) const = 0;
    virtual std::optional<double> videoFrameRate(const std::string& path) const = 0;
    virtual Heard listenToDesktop(
        double seconds, const std::function<bool(double)>& progress) const = 0;

protected:
    Hearing() = default;
    Hearing(const Hearing&) = delete;
    Hearing& operator=(const Hearing&) = delete;
};

// None until a program sets one; listening then fails with a reason.
void setHearing(const Hearing* hearing);

} // namespace autosync
