// Subclock: plays SubRip subtitles against a running clock.
#include "formats/FfmpegSubtitles.h"
#include "shell/Application.h"

int main(int argc, char** argv)
{
    setFormatReader(&ffmpegFormatReader());
    return runApplication(argc, argv);
}
