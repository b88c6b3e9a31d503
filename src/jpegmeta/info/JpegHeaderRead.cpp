#include "jpegmeta/info/JpegHeaderRead.h"

#include "jpegmeta/segments/HeaderCollector.h"
#include "jpegmeta/segments/JpegErrorTrap.h"
#include "jpegmeta/segments/SegmentCopyPolicy.h"

#include <QFile>
#include <QFileInfo>

namespace vistello {

namespace {

// Kept free of C++ objects: the library may jump back into these.
bool createDecompressor(jpeg_decompress_struct* cinfo, JpegErrorTrap* trap)
{
    cinfo->err = trap->install();
    if (setjmp(trap->jump))
        return false;
    jpeg_create_decompress(cinfo);
    return true;
}

bool readHeader(jpeg_decompress_struct* cinfo, JpegErrorTrap* trap, std::FILE* file)
{
    if (setjmp(trap->jump))
        return false;
    jpeg_stdio_src(cinfo, file);
    saveAllHeaderMarkers(*cinfo);
    jpeg_read_header(cinfo, TRUE);
    return true;
}

} // namespace

JpegHeaderRead readJpegHeader(const QString& path)
{
    JpegHeaderRead result;
    // Regular files only: a FIFO named x.jpg must not block.
    if (!QFileInfo(path).isFile())
        return result;
    std::FILE* file = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (!file)
        return result;
    jpeg_decompress_struct cinfo{};
    JpegErrorTrap trap;
    if (createDecompressor(&cinfo, &trap)) {
        result.ok = readHeader(&cinfo, &trap, file);
        if (result.ok) {
            result.width = cinfo.image_width;
            result.height = cinfo.image_height;
            result.header = collectHeaderData(savedMarkers(cinfo), CollectFromMarkers{true, true, true});
        } else {
            result.error = QString::fromLocal8Bit(trap.message);
        }
        jpeg_destroy_decompress(&cinfo);
    }
    std::fclose(file);
    return result;
}

} // namespace vistello
