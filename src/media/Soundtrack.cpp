// FFmpeg reads and resamples the audio, WebRTC's voice detector marks each 10 ms; each worker
// thread has its own demuxer, decoder and detector, and takes the next window when done.
#include "media/Module.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}
#include <webrtc/modules/audio_processing/include/audio_processing.h>
#include <webrtc/modules/interface/module_common_types.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

namespace media {

using autosync::Heard;
using autosync::ListenOptions;
using autosync::SpeechTrack;

namespace {

constexpr int kRate = autosync::kHearingRate;
constexpr double kFrameSeconds = 0.01;
constexpr int kFrameSamples = 160;

std::string errorText(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

struct Window {
    double from = 0;
    double to = 0;
};

// WebRTC's detector, for a decoded film and a recording alike: mono, kRate, kFrameSamples a call.
class VoiceDetector {
public:
    VoiceDetector()
        : _vad(webrtc::AudioProcessing::Create())
    {
        _vad->voice_detection()->Enable(true);
        _vad->voice_detection()->set_likelihood(webrtc::VoiceDetection::kModerateLikelihood);
        _vad->voice_detection()->set_frame_size_ms(10);
    }

    // +1 speech, -1 none, for the 10 ms at `samples`.
    std::int8_t hear(const std::int16_t* samples)
    {
        webrtc::AudioFrame f;
        f.sample_rate_hz_ = kRate;
        f.num_channels_ = 1;
        f.samples_per_channel_ = kFrameSamples;
        std::memcpy(f.data_, samples, kFrameSamples * sizeof(std::int16_t));
        _vad->ProcessStream(&f);
        return _vad->voice_detection()->stream_has_voice() ? 1 : -1;
    }

private:
    std::unique_ptr<webrtc::AudioProcessing> _vad;
};

// One worker's way into the file.
class Listener {
public:
    // Empty when the file opened and has a sound track; else why not.
    std::string open(const std::string& path)
    {
        if (const int e = avformat_open_input(&_format, path.c_str(), nullptr, nullptr); e < 0)
            return errorText(e);
        if (const int e = avformat_find_stream_info(_format, nullptr); e < 0)
            return errorText(e);
        const AVCodec* codec = nullptr;
        _stream = av_find_best_stream(_format, AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
        if (_stream < 0 || !codec)
            return "it has no sound track";
        _codec = avcodec_alloc_context3(codec);
        avcodec_parameters_to_context(_codec, _format->streams[_stream]->codecpar);
        // The windows are the parallelism; a decoder's own threads would only compete.
        _codec->thread_count = 1;
        if (const int e = avcodec_open2(_codec, codec, nullptr); e < 0)
            return errorText(e);
        AVChannelLayout mono = AV_CHANNEL_LAYOUT_MONO;
        if (swr_alloc_set_opts2(&_resampler, &mono, AV_SAMPLE_FMT_S16, kRate, &_codec->ch_layout,
                _codec->sample_fmt, _codec->sample_rate, 0, nullptr)
                < 0
            || swr_init(_resampler) < 0)
            return "its sound cannot be converted";
        _packet = av_packet_alloc();
        _frame = av_frame_alloc();
        _vad = std::make_unique<VoiceDetector>();
        return {};
    }

    ~Listener()
    {
        av_frame_free(&_frame);
        av_packet_free(&_packet);
        swr_free(&_resampler);
        avcodec_free_context(&_codec);
        avformat_close_input(&_format);
    }

    double duration() const
    {
        if (_format->duration != AV_NOPTS_VALUE)
            return static_cast<double>(_format->duration) / AV_TIME_BASE;
        const AVStream* s = _format->streams[_stream];
        return s->duration != AV_NOPTS_VALUE
            ? static_cast<double>(s->duration) * av_q2d(s->time_base)
            : 0;
    }

    // Marks every 10 ms of [from, to) in `frames` (indexed from the film's start); seconds heard
    // are added to `done` as they go. False when `cancel` was set.
    bool hear(const Window& w, std::vector<std::int8_t>& frames, std::atomic<double>& done,
        const std::atomic<bool>& cancel)
    {
        const AVStream* s = _format->streams[_stream];
        const double origin = _format->start_time != AV_NOPTS_VALUE
            ? static_cast<double>(_format->start_time) / AV_TIME_BASE
            : 0;
        const auto target = static_cast<std::int64_t>((w.from + origin) / av_q2d(s->time_base));
        av_seek_frame(_format, _stream, target, AVSEEK_FLAG_BACKWARD);
        avcodec_flush_buffers(_codec);
        swr_init(_resampler);
        _pcm.clear();
        double reported = w.from;
        while (av_read_frame(_format, _packet) >= 0) {
            const bool ours = _packet->stream_index == _stream;
            if (ours)
                avcodec_send_packet(_codec, _packet);
            av_packet_unref(_packet);
            if (!ours)
                continue;
            while (avcodec_receive_frame(_codec, _frame) == 0) {
                const std::int64_t pts = _frame->best_effort_timestamp;
                const double at = pts == AV_NOPTS_VALUE
                    ? _next
                    : static_cast<double>(pts) * av_q2d(s->time_base) - origin;
                convert(at);
                if (!detect(w, frames))
                    return true;
            }
            if (cancel.load())
                return false;
            if (_next - reported >= 1.0) {
                done.fetch_add(_next - reported);
                reported = _next;
            }
        }
        return true;
    }

private:
    // Appends the frame's samples, mono at kRate; `at` is when the frame starts.
    void convert(double at)
    {
        // A gap or a seek: what is pending no longer runs on into this frame.
        if (_pcm.empty() || std::abs(at - _next) > 0.2) {
            _pcm.clear();
            _pcmStart = at;
        }
        const int room = swr_get_out_samples(_resampler, _frame->nb_samples);
        const std::size_t old = _pcm.size();
        _pcm.resize(old + static_cast<std::size_t>(std::max(room, 0)));
        auto* out = reinterpret_cast<std::uint8_t*>(_pcm.data() + old);
        const int got = swr_convert(_resampler, &out, room,
            const_cast<const std::uint8_t**>(_frame->extended_data), _frame->nb_samples);
        _pcm.resize(old + static_cast<std::size_t>(std::max(got, 0)));
        _next = at + static_cast<double>(_frame->nb_samples) / _frame->sample_rate;
    }

    // Runs the detector over whole 10 ms frames pending; false once past the window's end.
    bool detect(const Window& w, std::vector<std::int8_t>& frames)
    {
        std::size_t used = 0;
        for (; used + kFrameSamples <= _pcm.size(); used += kFrameSamples) {
            const double t = _pcmStart + static_cast<double>(used) / kRate;
            if (t >= w.to)
                return false;
            if (t < w.from)
                continue;
            const std::int8_t heard = _vad->hear(_pcm.data() + used);
            const auto i = static_cast<std::size_t>(std::lround(t / kFrameSeconds));
            if (i < frames.size())
                frames[i] = heard;
        }
        _pcm.erase(_pcm.begin(), _pcm.begin() + static_cast<std::ptrdiff_t>(used));
        _pcmStart += static_cast<double>(used) / kRate;
        return true;
    }

    AVFormatContext* _format = nullptr;
    AVCodecContext* _codec = nullptr;
    SwrContext* _resampler = nullptr;
    AVPacket* _packet = nullptr;
    AVFrame* _frame = nullptr;
    int _stream = -1;
    std::unique_ptr<VoiceDetector> _vad;
    std::vector<std::int16_t> _pcm;
    double _pcmStart = 0;
    double _next = 0;
};

std::vector<Window> windowsFor(double duration, const ListenOptions& o, unsigned threads)
{
    std::vector<Window> out;
    if (duration <= o.wholeUpTo) {
        // Whole, in as many consecutive pieces as there are workers.
        const double piece = duration / threads;
        for (unsigned i = 0; i < threads; ++i)
            out.push_back({ i * piece, i + 1 == threads ? duration + 1 : (i + 1) * piece });
        return out;
    }
    const double heard = std::max(o.wholeUpTo, duration / 5);
    const auto count = static_cast<std::size_t>(std::ceil(heard / o.windowSeconds));
    for (std::size_t i = 0; i < count; ++i) {
        const double centre
            = (static_cast<double>(i) + 0.5) * duration / static_cast<double>(count);
        out.push_back(
            { std::max(0.0, centre - o.windowSeconds / 2), centre + o.windowSeconds / 2 });
    }
    return out;
}

} // namespace

SpeechTrack hearPcm(std::span<const std::int16_t> mono)
{
    SpeechTrack track;
    track.frameSeconds = kFrameSeconds;
    track.frames.reserve(mono.size() / kFrameSamples);
    VoiceDetector vad;
    for (std::size_t at = 0; at + kFrameSamples <= mono.size(); at += kFrameSamples)
        track.frames.push_back(vad.hear(mono.data() + at));
    return track;
}

Heard listenToFile(const std::string& path, const ListenOptions& options)
{
    Heard result;
    av_log_set_level(AV_LOG_QUIET);
    Listener first;
    if (std::string why = first.open(path); !why.empty()) {
        result.error = why;
        return result;
    }
    result.duration = first.duration();
    if (!(result.duration > 0)) {
        result.error = "its length is not known";
        return result;
    }
    const unsigned threads
        = options.threads ? options.threads : std::max(1u, std::thread::hardware_concurrency());
    const std::vector<Window> windows = windowsFor(result.duration, options, threads);
    result.track.frameSeconds = kFrameSeconds;
    result.track.frames.assign(
        static_cast<std::size_t>(std::ceil(result.duration / kFrameSeconds)) + 1, 0);
    double total = 0;
    for (const Window& w : windows)
        total += std::min(w.to, result.duration) - w.from;

    // Workers write disjoint windows of the track; the joins publish them.
    std::atomic<std::size_t> nextWindow{ 0 };
    std::atomic<double> done{ 0 };
    std::atomic<bool> cancel{ false };
    const auto work = [&](Listener& listener) {
        for (std::size_t i = nextWindow++; i < windows.size() && !cancel.load(); i = nextWindow++) {
            if (!listener.hear(windows[i], result.track.frames, done, cancel))
                return;
        }
    };
    std::vector<std::thread> workers;
    std::vector<std::unique_ptr<Listener>> listeners;
    for (unsigned t = 1; t < std::min<std::size_t>(threads, windows.size()); ++t) {
        listeners.push_back(std::make_unique<Listener>());
        if (!listeners.back()->open(path).empty())
            break;
        workers.emplace_back(work, std::ref(*listeners.back()));
    }
    std::thread reporter;
    std::atomic<bool> finished{ false };
    if (options.progress) {
        reporter = std::thread([&] {
            while (!finished.load()) {
                if (!options.progress(std::min(done.load() / total, 1.0)))
                    cancel.store(true);
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            }
        });
    }
    work(first);
    for (std::thread& w : workers)
        w.join();
    finished.store(true);
    if (reporter.joinable())
        reporter.join();
    result.cancelled = cancel.load();
    return result;
}

std::optional<double> frameRateOf(const std::string& path)
{
    av_log_set_level(AV_LOG_QUIET);
    AVFormatContext* format = nullptr;
    if (avformat_open_input(&format, path.c_str(), nullptr, nullptr) < 0)
        return std::nullopt;
    std::optional<double> fps;
    if (avformat_find_stream_info(format, nullptr) >= 0) {
        const int v = av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
        // A cover picture is a video stream too, with no rate worth the name.
        if (v >= 0 && !(format->streams[v]->disposition & AV_DISPOSITION_ATTACHED_PIC)) {
            const AVRational r = av_guess_frame_rate(format, format->streams[v], nullptr);
            if (r.num > 0 && r.den > 0)
                fps = av_q2d(r);
        }
    }
    avformat_close_input(&format);
    return fps;
}

} // namespace media
