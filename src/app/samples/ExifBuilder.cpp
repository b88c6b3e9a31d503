#include "app/samples/ExifBuilder.h"

#include "app/samples/TiffLayout.h"

namespace vistello::samples {

namespace {
constexpr int kMaxSegmentPayload = 0xFFFF - 2;
const QByteArray kExifSignature("Exif\0\0", 6);

std::shared_ptr<TiffDirectory> linked(std::shared_ptr<TiffDirectory>& dir, TiffDirectory& parent, uint16_t tag)
{
    if (!dir) {
        dir = std::make_shared<TiffDirectory>();
        parent.set(TiffField::directory(tag, dir));
    }
    return dir;
}
} // namespace

ExifBuilder::ExifBuilder(TiffByteOrder order) : order_(order), ifd0_(std::make_shared<TiffDirectory>()) {}

TiffDirectory& ExifBuilder::exif() { return *exifHandle(); }

std::shared_ptr<TiffDirectory> ExifBuilder::exifHandle() { return linked(exif_, *ifd0_, exiftag::kExifPointer); }

TiffDirectory& ExifBuilder::gps() { return *linked(gps_, *ifd0_, exiftag::kGpsPointer); }

TiffDirectory& ExifBuilder::interop() { return *linked(interop_, exif(), exiftag::kInteropPointer); }

TiffDirectory& ExifBuilder::ifd1()
{
    if (!ifd1_) {
        ifd1_ = std::make_shared<TiffDirectory>();
        ifd0_->next = ifd1_;
    }
    return *ifd1_;
}

void ExifBuilder::setThumbnail(const QByteArray& jpeg)
{
    TiffDirectory& dir = ifd1();
    dir.set(TiffField::shorts(exiftag::kCompression, {6}));
    dir.set(TiffField::offsetOf(exiftag::kThumbnailOffset, jpeg));
    dir.set(TiffField::longs(exiftag::kThumbnailLength, {uint32_t(jpeg.size())}));
}

QByteArray ExifBuilder::build() const
{
    TiffLayout layout(order_, ifd0OffsetOverride);
    return layout.finish(*ifd0_);
}

QByteArray ExifBuilder::app1Payload(const QByteArray& tiff) { return kExifSignature + tiff; }

QByteArray ExifBuilder::app1Segment(const QByteArray& tiff)
{
    const QByteArray payload = app1Payload(tiff);
    if (payload.size() > kMaxSegmentPayload)
        return {};
    const int length = int(payload.size()) + 2;
    QByteArray segment("\xFF\xE1", 2);
    segment.append(char(length >> 8));
    segment.append(char(length & 0xFF));
    return segment + payload;
}

} // namespace vistello::samples
