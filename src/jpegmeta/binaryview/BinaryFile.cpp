#include "jpegmeta/binaryview/BinaryFile.h"

#include "core/filetypes/PictureFileTypes.h"
#include "jpegmeta/binaryview/JpegMarkerSpans.h"

#include <algorithm>

namespace vistello {

namespace {

// The largest window read at once: far more than any screen shows.
constexpr int64_t kMaxWindow = 16 * 1024 * 1024;

bool readLikeJpeg(const QString& path)
{
    const PictureFileTypes& types = PictureFileTypes::instance();
    const PictureFileType* own = types.typeOf(path);
    const PictureFileType* jpeg = types.typeOf(u"picture.jpg");
    return own && jpeg && own->formatName == jpeg->formatName;
}

} // namespace

bool BinaryFile::open(const QString& path)
{
    close();
    file_.setFileName(path);
    if (!file_.open(QIODevice::ReadOnly) || file_.isSequential()) {
        close();
        return false;
    }
    size_ = uint64_t(std::max<qint64>(file_.size(), 0));
    jpegMarks_ = readLikeJpeg(path);
    return true;
}

void BinaryFile::close()
{
    file_.close();
    size_ = 0;
    jpegMarks_ = false;
}

QByteArray BinaryFile::read(uint64_t offset, int64_t length)
{
    if (!file_.isOpen() || offset >= size_ || length <= 0)
        return {};
    length = int64_t(std::min<uint64_t>({uint64_t(length), size_ - offset, uint64_t(kMaxWindow)}));
    if (!file_.seek(qint64(offset)))
        return {};
    return file_.read(length);
}

BinaryPage BinaryFile::page(uint64_t offset, int lines, int bytesPerLine)
{
    BinaryPage page;
    page.offset = offset;
    const int64_t length = int64_t(std::max(lines, 0)) * std::max(bytesPerLine, 1);
    if (!jpegMarks_) {
        page.bytes = read(offset, length);
        return page;
    }
    // One byte more on each side tells whether a marker straddles the edge.
    const uint64_t from = offset > 0 ? offset - 1 : 0;
    const QByteArray wide = read(from, length + int64_t(offset - from) + 1);
    const qsizetype lead = qsizetype(offset - from);
    page.bytes = wide.mid(lead, qsizetype(length));
    const std::optional<uint8_t> before = lead > 0 && !wide.isEmpty() ? std::optional<uint8_t>(uint8_t(wide[0])) : std::nullopt;
    const std::optional<uint8_t> after = wide.size() > lead + page.bytes.size()
                                             ? std::optional<uint8_t>(uint8_t(wide[lead + page.bytes.size()]))
                                             : std::nullopt;
    page.marked = markerBytes(page.bytes, before, after);
    return page;
}

} // namespace vistello
