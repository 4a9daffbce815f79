// Which windowing platform to start on. A Wayland compositor does not let a program keep its
// window above others, so on a Wayland session with an X server beside it (XWayland) the player
// starts on X11, unless the user named a platform.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct PlatformChoice {
    // The platform to ask for; none: leave the choice to the toolkit.
    std::optional<std::string> platform;
    // What to tell the user once, in the main window; empty: nothing to say.
    std::string message;
    bool operator==(const PlatformChoice&) const = default;
};

// `env` gives the value of an environment variable (none when unset); `args` is the command line.
PlatformChoice choosePlatform(
    const std::vector<std::string>& args, std::optional<std::string> (*env)(const char* name));
