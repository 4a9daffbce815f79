// The free functions callers use, handed to the one Hearing a program has set.
#include "autosync/Hearing.h"

#include "autosync/DesktopAudio.h"

#include <atomic>

namespace autosync {
namespace {

// Set before the first use, read on any listening thread.
std::atomic<const Hearing*> theHearing{ nullptr };

Heard unheard()
{
    Heard h;
    h.error = "this program has no sound decoder";
    return h;
}

} // namespace

void setHearing(const Hearing* hearing)
{
    theHearing.store(hearing, std::memory_order_release);
}

Heard listen(const std::string& path, const ListenOptions& options)
{
    const Hearing* h = theHearing.load(std::memory_order_acquire);
    return h ? h->listen(path, options) : unheard();
}

SpeechTrack hearPcm(std::span<const std::int16_t> mono)
{
    const Hearing* h = theHearing.load(std::memory_order_acquire);
    return h ? h->hearPcm(mono) : SpeechTrack{};
}

std::optional<double> videoFrameRate(const std::string& path)
{
    const Hearing* h = theHearing.load(std::memory_order_acquire);
    return h ? h->videoFrameRate(path) : std::nullopt;
}

Heard listenToDesktop(double seconds, const std::function<bool(double)>& progress)
{
    const Hearing* h = theHearing.load(std::memory_order_acquire);
    return h ? h->listenToDesktop(seconds, progress) : unheard();
}

} // namespace autosync
