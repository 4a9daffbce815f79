// Stand-ins for the outlets a wiring may leave out, so the controller never checks for one.
#pragma once

#include "control/BusyIndicator.h"
#include "control/QuietTimer.h"
#include "control/ReadingView.h"
#include "control/UiText.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <string>
#include <type_traits>
#include <vector>

namespace nullports {

class NoText final : public UiText {
public:
    void setText(const std::string&) override { }
};

class NoBusy final : public BusyIndicator {
public:
    void begin(const std::string&) override { }
    void end() override { }
};

class NoReadingView final : public ReadingView {
public:
    void showReading(const std::string&, const std::vector<std::size_t>&) override { }
    void showRecentFiles(const std::vector<std::string>&) override { }
    void watchFile(const std::string&) override { }
};

// Without a timer there is no quiet time to wait for: the work runs at once.
class NoQuietTime final : public QuietTimer {
public:
    void restart(std::chrono::milliseconds, std::function<void()> work) override { work(); }
    void cancel() override { }
};

// Shared, since they hold nothing.
inline NoText noText;
inline NoBusy noBusy;
inline NoReadingView noReadingView;
inline NoQuietTime noQuietTime;

// The outlet given, or its stand-in.
template <typename Port> Port* orNull(Port* given, std::type_identity_t<Port>& stand)
{
    return given ? given : &stand;
}

} // namespace nullports
