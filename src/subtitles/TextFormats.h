// The subtitle formats read here by hand: WebVTT and ASS/SSA (FFmpeg's demuxers read them ten
// times slower than SubRip reads, and drop WebVTT's cue placement), and MicroDVD, whose frame
// rate FFmpeg cannot take from the followed video. Texts come out in the panel's markup: SubRip's
// tags, with ASS override blocks kept for what they style.
#pragma once

#include "subtitles/SrtMessage.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace textformats {

// The rate MicroDVD frames are counted in when neither the file nor the video says.
inline constexpr double kDefaultFrameRate = 23.976;

// Each appends the entries in file order, numbered from 1.
void readWebVtt(std::string_view text, SrtMessageList& out);
void readAss(std::string_view text, SrtMessageList& out);

// An ASS event's text in the panel's markup: override blocks kept, comments and drawings dropped,
// "\N" as a line break; none when nothing in it would show. FFmpeg's decoders hand out the same.
std::optional<std::string> assText(std::string_view text);

// Seconds from a count of `den`ths of `num` seconds, computed as the SubRip reader computes its
// times from the milliseconds, so the same moment gives the same double in every format.
double secondsOf(std::int64_t ticks, std::int64_t num, std::int64_t den);

struct FrameRate {
    double fps = kDefaultFrameRate;
    bool assumed = true; // neither the file's first line nor the video gave it
};
// The rate comes from a first line "{1}{1}23.976", else `videoRate`, else the default.
FrameRate readMicroDvd(std::string_view text, std::optional<double> videoRate, SrtMessageList& out);

} // namespace textformats
