// Fuzzes the JPEG header readers: the walk over the header run, the segment
// list, both collectors, the thumbnail search, comment decoding and the
// checks made before a header run is rewritten.
#include "jpegmeta/segments/CommentSegment.h"
#include "jpegmeta/extras/EmbeddedThumbnail.h"
#include "jpegmeta/segments/HeaderCollector.h"
#include "jpegmeta/segments/HeaderWalk.h"
#include "jpegmeta/segments/IccProfile.h"
#include "jpegmeta/segments/JpegFile.h"
#include "jpegmeta/segments/RewritableHeader.h"
#include "jpegmeta/segments/SavedMarkerReader.h"

#include <QBuffer>
#include <cstddef>
#include <cstdint>

using namespace vistello;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    MemoryByteSource source(bytes);

    JpegFile file;
    file.read(source, true);
    for (const JpegSegment& s : file.segments())
        if (s.marker == 0xFE)
            (void)readCommentSegment(s.payload);

    const HeaderData header = collectHeaderData(source, CollectFromFile{true, true, true, true});
    (void)readCommentSegment(header.comment);
    (void)collectHeaderData(source, CollectFromFile{});
    (void)findEmbeddedThumbnail(source);
    (void)isWholeSegmentRun(bytes);

    const RewritableHeader rewritable = checkRewritableHeader(source);
    if (rewritable.ok()) {
        QByteArray out;
        QBuffer buffer(&out);
        buffer.open(QIODevice::WriteOnly);
        copyRange(source, rewritable.headerEnd, rewritable.fileSize, buffer);
    }

    if (const std::optional<SavedMarkerList> markers = SavedMarkerList::read(bytes)) {
        const std::vector<SavedMarkerView> views = markers->views();
        (void)collectHeaderData(views, CollectFromMarkers{true, true, true});
        (void)assembleIccProfile(views);
    }
    return 0;
}
