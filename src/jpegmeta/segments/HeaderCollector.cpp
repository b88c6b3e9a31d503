#include "jpegmeta/segments/HeaderCollector.h"

#include "jpegmeta/segments/HeaderWalk.h"
#include "jpegmeta/segments/JpegMarkers.h"
#include "jpegmeta/segments/ScanComment.h"

namespace vistello {

namespace {

constexpr int64_t kFileExifBase = 10;    // buffer starts at the segment's 0xFF byte
constexpr int64_t kPayloadExifBase = 6;  // buffer starts at the payload

const uint8_t* bytesOf(const QByteArray& a) { return reinterpret_cast<const uint8_t*>(a.constData()); }

// The EXIF block is the first APP1 that carries the "Exif" signature; an
// earlier APP1 of another kind (an XMP packet) is kept only while no EXIF
// block turns up.
struct ExifChoice {
    bool haveAny = false;
    bool haveSigned = false;

    bool wantsMore() const { return !haveSigned; }
    // True when this APP1 replaces the one kept so far.
    bool take(bool isExif)
    {
        if (haveSigned || (haveAny && !isExif))
            return false;
        haveAny = true;
        haveSigned = isExif;
        return true;
    }
};

// Press software splits a long Photoshop block over consecutive APP13
// segments, each with the signature; their data is one block.
const QByteArray kPhotoshopSignature("Photoshop 3.0", 14);

bool continuesPhotoshopBlock(const QByteArray& kept, const QByteArray& next)
{
    return kept.startsWith(kPhotoshopSignature) && next.startsWith(kPhotoshopSignature);
}

} // namespace

HeaderData collectHeaderData(const QString& path, const CollectFromFile& want)
{
    FileByteSource source(path);
    return source.isOpen() ? collectHeaderData(source, want) : HeaderData();
}

HeaderData collectHeaderData(ByteSource& source, const CollectFromFile& want)
{
    HeaderData data;
    ExifChoice exif;
    bool haveApp12 = false;
    bool haveComment = false;
    bool iptcOpen = false; // the last segment was an APP13 that was kept
    const int64_t size = source.size();
    const HeaderWalkResult walk = walkHeaderRun(source, [&](const JpegSegment& s) {
        const bool continuesIptc = iptcOpen;
        iptcOpen = false;
        const int64_t payloadLength = int64_t(s.length) - 2;
        const bool wholeInFile = s.offset + 2 + int64_t(s.length) <= size;
        if (s.marker == jpeg::kApp1 && exif.wantsMore() && wholeInFile && s.length >= 8) {
            const QByteArray segment = source.read(s.offset, int64_t(s.length) + 2);
            const bool isExif = segment.size() > 4 && jpeg::isExif(s.marker, bytesOf(segment) + 4, segment.size() - 4);
            if (exif.take(isExif)) {
                data.exifBytes = segment;
                data.exifBase = kFileExifBase;
            }
            return want.any() || exif.wantsMore();
        }
        if (s.marker == jpeg::kApp12 && want.wantApp12 && !haveApp12) {
            if (s.length >= 3) {
                data.app12 = source.read(s.offset + 4, payloadLength);
                haveApp12 = true;
            }
        } else if (s.marker == jpeg::kCom && want.wantComment && !haveComment) {
            if (s.length >= 3) {
                data.comment = source.read(s.offset + 4, payloadLength);
                haveComment = true;
            }
        } else if (s.marker == jpeg::kApp13 && want.wantIptc && !data.iptcSeen) {
            data.iptcSeen = true;
            if (s.length >= 3) {
                data.iptc = source.read(s.offset + 4, payloadLength);
                iptcOpen = true;
            }
        } else if (s.marker == jpeg::kApp13 && want.wantIptc && continuesIptc && s.length >= 3) {
            const QByteArray next = source.read(s.offset + 4, payloadLength);
            if (continuesPhotoshopBlock(data.iptc, next)) {
                data.iptc += next.mid(kPhotoshopSignature.size());
                iptcOpen = true;
            }
        } else if (s.marker == jpeg::kApp2 && want.wantAudio && !data.hasAudio && wholeInFile && s.length >= 8) {
            const QByteArray segment = source.read(s.offset, int64_t(s.length) + 2);
            data.hasAudio = jpeg::containsAudioStream(bytesOf(segment), segment.size());
        }
        return true;
    });
    if (want.wantComment && !haveComment && walk.headerEnd) {
        const std::optional<JpegSegment> com = findCommentBeforeScan(source, *walk.headerEnd);
        if (com && com->length >= 3)
            data.comment = source.read(com->offset + 4, int64_t(com->length) - 2);
    }
    return data;
}

HeaderData collectHeaderData(std::span<const SavedMarkerView> markers, const CollectFromMarkers& want)
{
    HeaderData data;
    ExifChoice exif;
    bool haveComment = false;
    const bool wantMore = want.wantAudio || want.wantIptc || want.wantIcc;
    for (const SavedMarkerView& m : markers) {
        if (m.marker == jpeg::kApp1 && exif.wantsMore() && m.data && m.dataLength > 0) {
            if (exif.take(jpeg::isExif(m.marker, m.data, m.dataLength))) {
                data.exifBytes = QByteArray(reinterpret_cast<const char*>(m.data), qsizetype(m.dataLength));
                data.exifBase = kPayloadExifBase;
            }
            if (!wantMore && !exif.wantsMore())
                break;
        } else if (m.marker == jpeg::kApp13 && want.wantIptc && !data.iptcSeen) {
            data.iptcSeen = true;
            data.iptc = QByteArray(reinterpret_cast<const char*>(m.data), qsizetype(m.dataLength));
        } else if (m.marker == jpeg::kApp2) {
            if (want.wantIcc && !data.hasIcc)
                data.hasIcc = jpeg::isIccChunk(m.marker, m.data, m.dataLength);
            if (want.wantAudio && !data.hasAudio)
                data.hasAudio = jpeg::containsAudioStream(m.data, m.dataLength);
        } else if (m.marker == jpeg::kCom && !haveComment) {
            data.comment = QByteArray(reinterpret_cast<const char*>(m.data), qsizetype(m.dataLength));
            haveComment = true;
        }
    }
    return data;
}

} // namespace vistello
