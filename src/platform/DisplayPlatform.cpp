#include "platform/DisplayPlatform.h"

namespace {

bool set(const std::optional<std::string>& value)
{
    return value && !value->empty();
}

} // namespace

PlatformChoice choosePlatform(
    const std::vector<std::string>& args, std::optional<std::string> (*env)(const char* name))
{
    // The user's own choice stands, whatever it is.
    if (set(env("QT_QPA_PLATFORM")))
        return {};
    for (const std::string& arg : args)
        if (arg == "-platform" || arg == "--platform" || arg.starts_with("-platform=")
            || arg.starts_with("--platform="))
            return {};

    const bool wayland
        = set(env("WAYLAND_DISPLAY")) || env("XDG_SESSION_TYPE").value_or("") == "wayland";
    if (!wayland)
        return {};
    if (set(env("DISPLAY")))
        return { "xcb", "" };
    return { std::nullopt,
        "This Wayland desktop does not let the subtitle panel stay above other windows, so it "
        "may go behind a video player. To keep it on top, run Subclock with XWayland "
        "(QT_QPA_PLATFORM=xcb) or use your desktop's \"keep above\" window rule." };
}
