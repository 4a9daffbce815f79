// Arbitrary text through the format sniffing and each hand-written reader (WebVTT, ASS/SSA,
// MicroDVD), and the ASS text conversion FFmpeg's events also go through. Every entry must come
// out with a text, and times that were read, not invented.
//
// Input: [video frame rate: 1 byte, 0 for none] then the text.
#include "subtitles/FormatSniff.h"
#include "subtitles/TextFormats.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::optional<double> video
        = data[0] ? std::optional<double>(data[0] / 4.0) : std::nullopt;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    (void)sniffFormat(text);
    (void)otherSubtitleFormat(text);
    (void)textformats::assText(text);
    SrtMessageList entries;
    textformats::readWebVtt(text, entries);
    textformats::readAss(text, entries);
    const auto rate = textformats::readMicroDvd(text, video, entries);
    if (!(rate.fps > 0))
        std::abort();
    for (const auto& e : entries) {
        if (!e->message() || std::isnan(e->startTimeData()) || std::isnan(e->endTimeData()))
            std::abort();
    }
    return 0;
}
