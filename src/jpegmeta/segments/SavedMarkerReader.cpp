#include "jpegmeta/segments/SavedMarkerReader.h"

#include "jpegmeta/segments/JpegErrorTrap.h"
#include "jpegmeta/segments/SegmentCopyPolicy.h"

#include <QFile>
#include <QFileInfo>

namespace vistello {

namespace {

// Creates the decompressor, sets the source (memory, or the file when given)
// and reads the header with every marker saved, all behind the armed trap.
// Kept free of C++ objects: the library may jump back into it.
bool readHeader(jpeg_decompress_struct* cinfo, JpegErrorTrap* trap, const QByteArray* bytes, std::FILE* file)
{
    cinfo->err = trap->install();
    if (setjmp(trap->jump))
        return false;
    jpeg_create_decompress(cinfo);
    if (file)
        jpeg_stdio_src(cinfo, file);
    else
        jpeg_mem_src(cinfo, reinterpret_cast<const unsigned char*>(bytes->constData()),
                     static_cast<unsigned long>(bytes->size()));
    saveAllHeaderMarkers(*cinfo);
    jpeg_read_header(cinfo, TRUE);
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
    const bool ok = readHeader(&cinfo, &trap, &jpeg, nullptr);
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
    const bool ok = readHeader(&cinfo, &trap, nullptr, file);
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
