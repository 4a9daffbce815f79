// SAMI, SubViewer and MPL2 read by FFmpeg's subtitle demuxers and decoders, from the text
// Automatic has already decoded, so its choice of encoding holds for them too.
#pragma once

#include "subtitles/FormatReader.h"

// The reader to hand to setFormatReader; it lives as long as the program.
const FormatReader& ffmpegFormatReader();
