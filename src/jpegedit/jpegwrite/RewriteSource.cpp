#include "jpegedit/jpegwrite/RewriteSource.h"

#include "jpegedit/exifupkeep/ExifFieldUpdate.h"
#include "jpegmeta/exif/PictureDate.h"
#include "jpegmeta/segments/JpegErrorTrap.h"
#include "jpegmeta/segments/JpegMarkers.h"
#include "jpegmeta/segments/SegmentCopyPolicy.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vistello {

namespace {

constexpr int kMaxComponents = 10;

// No object with a destructor may live in this frame while the library runs.
bool readHeader(jpeg_decompress_struct* cinfo, JpegErrorTrap* trap, std::FILE* file)
{
    cinfo->err = trap->install();
    if (setjmp(trap->jump))
        return false;
    jpeg_create_decompress(cinfo);
    jpeg_stdio_src(cinfo, file);
    saveAllHeaderMarkers(*cinfo);
    jpeg_read_header(cinfo, TRUE);
    return true;
}

void takeOver(const jpeg_decompress_struct& cinfo, RewriteSource& source)
{
    for (const SavedMarkerView& m : savedMarkers(cinfo))
        source.markers.push_back(SavedMarker{m.marker, m.originalLength,
                                             QByteArray(reinterpret_cast<const char*>(m.data), qsizetype(m.dataLength))});
    for (int c = 0; c < cinfo.num_components && c < kMaxComponents; ++c)
        source.sampling.push_back({cinfo.comp_info[c].h_samp_factor, cinfo.comp_info[c].v_samp_factor});
    source.dropIccChunks = reencodeDropsIccProfile(cinfo);
}

void updateExif(std::vector<SavedMarker>& markers, int width, int height, bool resetOrientation)
{
    ExifFieldChanges changes;
    changes.setSize = true;
    changes.width = width;
    changes.height = height;
    changes.resetOrientation = resetOrientation;
    for (SavedMarker& m : markers) {
        auto* data = reinterpret_cast<uint8_t*>(m.data.data());
        if (jpeg::isExif(m.marker, data, m.data.size()))
            updateExifFields(data, m.data.size(), changes);
    }
}

} // namespace

std::vector<SavedMarkerView> RewriteSource::views() const
{
    std::vector<SavedMarkerView> list;
    list.reserve(markers.size());
    for (const SavedMarker& m : markers)
        list.push_back(SavedMarkerView{m.marker, m.originalLength, reinterpret_cast<const uint8_t*>(m.data.constData()),
                                       uint32_t(m.data.size())});
    return list;
}

std::optional<RewriteSource> readRewriteSource(const QString& path, int newWidth, int newHeight, bool resetOrientation,
                                               QString* error)
{
    std::FILE* file = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (!file) {
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(errno));
        return std::nullopt;
    }
    jpeg_decompress_struct cinfo;
    std::memset(&cinfo, 0, sizeof cinfo);
    JpegErrorTrap trap;
    const bool ok = readHeader(&cinfo, &trap, file);
    std::optional<RewriteSource> source;
    if (ok) {
        source.emplace();
        takeOver(cinfo, *source);
    } else if (error) {
        *error = QString::fromLocal8Bit(trap.message);
    }
    jpeg_destroy_decompress(&cinfo);
    std::fclose(file);
    if (source) {
        updateExif(source->markers, newWidth, newHeight, resetOrientation);
        source->pictureDate = readPictureDate(path);
    }
    return source;
}

} // namespace vistello
