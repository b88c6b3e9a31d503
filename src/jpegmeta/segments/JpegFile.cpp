#include "jpegmeta/segments/JpegFile.h"

#include "jpegmeta/segments/HeaderWalk.h"

namespace vistello {

bool JpegFile::read(const QString& path, bool withPayloads)
{
    FileByteSource source(path);
    path_ = path;
    if (!source.isOpen()) {
        *this = JpegFile();
        path_ = path;
        return false;
    }
    const bool ok = read(source, withPayloads);
    path_ = path;
    return ok;
}

bool JpegFile::read(ByteSource& source, bool withPayloads)
{
    *this = JpegFile();
    fileSize_ = source.size();
    const HeaderWalkResult walk = walkHeaderRun(source, [&](const JpegSegment& segment) {
        if (segments_.size() >= kMaxListedSegments) {
            complete_ = false;
            return true;
        }
        segments_.push_back(segment);
        if (withPayloads && segment.length > 2)
            segments_.back().payload = source.read(segment.offset + 4, int64_t(segment.length) - 2);
        return true;
    });
    headerEnd_ = walk.headerEnd;
    lengthsValid_ = walk.lengthsValid;
    return true;
}

} // namespace vistello
