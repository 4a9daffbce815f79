// A recording is matched as a film of its own: the subtitles around it, from `within` before it.
#include "autosync/RecordedMatch.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace autosync {

Match matchRecorded(
    std::span<const Span> shown, const SpeechTrack& recorded, double from, double within)
{
    const double fs = recorded.frameSeconds;
    const double length = static_cast<double>(recorded.frames.size()) * fs;
    const double origin = from - within;
    std::vector<Span> near;
    for (const Span& s : shown) {
        if (s.end > origin && s.start < from + length + within)
            near.push_back({ s.start - origin, s.end - origin });
    }
    // Unheard (0) around the recording, so only the recording weighs.
    SpeechTrack track;
    track.frameSeconds = fs;
    const auto lead = static_cast<std::size_t>(std::lround(within / fs));
    track.frames.assign(2 * lead + recorded.frames.size(), 0);
    std::copy(recorded.frames.begin(), recorded.frames.end(),
        track.frames.begin() + static_cast<std::ptrdiff_t>(lead));

    Match m = matchSpeech(near, track,
        MatchOptions{ .maxShift = within, .findSplit = false, .minSpeech = kRecordedMinSpeech });
    // Over half a minute neighbouring frame-rate ratios fit alike; the one chosen is only a
    // slope through the recording, so it becomes the delay it amounts to at its middle.
    m.delay += (within + length / 2) * (m.speed - 1);
    m.speed = 1;
    return m;
}

} // namespace autosync
