#include "jpegmeta/segments/ScanComment.h"

#include "jpegmeta/segments/JpegMarkers.h"

namespace vistello {

namespace {

constexpr uint8_t kSos = 0xDA;
// Tables and frame headers of a real picture number a few dozen; a hostile
// file is not walked further.
constexpr int kMaxSegments = 4096;
constexpr int kMaxFillBytes = 64;

// Markers without a length field: they end the walk, as the scan does.
bool standsAlone(uint8_t marker)
{
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD9);
}

} // namespace

std::optional<JpegSegment> findCommentBeforeScan(ByteSource& source, int64_t headerEnd)
{
    int64_t p = headerEnd;
    for (int n = 0; n < kMaxSegments; ++n) {
        QByteArray head = source.read(p, 4);
        int fill = 0;
        while (head.size() == 4 && uint8_t(head[0]) == 0xFF && uint8_t(head[1]) == 0xFF && fill++ < kMaxFillBytes)
            head = source.read(++p, 4);
        if (head.size() < 4 || uint8_t(head[0]) != 0xFF)
            return std::nullopt;
        const uint8_t marker = uint8_t(head[1]);
        if (marker == kSos || marker == 0xFF || standsAlone(marker))
            return std::nullopt;
        JpegSegment segment;
        segment.marker = marker;
        segment.length = uint16_t((uint8_t(head[2]) << 8) | uint8_t(head[3]));
        segment.offset = p;
        if (!segment.lengthValid() || segment.end() > source.size())
            return std::nullopt;
        if (marker == jpeg::kCom)
            return segment;
        p = segment.end();
    }
    return std::nullopt;
}

} // namespace vistello
