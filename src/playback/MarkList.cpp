// Pairing marks, and the standard-output line they make.
#include "playback/MarkList.h"

#include "subtitles/TimeCode.h"

void MarkList::mark(double position)
{
    if (waitingForEnd())
        _marks.back().end = position;
    else
        _marks.push_back({ position, std::nullopt });
    for (const Listener& listener : _listeners)
        listener(_marks.back());
}

MarkList::Listener markLinePrinter(std::FILE* out)
{
    return [out](const Mark& mark) {
        const bool opening = !mark.end;
        const TimeParts p = displaySplit(opening ? mark.start : *mark.end);
        std::fprintf(out, opening ? "%02d:%02d:%02d:%03d --> " : "%02d:%02d:%02d:%03d\n", p.hours,
            p.minutes, p.seconds, p.milliseconds);
        std::fflush(out);
    };
}
