// Writes subtitles as a standard SubRip file, the form every other reader accepts.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

struct WrittenCue {
    std::int32_t number = 0;
    double start = 0;
    double end = 0;
    std::string text;
};

// "HH:MM:SS,mmm", rounded to the nearest millisecond; a time before zero is written as zero.
std::string srtTime(double seconds);

// Blocks of number, time line and text, each followed by a blank line, every line ended by
// `lineEnding`. Blank lines at the end of a text are dropped and blank lines inside it are left
// out, because a blank line ends a block for every other reader.
std::string writeSrt(std::span<const WrittenCue> cues, std::string_view lineEnding);
