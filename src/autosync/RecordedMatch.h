// Lining up the subtitles on a short recording of a video: a correction to the delay in force.
#pragma once

#include "autosync/SpeechMatch.h"

#include <span>

namespace autosync {

// How far either way a recording is matched: the subtitles are roughly in place already, or the
// user would not be watching with them; a wider search finds more line-ups nearly as good.
inline constexpr double kRecordedShift = 60;
// A minute of dialogue holds less speech than a film: this much is enough for one delay.
inline constexpr double kRecordedMinSpeech = 15;

// `shown` are the subtitles' spans as they show now (the timing in force applied), `recorded`
// what was heard from clock time `from` on. The match's delay is the correction to add to the
// delay in force; its speed is always 1 and it has no split, since half a minute says nothing
// about either.
Match matchRecorded(std::span<const Span> shown, const SpeechTrack& recorded, double from,
    double within = kRecordedShift);

} // namespace autosync
