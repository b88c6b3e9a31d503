#include "jpegedit/transform/ThumbnailUpdate.h"

#include "jpegmeta/exif/ExifTypes.h"
#include "jpegmeta/exif/ThumbnailLocator.h"
#include "jpegmeta/exif/TiffBlock.h"
#include "jpegmeta/segments/JpegMarkers.h"

#include <algorithm>
#include <cstring>

namespace vistello {

namespace {

constexpr int64_t kJfxxPrefix = 6; // "JFXX", 0, 0x10
constexpr int64_t kTiffBase = 6;

const uint8_t* bytesOf(const QByteArray& a) { return reinterpret_cast<const uint8_t*>(a.constData()); }

// A thumbnail stream with an EOI behind its last non-zero byte when it has none.
QByteArray completedStream(const uint8_t* p, int64_t n)
{
    QByteArray s(reinterpret_cast<const char*>(p), qsizetype(n));
    int64_t last = n - 1;
    while (last >= 0 && s[qsizetype(last)] == 0)
        --last;
    if (last < 1 || uint8_t(s[qsizetype(last - 1)]) != 0xFF || uint8_t(s[qsizetype(last)]) != jpeg::kEoi) {
        s.truncate(qsizetype(last + 1));
        s.append(char(0xFF));
        s.append(char(jpeg::kEoi));
    }
    return s;
}

// The transformed stream in a buffer twice the old length; empty on failure.
QByteArray transformedStream(const QByteArray& stream, int64_t oldLength, const MainPictureInfo& main,
                             const TransformRequest& request)
{
    QByteArray out(qsizetype(2 * oldLength), '\0');
    size_t written = 0;
    if (!transformJpegInMemory(main, bytesOf(stream), size_t(stream.size()), reinterpret_cast<uint8_t*>(out.data()),
                               size_t(out.size()), request, &written))
        return {};
    out.truncate(qsizetype(written));
    return out;
}

bool isJpegStart(const uint8_t* p)
{
    return p[0] == 0xFF && p[1] == jpeg::kSoi && p[2] == 0xFF && (p[3] == 0xDB || p[3] == 0xE0);
}

} // namespace

bool updateJfxxThumbnail(SavedMarker& segment, const MainPictureInfo& main, const TransformRequest& request)
{
    const int64_t size = segment.data.size();
    if (!jpeg::isJfxxThumbnail(segment.marker, bytesOf(segment.data), size) || size < 8)
        return false;
    const int64_t length = size - kJfxxPrefix;
    const QByteArray stream = completedStream(bytesOf(segment.data) + kJfxxPrefix, length);
    const QByteArray fresh = transformedStream(stream, length, main, request);
    if (fresh.isEmpty() || kJfxxPrefix + fresh.size() > jpeg::kMaxPayload)
        return false;
    segment.data = segment.data.left(qsizetype(kJfxxPrefix)) + fresh;
    segment.originalLength = uint32_t(segment.data.size());
    return true;
}

bool updateExifThumbnail(SavedMarker& segment, const MainPictureInfo& main, const TransformRequest& request)
{
    const int64_t size = segment.data.size();
    if (!jpeg::isExif(segment.marker, bytesOf(segment.data), size))
        return false;
    const TiffBlock block(segment.data, kTiffBase);
    const ThumbnailLocation location = locateThumbnail(block);
    if (!location.valid())
        return false;
    const int64_t offset = location.offset;
    const int64_t length = location.length;
    const int64_t lengthField = location.lengthFieldPosition;
    if (offset <= 0 || length <= 0 || offset + length > size || lengthField < kTiffBase + 8 || lengthField + 4 > size)
        return false;
    const QByteArray stream = completedStream(bytesOf(segment.data) + offset, length);
    const QByteArray fresh = transformedStream(stream, length, main, request);
    if (fresh.isEmpty())
        return false;

    QByteArray updated;
    if (offset + fresh.size() > size) {
        if (offset + fresh.size() > jpeg::kMaxPayload)
            return false; // does not fit into one segment
        updated = segment.data.left(qsizetype(offset)) + fresh;
    } else {
        updated = segment.data;
        std::memcpy(updated.data() + offset, fresh.constData(), size_t(fresh.size()));
    }
    // The 0x0202 entry's value field, in the block's byte order and with its own type.
    const uint16_t type = block.u16(lengthField - kTiffBase - 8 + 2);
    const auto n = uint32_t(fresh.size());
    uint8_t* field = reinterpret_cast<uint8_t*>(updated.data()) + lengthField;
    const bool little = block.littleEndian();
    if (type == exiftype::Short) {
        const uint8_t v[4] = {uint8_t(little ? n : n >> 8), uint8_t(little ? n >> 8 : n), 0, 0};
        std::memcpy(field, v, 4);
    } else {
        const uint8_t v[4] = {uint8_t(little ? n : n >> 24), uint8_t(little ? n >> 8 : n >> 16),
                              uint8_t(little ? n >> 16 : n >> 8), uint8_t(little ? n >> 24 : n)};
        std::memcpy(field, v, 4);
    }
    segment.data = updated;
    segment.originalLength = uint32_t(updated.size());
    return true;
}

bool updateThumbnailInside(SavedMarker& segment, const MainPictureInfo& main, const TransformRequest& request)
{
    const int64_t d = segment.data.size();
    const uint8_t* p = bytesOf(segment.data);
    // The last embedded JPEG start in the segment.
    int64_t s = -1;
    for (int64_t i = d - 4; i >= 1; --i)
        if (isJpegStart(p + i)) {
            s = i;
            break;
        }
    if (s < 0)
        return false;
    int64_t f = 0;
    for (int64_t e = s; e < d - 1; ++e)
        if (p[e] == 0xFF && p[e + 1] == jpeg::kEoi) {
            f = e - s + 2;
            break;
        }
    if (f <= 0 || s + f > d)
        return false;
    int64_t t = 0;
    for (int64_t j = d - 2; j >= 3 && j >= s + f - 2; --j)
        if (p[j] == 0xFF && p[j + 1] == jpeg::kEoi) {
            t = j + 2;
            break;
        }
    if (t <= s)
        return false;
    const int64_t space = t - s;

    const QByteArray region = segment.data.mid(qsizetype(s), qsizetype(space));
    QByteArray cropped(qsizetype(space), '\0');
    QByteArray fitted = region; // leftover bytes behind the new stream stay the old ones
    const int limit = 16 * std::max(main.maxH, main.maxV);
    for (int k = 0; k <= limit; ++k) {
        size_t croppedLength = 0;
        if (!cropRightInMemory(k, bytesOf(region), size_t(space), reinterpret_cast<uint8_t*>(cropped.data()),
                               size_t(space), &croppedLength))
            continue;
        if (!transformJpegInMemory(main, bytesOf(cropped), croppedLength, reinterpret_cast<uint8_t*>(fitted.data()),
                                   size_t(space), request, nullptr)) {
            fitted = region;
            continue;
        }
        fitted[qsizetype(space - 2)] = char(0xFF);
        fitted[qsizetype(space - 1)] = char(jpeg::kEoi);
        segment.data.replace(qsizetype(s), qsizetype(space), fitted);
        return true;
    }
    return false;
}

void updateThumbnails(std::vector<SavedMarker>& segments, const MainPictureInfo& main, const TransformRequest& request)
{
    for (SavedMarker& segment : segments) {
        if (updateJfxxThumbnail(segment, main, request) || updateExifThumbnail(segment, main, request))
            continue;
        updateThumbnailInside(segment, main, request);
    }
}

} // namespace vistello
