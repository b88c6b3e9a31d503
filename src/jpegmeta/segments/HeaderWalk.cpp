#include "jpegmeta/segments/HeaderWalk.h"

#include "jpegmeta/segments/JpegMarkers.h"

namespace vistello {

namespace {

// A marker may be preceded by any number of 0xFF fill bytes; the segment
// starts at the last of them. Returns p unchanged when there are none.
template <typename Read>
int64_t skipFillBytes(int64_t p, int64_t size, Read read)
{
    const QByteArray pair = read(p, 2);
    if (pair.size() < 2 || uint8_t(pair[0]) != 0xFF || uint8_t(pair[1]) != 0xFF)
        return p;
    constexpr int64_t kChunk = 4096;
    int64_t q = p + 1;
    while (q < size) {
        const QByteArray chunk = read(q, kChunk);
        if (chunk.isEmpty())
            break;
        for (qsizetype i = 0; i < chunk.size(); ++i)
            if (uint8_t(chunk[i]) != 0xFF)
                return q + i - 1;
        q += chunk.size();
    }
    return size - 1; // fill up to the end of the file
}

// Walks from p over header segments; the shared core of the file walk and the
// check of saved picture data.
template <typename Read>
HeaderWalkResult walkFrom(int64_t p, int64_t size, Read read, const std::function<bool(const JpegSegment&)>& visit)
{
    HeaderWalkResult result;
    while (p < size) {
        // Fill bytes in front of the segment that ends the run belong to the remainder.
        const int64_t fillStart = p;
        p = skipFillBytes(p, size, read);
        const QByteArray head = read(p, 4);
        const auto* h = reinterpret_cast<const uint8_t*>(head.constData());
        if (head.isEmpty() || h[0] != 0xFF || (head.size() >= 2 && !jpeg::isHeaderMarker(h[1]))) {
            result.headerEnd = fillStart;
            return result;
        }
        if (head.size() < 4)
            return result; // a segment head cut off by the end of the file
        JpegSegment segment;
        segment.marker = h[1];
        segment.length = uint16_t((h[2] << 8) | h[3]);
        segment.offset = p;
        ++result.segmentCount;
        if (!segment.lengthValid())
            result.lengthsValid = false;
        if (visit && !visit(segment))
            return result;
        p = segment.end();
    }
    return result;
}

} // namespace

HeaderWalkResult walkHeaderRun(ByteSource& source, const std::function<bool(const JpegSegment&)>& visit)
{
    return walkFrom(2, source.size(), [&](int64_t at, int64_t n) { return source.read(at, n); }, visit);
}

std::optional<int64_t> findHeaderEnd(ByteSource& source)
{
    return walkHeaderRun(source).headerEnd;
}

std::optional<int64_t> findHeaderEnd(const QString& path)
{
    FileByteSource source(path);
    return source.isOpen() ? findHeaderEnd(source) : std::nullopt;
}

bool isWholeSegmentRun(const QByteArray& bytes)
{
    MemoryByteSource source(bytes);
    bool lengthsValid = true;
    int64_t end = 0;
    const HeaderWalkResult result = walkFrom(0, source.size(), [&](int64_t at, int64_t n) { return source.read(at, n); },
                                             [&](const JpegSegment& s) {
                                                 lengthsValid = lengthsValid && s.lengthValid();
                                                 end = s.end();
                                                 return true;
                                             });
    // The run must end exactly at the last byte, not before another marker nor beyond the end.
    return lengthsValid && !result.headerEnd && end == source.size();
}

} // namespace vistello
