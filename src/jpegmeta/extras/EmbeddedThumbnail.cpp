#include "jpegmeta/extras/EmbeddedThumbnail.h"

#include "jpegmeta/exif/ThumbnailLocator.h"
#include "jpegmeta/segments/HeaderWalk.h"
#include "jpegmeta/segments/JpegMarkers.h"

#include <vector>

namespace vistello {

namespace {

constexpr int64_t kJfxxPrefix = 6; // "JFXX", 0, extension code
constexpr int64_t kExifBase = 10;
constexpr size_t kMaxSearchedSegments = 65536; // bounds the memory a hostile run of tiny segments can take

const uint8_t* bytesOf(const QByteArray& a) { return reinterpret_cast<const uint8_t*>(a.constData()); }

bool isJpegStart(const uint8_t* p)
{
    return p[0] == 0xFF && p[1] == 0xD8 && p[2] == 0xFF && (p[3] == 0xDB || p[3] == 0xE0);
}

} // namespace

QByteArray findJpegInPayload(const QByteArray& payload)
{
    const int64_t n = payload.size();
    const uint8_t* p = bytesOf(payload);
    // Backwards from the last place where four bytes still fit.
    int64_t start = -1;
    for (int64_t i = n - 4; i >= 1; --i) {
        if (isJpegStart(p + i)) {
            start = i;
            break;
        }
    }
    if (start < 0)
        return {};
    for (int64_t j = start; j + 1 < n; ++j)
        if (p[j] == 0xFF && p[j + 1] == jpeg::kEoi)
            return payload.mid(qsizetype(start), qsizetype(j + 2 - start));
    return {};
}

EmbeddedThumbnail findEmbeddedThumbnail(const QString& path)
{
    FileByteSource source(path);
    return source.isOpen() ? findEmbeddedThumbnail(source) : EmbeddedThumbnail();
}

EmbeddedThumbnail findEmbeddedThumbnail(ByteSource& source)
{
    EmbeddedThumbnail result;
    QByteArray jfxx;
    QByteArray exif;
    bool exifSigned = false;
    std::vector<JpegSegment> run;
    const int64_t size = source.size();
    walkHeaderRun(source, [&](const JpegSegment& s) {
        if (s.length >= 3 && run.size() < kMaxSearchedSegments)
            run.push_back(s);
        const bool wholeInFile = s.offset + 2 + int64_t(s.length) <= size;
        if (!wholeInFile)
            return true;
        if (s.marker == jpeg::kApp0 && jfxx.isEmpty() && s.length >= 9) {
            const QByteArray head = source.read(s.offset + 4, int64_t(jpeg::kJfxxThumbnailSignature.size()));
            if (jpeg::isJfxxThumbnail(s.marker, bytesOf(head), head.size()))
                jfxx = source.read(s.offset + 4 + kJfxxPrefix, int64_t(s.length) - 2 - kJfxxPrefix);
        } else if (s.marker == jpeg::kApp1 && !exifSigned && s.length >= 8 && int64_t(s.length) + 2 <= jpeg::kMaxLength) {
            const QByteArray segment = source.read(s.offset, int64_t(s.length) + 2);
            const bool isExif = segment.size() > 4 && jpeg::isExif(s.marker, bytesOf(segment) + 4, segment.size() - 4);
            if (isExif || exif.isEmpty()) {
                exif = segment;
                exifSigned = isExif;
            }
        } else if (s.marker == jpeg::kApp2 && !result.hasAudio && s.length >= 8) {
            const QByteArray segment = source.read(s.offset, int64_t(s.length) + 2);
            result.hasAudio = jpeg::containsAudioStream(bytesOf(segment), segment.size());
        }
        return true;
    });

    if (!jfxx.isEmpty()) {
        result.bytes = jfxx;
        return result;
    }
    if (!exif.isEmpty()) {
        const SimpleThumbnailLocation at = locateThumbnailSimple(TiffBlock(exif, kExifBase));
        if (at.compression == 6 && at.offset >= 1 && at.length >= 1 && at.offset <= exif.size() - at.length) {
            result.bytes = exif.mid(qsizetype(at.offset), qsizetype(at.length));
            if (!result.bytes.endsWith("\xFF\xD9"))
                result.bytes.append("\xFF\xD9", 2);
            return result;
        }
    }
    for (const JpegSegment& s : run) {
        const QByteArray found = findJpegInPayload(source.read(s.offset + 4, int64_t(s.length) - 2));
        if (!found.isEmpty()) {
            result.bytes = found;
            break;
        }
    }
    return result;
}

} // namespace vistello
