// Writes a few awkward cues with our SubRip writer, for another parser to read back: the SubRip
// file with the given line ending, and beside it what each cue must read back as (milliseconds
// and the text, with "\n" escaped), one cue a line.
#include "subtitles/SrtWriter.h"

#include <cmath>
#include <cstring>
#include <fstream>
#include <vector>

int main(int argc, char** argv)
{
    if (argc != 4 || (std::strcmp(argv[1], "crlf") != 0 && std::strcmp(argv[1], "lf") != 0))
        return 64;
    const std::vector<WrittenCue> cues = {
        { 1, 0.0004, 1.9996, "One line" },
        { 2, 59.9996, 61.5, "Two\nlines" },
        { 3, 3599.999, 3723.456, "\xE5\xAD\x97\xE5\xB9\x95 \xC3\xA9t\xC3\xA9" },
        { 4, 36000, 36001.001, "Ten hours in" },
    };
    std::ofstream(argv[2], std::ios::binary)
        << writeSrt(cues, std::strcmp(argv[1], "crlf") == 0 ? "\r\n" : "\n");
    std::ofstream expected(argv[3], std::ios::binary);
    for (const WrittenCue& cue : cues) {
        std::string text;
        for (const char c : cue.text)
            text += c == '\n' ? std::string("\\n") : std::string(1, c);
        expected << std::lround(cue.start * 1000) << '\t' << std::lround(cue.end * 1000) << '\t'
                 << text << '\n';
    }
}
