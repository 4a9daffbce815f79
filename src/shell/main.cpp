// Subclock: plays SubRip subtitles against a running clock.
#include "media/Media.h"
#include "shell/Application.h"

int main(int argc, char** argv)
{
    media::install();
    return runApplication(argc, argv);
}
