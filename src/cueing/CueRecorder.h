// Appends each cue to a SubRip file as it is made, so that another program can watch it grow.
#pragma once

#include "cueing/CueSheet.h"

#include <cstdint>
#include <cstdio>
#include <string>

class CueRecorder {
public:
    // Opens `path` for appending; the numbers go on from the cues already in it.
    explicit CueRecorder(const std::string& path);
    ~CueRecorder();
    CueRecorder(const CueRecorder&) = delete;
    CueRecorder& operator=(const CueRecorder&) = delete;

    bool isOpen() const { return _file != nullptr; }
    // One block with CRLF line endings, flushed at once. False when it could not be written.
    bool record(const TimedCue& cue);

private:
    std::FILE* _file = nullptr;
    std::int32_t _count = 0;
};
