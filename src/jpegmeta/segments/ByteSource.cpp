#include "jpegmeta/segments/ByteSource.h"

#include <QFileInfo>
#include <algorithm>

namespace vistello {

QByteArray MemoryByteSource::read(int64_t offset, int64_t n)
{
    if (offset < 0 || n <= 0 || offset >= size())
        return {};
    return bytes_.mid(qsizetype(offset), qsizetype(std::min(n, size() - offset)));
}

FileByteSource::FileByteSource(const QString& path) : file_(path)
{
    // Only regular files: a FIFO or device named like a picture must not block.
    if (QFileInfo(path).isFile() && file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered) && !file_.isSequential())
        size_ = file_.size();
    else
        file_.close();
}

QByteArray FileByteSource::read(int64_t offset, int64_t n)
{
    if (!file_.isOpen() || offset < 0 || n <= 0 || offset >= size_)
        return {};
    n = std::min(n, size_ - offset);
    if (offset >= windowOffset_ && offset + n <= windowOffset_ + window_.size())
        return window_.mid(qsizetype(offset - windowOffset_), qsizetype(n));
    const int64_t want = std::min(std::max(n, kWindow), size_ - offset);
    if (!file_.seek(offset))
        return {};
    QByteArray bytes(qsizetype(want), Qt::Uninitialized);
    const qint64 got = file_.read(bytes.data(), want);
    bytes.resize(qsizetype(std::max<qint64>(got, 0)));
    if (want > n) {
        windowOffset_ = offset;
        window_ = bytes;
        return bytes.left(qsizetype(n));
    }
    return bytes;
}

} // namespace vistello
