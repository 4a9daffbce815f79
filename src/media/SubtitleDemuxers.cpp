// SAMI, SubViewer and MPL2 read by FFmpeg's subtitle demuxers and decoders, from the text Automatic
// has already decoded, so its choice of encoding holds for them too.
// Demuxes and decodes from memory through an AVIOContext; the decoders' output is ASS events,
// whose text becomes the panel's markup as an ASS file's does.
#include "media/Module.h"

#include "subtitles/TextFormats.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

struct Memory {
    std::string_view bytes;
    std::size_t at = 0;
};

int readMemory(void* opaque, std::uint8_t* buffer, int size)
{
    auto& m = *static_cast<Memory*>(opaque);
    const std::size_t n = std::min(static_cast<std::size_t>(size), m.bytes.size() - m.at);
    if (n == 0)
        return AVERROR_EOF;
    std::memcpy(buffer, m.bytes.data() + m.at, n);
    m.at += n;
    return static_cast<int>(n);
}

const char* demuxerOf(SubtitleFormat format)
{
    switch (format) {
    case SubtitleFormat::sami:
        return "sami";
    case SubtitleFormat::subviewer:
        return "subviewer";
    case SubtitleFormat::mpl2:
        return "mpl2";
    default:
        return nullptr;
    }
}

// "ReadOrder,Layer,Style,Name,MarginL,MarginR,MarginV,Effect,Text": the text after 8 commas.
std::string_view dialogueText(std::string_view event)
{
    for (int i = 0; i < 8; ++i) {
        const std::size_t comma = event.find(',');
        if (comma == std::string_view::npos)
            return {};
        event.remove_prefix(comma + 1);
    }
    return event;
}

struct Input {
    Memory memory;
    AVIOContext* io = nullptr;
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVPacket* packet = nullptr;

    ~Input()
    {
        av_packet_free(&packet);
        avcodec_free_context(&codec);
        avformat_close_input(&format);
        if (io)
            av_freep(&io->buffer);
        avio_context_free(&io);
    }

    bool open(std::string_view utf8, const char* demuxer)
    {
        memory.bytes = utf8;
        constexpr int kBufferBytes = 64 << 10;
        auto* buffer = static_cast<std::uint8_t*>(av_malloc(kBufferBytes));
        if (!buffer)
            return false;
        io = avio_alloc_context(buffer, kBufferBytes, 0, &memory, readMemory, nullptr, nullptr);
        format = avformat_alloc_context();
        packet = av_packet_alloc();
        if (!io || !format || !packet) {
            if (!io)
                av_free(buffer);
            return false;
        }
        format->pb = io;
        format->flags |= AVFMT_FLAG_CUSTOM_IO;
        // On failure avformat_open_input frees the context itself.
        if (avformat_open_input(&format, nullptr, av_find_input_format(demuxer), nullptr) < 0
            || format->nb_streams < 1)
            return false;
        const AVCodecParameters* par = format->streams[0]->codecpar;
        const AVCodec* decoder = avcodec_find_decoder(par->codec_id);
        codec = decoder ? avcodec_alloc_context3(decoder) : nullptr;
        if (!codec || avcodec_parameters_to_context(codec, par) < 0)
            return false;
        codec->pkt_timebase = format->streams[0]->time_base;
        return avcodec_open2(codec, decoder, nullptr) >= 0;
    }
};

class FfmpegFormatReader final : public FormatReader {
public:
    bool read(std::string_view utf8, SubtitleFormat format, SrtMessageList& out) const override
    {
        const char* demuxer = demuxerOf(format);
        Input in;
        if (!demuxer || !in.open(utf8, demuxer))
            return false;
        const AVRational tb = in.format->streams[0]->time_base;
        std::int32_t number = 0;
        while (av_read_frame(in.format, in.packet) >= 0) {
            AVSubtitle sub{};
            int got = 0;
            if (in.packet->pts != AV_NOPTS_VALUE
                && avcodec_decode_subtitle2(in.codec, &sub, &got, in.packet) >= 0 && got) {
                std::string text;
                for (unsigned i = 0; i < sub.num_rects; ++i) {
                    const char* ass = sub.rects[i]->ass;
                    const auto shown = ass ? textformats::assText(dialogueText(ass)) : std::nullopt;
                    if (!shown)
                        continue;
                    text += text.empty() ? "" : "\n";
                    text += *shown;
                }
                if (!text.empty()) {
                    auto e = std::make_shared<SrtMessage>();
                    e->setNumberData(++number);
                    e->setStartTimeData(textformats::secondsOf(in.packet->pts, tb.num, tb.den));
                    e->setEndTimeData(textformats::secondsOf(
                        in.packet->pts + std::max<std::int64_t>(in.packet->duration, 0), tb.num,
                        tb.den));
                    e->setMessage(std::move(text));
                    out.push_back(std::move(e));
                }
                avsubtitle_free(&sub);
            }
            av_packet_unref(in.packet);
        }
        return true;
    }
};

} // namespace

const FormatReader& media::subtitleDemuxers()
{
    static const FfmpegFormatReader reader;
    return reader;
}
