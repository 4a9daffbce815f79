// The port for formats the subtitles library does not read itself (SAMI, SubViewer, MPL2 through
// FFmpeg's demuxers). A program that links such a reader sets it once, before the first read.
#pragma once

#include "subtitles/FormatSniff.h"
#include "subtitles/SrtMessage.h"

#include <string_view>

// Called on whichever thread reads a file; must keep no state between reads.
class FormatReader {
public:
    virtual ~FormatReader() = default;
    // Appends the entries of UTF-8 text in `format`, texts in the panel's markup; false when the
    // format is not one it reads or the text does not read as it.
    virtual bool read(std::string_view utf8, SubtitleFormat format, SrtMessageList& out) const = 0;

protected:
    FormatReader() = default;
    FormatReader(const FormatReader&) = delete;
    FormatReader& operator=(const FormatReader&) = delete;
};

// None until a program sets one; the formats it would read then read as nothing.
void setFormatReader(const FormatReader* reader);
const FormatReader* formatReader();
