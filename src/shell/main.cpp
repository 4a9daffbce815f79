// Subclock: plays SubRip subtitles against a running clock.
#include "shell/Application.h"

int main(int argc, char** argv)
{
    return runApplication(argc, argv);
}
