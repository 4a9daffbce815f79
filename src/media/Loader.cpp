// dlopen on first use, from beside the program (the build tree), its parent (the tests' folder)
// or where it is installed, relative to the program first so that a moved prefix still works.
#include "media/Media.h"

#include "media/Module.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>
#include <vector>

namespace media {
namespace {

struct Loaded {
    const Module* module = nullptr;
    std::string why;
};

std::vector<std::filesystem::path> candidates()
{
    namespace fs = std::filesystem;
    std::vector<fs::path> out;
    std::error_code error;
    const fs::path exe = fs::read_symlink("/proc/self/exe", error);
    if (!error) {
        const fs::path dir = exe.parent_path();
        out.push_back(dir / SUBCLOCK_MEDIA_FILE);
        out.push_back(dir.parent_path() / SUBCLOCK_MEDIA_FILE);
        out.push_back(dir / SUBCLOCK_MEDIA_FROM_BINDIR / SUBCLOCK_MEDIA_FILE);
    }
    out.push_back(fs::path(SUBCLOCK_MEDIA_INSTALLED) / SUBCLOCK_MEDIA_FILE);
    return out;
}

Loaded open()
{
    Loaded loaded;
    for (const std::filesystem::path& path : candidates()) {
        std::error_code error;
        if (!std::filesystem::exists(path, error))
            continue;
        // Never closed: its code runs on threads until the program ends.
        void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            const char* e = dlerror();
            loaded.why = e ? e : path.string();
            return loaded;
        }
        using Entry = const Module* (*)();
        const auto entry = reinterpret_cast<Entry>(dlsym(handle, kModuleEntry));
        const Module* module = entry ? entry() : nullptr;
        if (!module || module->version != kModuleVersion) {
            loaded.why = path.string() + " is from another version of Subclock";
            return loaded;
        }
        loaded.module = module;
        return loaded;
    }
    loaded.why = std::string(SUBCLOCK_MEDIA_FILE) + " was not found beside the program";
    return loaded;
}

const Loaded& loaded()
{
    static const Loaded once = open();
    return once;
}

autosync::Heard failed()
{
    autosync::Heard h;
    h.error = "the sound libraries could not be loaded: " + loaded().why;
    return h;
}

class LazyHearing final : public autosync::Hearing {
public:
    autosync::Heard listen(
        const std::string& path, const autosync::ListenOptions& options) const override
    {
        const Module* m = loaded().module;
        return m ? m->hearing->listen(path, options) : failed();
    }
    autosync::SpeechTrack hearPcm(std::span<const std::int16_t> mono) const override
    {
        const Module* m = loaded().module;
        return m ? m->hearing->hearPcm(mono) : autosync::SpeechTrack{};
    }
    std::optional<double> videoFrameRate(const std::string& path) const override
    {
        const Module* m = loaded().module;
        return m ? m->hearing->videoFrameRate(path) : std::nullopt;
    }
    autosync::Heard listenToDesktop(
        double seconds, const std::function<bool(double)>& progress) const override
    {
        const Module* m = loaded().module;
        return m ? m->hearing->listenToDesktop(seconds, progress) : failed();
    }
};

class LazyReader final : public FormatReader {
public:
    bool read(std::string_view utf8, SubtitleFormat format, SrtMessageList& out) const override
    {
        const Module* m = loaded().module;
        return m && m->subtitles->read(utf8, format, out);
    }
};

} // namespace

void install()
{
    static const LazyHearing hearing;
    static const LazyReader reader;
    autosync::setHearing(&hearing);
    setFormatReader(&reader);
}

bool load(std::string* why)
{
    if (why)
        *why = loaded().why;
    return loaded().module != nullptr;
}

} // namespace media
