#pragma once
// Reads video and sound files through FFmpeg's libraries: the facts of a clip
// (picture size, length) and its first video frame as packed RGB. Every read
// runs against a deadline and an optional stop flag, checked by FFmpeg's
// interrupt callback inside each blocking step, so a broken or hostile file
// ends the request in time instead of blocking the thread that asked.
#include "imaging/scale/PixelBuffer.h"

#include <QString>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>

namespace vistello {

struct ClipLimits {
    std::chrono::milliseconds deadline{5000};
    const std::atomic<bool>* stop = nullptr; // raised by the thread's owner; null for none
};

struct ClipFacts {
    bool hasVideo = false;
    int width = 0;
    int height = 0;
    int64_t durationMs = -1; // -1 when unknown
};

// The clip's facts; nothing when the file is not a media file FFmpeg reads.
std::optional<ClipFacts> readClipFacts(const QString& path, const ClipLimits& limits);

// The first decodable video frame; nothing (error says why) when there is
// none, the file is broken, the frame is too large, or the limits ran out.
std::optional<PixelBuffer> grabFirstFrame(const QString& path, const ClipLimits& limits, QString* error);

} // namespace vistello
