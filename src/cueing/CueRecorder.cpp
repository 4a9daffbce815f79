// The record file: append, number, flush.
#include "cueing/CueRecorder.h"

#include "subtitles/SrtWriter.h"

#include <fstream>
#include <string>

CueRecorder::CueRecorder(const std::string& path)
{
    // A time line marks each block already there, whatever its line endings.
    std::ifstream existing(path, std::ios::binary);
    for (std::string line; std::getline(existing, line);) {
        if (line.find(" --> ") != std::string::npos)
            ++_count;
    }
    _file = std::fopen(path.c_str(), "ab");
}

CueRecorder::~CueRecorder()
{
    if (_file)
        std::fclose(_file);
}

bool CueRecorder::record(const TimedCue& cue)
{
    if (!_file)
        return false;
    const WrittenCue written[] = { { _count + 1, cue.start, cue.end, cue.text } };
    const std::string block = writeSrt(written, "\r\n");
    const bool ok = std::fwrite(block.data(), 1, block.size(), _file) == block.size()
        && std::fflush(_file) == 0;
    if (ok)
        ++_count;
    return ok;
}
