// Lining subtitles up with the speech heard in a video: the delay, the frame-rate ratio and at
// most one split point that put the subtitles' spans on the speech.
#pragma once

#include "subtitles/Cues.h"
#include "subtitles/Timing.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace autosync {

// What a voice detector heard, frame by frame from the video's start: +1 speech, -1 no speech,
// 0 not heard (a part of the soundtrack that was not decoded, or beyond its end).
struct SpeechTrack {
    double frameSeconds = 0.01;
    std::vector<std::int8_t> frames;
};

// A subtitle's time in the file, in seconds.
struct Span {
    double start = 0;
    double end = 0;
};

// Subtitles from `firstCue` on (in start order) take a delay of their own.
struct SplitPoint {
    std::size_t firstCue = 0;
    // File time between the last subtitle before the split and the first after it.
    double fileTime = 0;
    double delay = 0;
};

struct MatchOptions {
    // The delay is looked for within ± this many seconds.
    double maxShift = 600;
    bool findSplit = true;
    // Less speech than this (seconds) is too little to propose anything.
    double minSpeech = 30;
};

struct Match {
    enum class Verdict {
        sure, // proposed, and no other line-up comes near it
        likely, // proposed, with a weaker second candidate
        noSpeech, // nothing proposed: too little speech heard
        noClearMatch, // nothing proposed: no line-up stands out
    };
    Verdict verdict = Verdict::noClearMatch;
    // A cue at file time s belongs at clock time s * speed + delay (before the split, if any).
    double delay = 0;
    double speed = 1;
    std::optional<SplitPoint> split;
    // 0 (the best line-up is no better than the next) to 1 (nothing else comes near).
    double score = 0;
    // How many more subtitle starts land on heard onsets than by chance, in standard deviations
    // (per side of a split, the lesser).
    double onsets = 0;

    bool proposed() const { return verdict == Verdict::sure || verdict == Verdict::likely; }
};

// Below this score nothing is proposed; from kSureScore on the match is called sure.
// Chosen on synthetic films: music-like detector output scores up to 0.4, dialogue about 0.8.
inline constexpr double kProposeScore = 0.53;
inline constexpr double kSureScore = 0.6;
// A lower score still proposes when the subtitle starts land on heard onsets far beyond chance:
// a film cut in two leaves each part few subtitles to stand out with. Music and another film's
// speech reach 5 standard deviations at most; lined-up films 16 and more.
inline constexpr double kOnsetFloorScore = 0.3;
inline constexpr double kProposeOnsets = 10;
inline constexpr double kSureOnsets = 15;

// Cross-correlates the subtitles' spans with the speech at every frame-rate ratio (same rate,
// and those of `speedRatios()`), keeps the ratio and delay whose subtitles land most on speech
// and least on silence, then looks for one split where two delays fit clearly better than one.
Match matchSpeech(
    std::span<const Span> cues, const SpeechTrack& speech, const MatchOptions& options = {});

// The timing that puts the subtitles where the match found them.
Timing timingOf(const Match& match);

// "delay +3.210 s · 25 → 23.976 fps · sure", or why nothing was proposed.
std::string describe(const Match& match);
// " · from 0:52:10 +8.500 s": where the subtitles take another delay (`word` "until" for those
// before that point).
std::string splitText(std::string_view word, double fileTime, double delay);

// The spans of the entries, in list order, as matchSpeech takes them.
std::vector<Span> spansOf(const Cues& cues);

} // namespace autosync
