// Hearing what the desktop plays: a short recording of the default output's monitor (PulseAudio,
// which PipeWire serves too), heard by the soundtrack's voice detector, and kept in memory only.
#pragma once

#include "autosync/Soundtrack.h"

#include <functional>

namespace autosync {

// Records `seconds` of the default sink's monitor and hears it; the samples are dropped before
// it returns. `progress` is called from the calling thread with the share done (0 to 1) about
// ten times a second; false cancels. Heard::startedAt is when the first sample was played.
Heard listenToDesktop(double seconds, const std::function<bool(double)>& progress = {});

} // namespace autosync
