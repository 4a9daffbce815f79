// libpulse's simple API: one blocking record stream, read in tenths of a second.
#include "media/Module.h"

#include <pulse/error.h>
#include <pulse/simple.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

namespace media {

using autosync::Heard;
using autosync::kHearingRate;

namespace {

constexpr std::size_t kChunk = kHearingRate / 10;

double steadySeconds()
{
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

struct CloseStream {
    void operator()(pa_simple* s) const { pa_simple_free(s); }
};

} // namespace

Heard recordDesktop(double seconds, const std::function<bool(double)>& progress)
{
    Heard result;
    const pa_sample_spec format{ PA_SAMPLE_S16NE, kHearingRate, 1 };
    // Small fragments: the time of the first sample is known to within one of them.
    pa_buffer_attr attr{};
    attr.maxlength = static_cast<std::uint32_t>(-1);
    attr.fragsize = static_cast<std::uint32_t>(kChunk * sizeof(std::int16_t));
    int error = 0;
    const std::unique_ptr<pa_simple, CloseStream> stream(pa_simple_new(nullptr, "Subclock",
        PA_STREAM_RECORD, "@DEFAULT_MONITOR@", "Listen to sync", &format, nullptr, &attr, &error));
    if (!stream) {
        result.error = pa_strerror(error);
        return result;
    }
    const auto total = static_cast<std::size_t>(seconds * kHearingRate);
    std::vector<std::int16_t> samples(total);
    for (std::size_t got = 0; got < total;) {
        const std::size_t n = std::min(kChunk, total - got);
        if (pa_simple_read(stream.get(), samples.data() + got, n * sizeof(std::int16_t), &error)
            < 0) {
            result.error = pa_strerror(error);
            return result;
        }
        got += n;
        if (got == total) {
            // The last sample was played before now by what still waits in the stream; the
            // first, the recording's length before that. Reckoned at the end: the first reads
            // also return what piled up while the stream was being set up.
            pa_usec_t latency = pa_simple_get_latency(stream.get(), &error);
            if (latency == static_cast<pa_usec_t>(-1))
                latency = 0;
            result.startedAt = steadySeconds() - static_cast<double>(latency) / 1e6
                - static_cast<double>(total) / kHearingRate;
        }
        if (progress && !progress(static_cast<double>(got) / static_cast<double>(total))) {
            result.cancelled = true;
            return result;
        }
    }
    result.duration = seconds;
    result.track = hearPcm(samples);
    return result;
}

} // namespace media
