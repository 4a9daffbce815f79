// The table the loader asks for; everything else in the library stays hidden.
#include "media/Module.h"

namespace media {
namespace {

class ModuleHearing final : public autosync::Hearing {
public:
    autosync::Heard listen(
        const std::string& path, const autosync::ListenOptions& options) const override
    {
        return listenToFile(path, options);
    }
    autosync::SpeechTrack hearPcm(std::span<const std::int16_t> mono) const override
    {
        return media::hearPcm(mono);
    }
    std::optional<double> videoFrameRate(const std::string& path) const override
    {
        return frameRateOf(path);
    }
    autosync::Heard listenToDesktop(
        double seconds, const std::function<bool(double)>& progress) const override
    {
        return recordDesktop(seconds, progress);
    }
};

} // namespace
} // namespace media

extern "C" __attribute__((visibility("default"))) const media::Module* subclock_media_module()
{
    static const media::ModuleHearing hearing;
    static const media::Module module{ media::kModuleVersion, &hearing,
        &media::subtitleDemuxers() };
    return &module;
}
