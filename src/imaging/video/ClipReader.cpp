#include "imaging/video/ClipReader.h"

#include "imaging/scale/BufferLimits.h"

#include <QFile>

#include <cstring>
#include <memory>
#include <new>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libswscale/swscale.h>
}

namespace vistello {
namespace {

// Packets read while looking for the first frame; a stream that yields no
// picture in this many is treated as broken.
constexpr int kMaxPackets = 4096;
constexpr int64_t kProbeBytes = 5'000'000;

struct Interrupt {
    std::chrono::steady_clock::time_point deadline;
    const std::atomic<bool>* stop = nullptr;
};

int interrupted(void* opaque)
{
    const auto* state = static_cast<const Interrupt*>(opaque);
    if (state->stop && state->stop->load(std::memory_order_relaxed))
        return 1;
    return std::chrono::steady_clock::now() >= state->deadline ? 1 : 0;
}

void quietLibraries()
{
    static const bool done = [] {
        av_log_set_level(AV_LOG_QUIET);
        return true;
    }();
    (void)done;
}

struct FormatCloser {
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
struct CodecCloser {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct PacketCloser {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct FrameCloser {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct ScalerCloser {
    void operator()(SwsContext* context) const { sws_freeContext(context); }
};
using FormatPtr = std::unique_ptr<AVFormatContext, FormatCloser>;

// The opened file with its stream information, or null.
FormatPtr openClip(const QString& path, Interrupt& interrupt)
{
    quietLibraries();
    AVFormatContext* context = avformat_alloc_context();
    if (!context)
        return nullptr;
    context->interrupt_callback.callback = interrupted;
    context->interrupt_callback.opaque = &interrupt;
    context->probesize = kProbeBytes;
    const QByteArray name = QFile::encodeName(path);
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0); // a playlist never reaches out
    const int opened = avformat_open_input(&context, name.constData(), nullptr, &options);
    av_dict_free(&options);
    if (opened < 0)
        return nullptr; // the context is freed on failure
    FormatPtr clip(context);
    if (avformat_find_stream_info(context, nullptr) < 0)
        return nullptr;
    return clip;
}

Interrupt interruptFor(const ClipLimits& limits)
{
    return {std::chrono::steady_clock::now() + limits.deadline, limits.stop};
}

// The frame as packed RGB of its own size.
std::optional<PixelBuffer> toRgb(const AVFrame& frame)
{
    const int width = frame.width, height = frame.height;
    if (!fitsBufferCap(width, height, packedRowBytes(width)))
        return std::nullopt;
    std::unique_ptr<SwsContext, ScalerCloser> scaler(
        sws_getContext(width, height, AVPixelFormat(frame.format), width, height, AV_PIX_FMT_RGB24,
                       SWS_BICUBIC, nullptr, nullptr, nullptr));
    if (!scaler)
        return std::nullopt;
    PixelBuffer buffer;
    buffer.data.reset(new (std::nothrow) uint8_t[size_t(width) * size_t(height) * 3]);
    if (!buffer.data)
        return std::nullopt;
    buffer.width = width;
    buffer.height = height;
    uint8_t* planes[4] = {buffer.data.get(), nullptr, nullptr, nullptr};
    int strides[4] = {width * 3, 0, 0, 0};
    if (sws_scale(scaler.get(), frame.data, frame.linesize, 0, height, planes, strides) != height)
        return std::nullopt;
    return buffer;
}

} // namespace

std::optional<ClipFacts> readClipFacts(const QString& path, const ClipLimits& limits)
{
    Interrupt interrupt = interruptFor(limits);
    FormatPtr clip = openClip(path, interrupt);
    if (!clip)
        return std::nullopt;
    ClipFacts facts;
    const int index = av_find_best_stream(clip.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (index >= 0) {
        const AVStream* stream = clip->streams[index];
        facts.hasVideo = true;
        facts.width = stream->codecpar->width;
        facts.height = stream->codecpar->height;
        if (stream->duration != AV_NOPTS_VALUE && stream->duration > 0)
            facts.durationMs = av_rescale_q(stream->duration, stream->time_base, AVRational{1, 1000});
    }
    if (facts.durationMs < 0 && clip->duration != AV_NOPTS_VALUE && clip->duration > 0)
        facts.durationMs = av_rescale(clip->duration, 1000, AV_TIME_BASE);
    return facts;
}

std::optional<PixelBuffer> grabFirstFrame(const QString& path, const ClipLimits& limits, QString* error)
{
    Interrupt interrupt = interruptFor(limits);
    FormatPtr clip = openClip(path, interrupt);
    if (!clip) {
        *error = QStringLiteral("The file is not a readable media file");
        return std::nullopt;
    }
    const AVCodec* codec = nullptr;
    const int index = av_find_best_stream(clip.get(), AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
    if (index < 0 || !codec) {
        *error = QStringLiteral("The file has no video the program can decode");
        return std::nullopt;
    }
    std::unique_ptr<AVCodecContext, CodecCloser> decoder(avcodec_alloc_context3(codec));
    if (!decoder || avcodec_parameters_to_context(decoder.get(), clip->streams[index]->codecpar) < 0)
        return std::nullopt;
    decoder->thread_count = 1; // one frame: threads would only cost start-up
    if (avcodec_open2(decoder.get(), codec, nullptr) < 0) {
        *error = QStringLiteral("The video decoder cannot be opened");
        return std::nullopt;
    }
    std::unique_ptr<AVPacket, PacketCloser> packet(av_packet_alloc());
    std::unique_ptr<AVFrame, FrameCloser> frame(av_frame_alloc());
    if (!packet || !frame)
        return std::nullopt;
    bool draining = false;
    for (int packets = 0; packets < kMaxPackets && !interrupted(&interrupt);) {
        if (!draining) {
            const int read = av_read_frame(clip.get(), packet.get());
            if (read < 0) {
                draining = true;
                avcodec_send_packet(decoder.get(), nullptr);
            } else {
                ++packets;
                const bool ours = packet->stream_index == index;
                const int sent = ours ? avcodec_send_packet(decoder.get(), packet.get()) : 0;
                av_packet_unref(packet.get());
                if (!ours || (sent < 0 && sent != AVERROR(EAGAIN)))
                    continue;
            }
        }
        const int received = avcodec_receive_frame(decoder.get(), frame.get());
        if (received == 0)
            return toRgb(*frame);
        if (received != AVERROR(EAGAIN))
            break; // end of stream or a decoding error
    }
    *error = interrupted(&interrupt) ? QStringLiteral("Reading the video took too long")
                                     : QStringLiteral("The video holds no decodable frame");
    return std::nullopt;
}

} // namespace vistello
