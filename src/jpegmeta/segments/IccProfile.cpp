#include "jpegmeta/segments/IccProfile.h"

#include "jpegmeta/segments/JpegMarkers.h"

#include <array>

namespace vistello {

std::optional<QByteArray> assembleIccProfile(std::span<const SavedMarkerView> markers)
{
    // Sequence numbers are one byte, so at most 255 chunks.
    std::array<const SavedMarkerView*, 256> chunks{};
    int count = 0;
    for (const SavedMarkerView& m : markers) {
        if (!jpeg::isIccChunk(m.marker, m.data, m.dataLength))
            continue;
        const int sequence = m.data[12];
        const int chunkCount = m.data[13];
        if (count == 0)
            count = chunkCount;
        if (chunkCount != count || sequence < 1 || sequence > count || chunks[size_t(sequence)])
            return std::nullopt;
        chunks[size_t(sequence)] = &m;
    }
    if (count == 0)
        return std::nullopt;
    int64_t total = 0;
    for (int i = 1; i <= count; ++i) {
        if (!chunks[size_t(i)])
            return std::nullopt;
        total += int64_t(chunks[size_t(i)]->dataLength) - jpeg::kIccHeaderSize;
    }
    if (total <= 0)
        return std::nullopt;
    QByteArray profile;
    profile.reserve(qsizetype(total));
    for (int i = 1; i <= count; ++i) {
        const SavedMarkerView& m = *chunks[size_t(i)];
        profile.append(reinterpret_cast<const char*>(m.data) + jpeg::kIccHeaderSize,
                       qsizetype(m.dataLength) - qsizetype(jpeg::kIccHeaderSize));
    }
    return profile;
}

} // namespace vistello
