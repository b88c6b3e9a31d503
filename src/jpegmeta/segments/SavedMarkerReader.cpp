#include "jpegmeta/segments/SavedMarkerReader.h"

#include "jpegmeta/segments/JpegErrorTrap.h"
#include "jpegmeta/segments/SegmentCopyPolicy.h"

#include <QFile>
#include <QFileInfo>

namespace vistello {

namespace {

// Kept free of C++ objects: the library may jump back into it.
bool readHeader(jpeg_decompress_struct* cinfo, JpegErrorTrap* trap)
{
    if (setjmp(trap->jump))
        return false;
    saveAllHeaderMarkers(*cinfo);
    jpeg_read_header(cinfo, TRUE);
    return true;
}

bool createDecompressor(jpeg_decompress_struct* cinfo, JpegErrorTrap* trap)
{
    cinfo->err = trap->install();
    if (setjmp(trap->jump))
        return false;
    jpeg_create_decompress(cinfo);
    return true;
}

void copyMarkers(const jpeg_decompress_struct& cinfo, std::vector<SavedMarker>& out)
{
    for (const SavedMarkerView& m : savedMarkers(cinfo))
        out.push_back(SavedMarker{m.marker, m.originalLength,
                                  QByteArray(reinterpret_cast<const char*>(m.data), qsizetype(m.dataLength))});
}

} // namespace

std::optional<SavedMarkerList> SavedMarkerList::read(const QByteArray& jpeg)
{
    if (jpeg.isEmpty())
        return std::nullopt;
    jpeg_decompress_struct cinfo{};
    JpegErrorTrap trap;
    if (!createDecompressor(&cinfo, &trap))
        return std::nullopt;
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(jpeg.constData()), static_cast<unsigned long>(jpeg.size()));
    const bool ok = readHeader(&cinfo, &trap);
    SavedMarkerList list;
    if (ok)
        copyMarkers(cinfo, list.markers_);
    jpeg_destroy_decompress(&cinfo);
    return ok ? std::optional<SavedMarkerList>(std::move(list)) : std::nullopt;
}

std::optional<SavedMarkerList> SavedMarkerList::read(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    std::FILE* file = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (!file)
        return std::nullopt;
    jpeg_decompress_struct cinfo{};
    JpegErrorTrap trap;
    if (!createDecompressor(&cinfo, &trap)) {
        std::fclose(file);
        return std::nullopt;
    }
    jpeg_stdio_src(&cinfo, file);
    const bool ok = readHeader(&cinfo, &trap);
    SavedMarkerList list;
    if (ok)
        copyMarkers(cinfo, list.markers_);
    jpeg_destroy_decompress(&cinfo);
    std::fclose(file);
    return ok ? std::optional<SavedMarkerList>(std::move(list)) : std::nullopt;
}

std::vector<SavedMarkerView> SavedMarkerList::views() const
{
    std::vector<SavedMarkerView> list;
    list.reserve(markers_.size());
    for (const SavedMarker& m : markers_)
        list.push_back(SavedMarkerView{m.marker, m.originalLength, reinterpret_cast<const uint8_t*>(m.data.constData()),
                                       uint32_t(m.data.size())});
    return list;
}

} // namespace vistello
