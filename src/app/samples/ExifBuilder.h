#pragma once
// Builds the TIFF block of an EXIF segment in either byte order from a
// description: IFD0 with its EXIF, GPS and Interoperability directories,
// IFD1 with a JPEG thumbnail, and any further directories linked in by the
// caller. Test fixtures use it for well-formed and for hostile blocks.
#include "app/samples/TiffDirectory.h"

#include <QByteArray>
#include <memory>
#include <optional>

namespace vistello::samples {

namespace exiftag {
inline constexpr uint16_t kExifPointer = 0x8769;
inline constexpr uint16_t kGpsPointer = 0x8825;
inline constexpr uint16_t kInteropPointer = 0xA005;
inline constexpr uint16_t kCompression = 0x0103;
inline constexpr uint16_t kThumbnailOffset = 0x0201;
inline constexpr uint16_t kThumbnailLength = 0x0202;
} // namespace exiftag

class ExifBuilder {
public:
    explicit ExifBuilder(TiffByteOrder order = TiffByteOrder::BigEndian);

    TiffByteOrder byteOrder() const { return order_; }

    TiffDirectory& ifd0() { return *ifd0_; }
    // The sub-directories are made on first use and linked at once: EXIF and
    // GPS from IFD0 (0x8769, 0x8825), Interoperability from EXIF (0xA005),
    // IFD1 chained behind IFD0. Removing the link entry unlinks them again.
    TiffDirectory& exif();
    TiffDirectory& gps();
    TiffDirectory& interop();
    TiffDirectory& ifd1();
    // IFD1 describes a JPEG thumbnail: Compression 6, offset and length.
    void setThumbnail(const QByteArray& jpeg);

    // Shared handles, for links between directories (TiffField::backLink for cycles).
    std::shared_ptr<TiffDirectory> ifd0Handle() const { return ifd0_; }
    std::shared_ptr<TiffDirectory> exifHandle();

    // Header word written instead of IFD0's real offset (8).
    std::optional<uint32_t> ifd0OffsetOverride;

    // The TIFF block, starting with "II" or "MM".
    QByteArray build() const;
    // "Exif\0\0" + block: the payload of an APP1 segment.
    QByteArray buildApp1Payload() const { return app1Payload(build()); }

    static QByteArray app1Payload(const QByteArray& tiff);
    // The whole segment, FF E1 and length included; empty when too long.
    static QByteArray app1Segment(const QByteArray& tiff);

private:
    TiffByteOrder order_;
    std::shared_ptr<TiffDirectory> ifd0_;
    std::shared_ptr<TiffDirectory> exif_;
    std::shared_ptr<TiffDirectory> gps_;
    std::shared_ptr<TiffDirectory> interop_;
    std::shared_ptr<TiffDirectory> ifd1_;
};

} // namespace vistello::samples
