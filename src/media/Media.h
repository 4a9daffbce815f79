// FFmpeg, WebRTC's voice detector and PulseAudio, with the 130-odd libraries they pull in, live
// in a library of their own that is loaded at the first listen or the first file in a format
// FFmpeg reads: reading a SubRip file or starting the player never waits for them.
#pragma once

#include <string>

namespace media {

// Hands the program's hearing (autosync) and its reader for other subtitle formats to the
// library, loaded when first used. Call once, before the first read.
void install();

// Whether the library loaded, loading it now if it has not been tried; else why not.
bool load(std::string* why = nullptr);

} // namespace media
