#include "app/samples/SamplePicture.h"

#include <algorithm>
#include <cmath>

namespace vistello::samples {

namespace {

constexpr int kThumbnailBox = 160;
constexpr int kApexScale = 1000000;

// EXIF tags the samples write.
namespace tag {
constexpr uint16_t kMake = 0x010F, kModel = 0x0110, kOrientation = 0x0112, kXResolution = 0x011A,
                   kYResolution = 0x011B, kResolutionUnit = 0x0128, kSoftware = 0x0131, kDateTime = 0x0132,
                   kYCbCrPositioning = 0x0213;
constexpr uint16_t kExposureTime = 0x829A, kFNumber = 0x829D, kExposureProgram = 0x8822, kIsoSpeed = 0x8827,
                   kExifVersion = 0x9000, kDateTimeOriginal = 0x9003, kDateTimeDigitized = 0x9004,
                   kComponentsConfiguration = 0x9101, kShutterSpeedValue = 0x9201, kApertureValue = 0x9202,
                   kExposureBias = 0x9204, kMeteringMode = 0x9207, kFlash = 0x9209, kFocalLength = 0x920A,
                   kUserComment = 0x9286, kFlashpixVersion = 0xA000, kColorSpace = 0xA001,
                   kPixelXDimension = 0xA002, kPixelYDimension = 0xA003, kExposureMode = 0xA402,
                   kWhiteBalance = 0xA403, kSceneCaptureType = 0xA406;
constexpr uint16_t kInteropIndex = 0x0001, kInteropVersion = 0x0002;
constexpr uint16_t kGpsVersion = 0x0000, kGpsLatitudeRef = 0x0001, kGpsLatitude = 0x0002,
                   kGpsLongitudeRef = 0x0003, kGpsLongitude = 0x0004, kGpsAltitudeRef = 0x0005,
                   kGpsAltitude = 0x0006, kGpsTimeStamp = 0x0007, kGpsMapDatum = 0x0012, kGpsDateStamp = 0x001D;
} // namespace tag

double quotient(URational r) { return r.denominator ? double(r.numerator) / r.denominator : 0.0; }

SRational apex(double value) { return {int32_t(std::lround(value * kApexScale)), kApexScale}; }

// Degrees as whole degrees, whole minutes and hundredths of seconds.
std::vector<URational> degreesMinutesSeconds(double degrees)
{
    const int64_t hundredths = std::llround(std::fabs(degrees) * 3600.0 * 100.0);
    return {{uint32_t(hundredths / 360000), 1},
            {uint32_t(hundredths / 6000 % 60), 1},
            {uint32_t(hundredths % 6000), 100}};
}

void addGps(TiffDirectory& gps, const GpsPosition& pos, const QByteArray& dateTaken)
{
    gps.set(TiffField::bytes(tag::kGpsVersion, {2, 3, 0, 0}));
    gps.set(TiffField::ascii(tag::kGpsLatitudeRef, pos.latitude < 0 ? "S" : "N"));
    gps.set(TiffField::rationals(tag::kGpsLatitude, degreesMinutesSeconds(pos.latitude)));
    gps.set(TiffField::ascii(tag::kGpsLongitudeRef, pos.longitude < 0 ? "W" : "E"));
    gps.set(TiffField::rationals(tag::kGpsLongitude, degreesMinutesSeconds(pos.longitude)));
    gps.set(TiffField::bytes(tag::kGpsAltitudeRef, {uint8_t(pos.altitude < 0 ? 1 : 0)}));
    gps.set(TiffField::rationals(tag::kGpsAltitude, {{uint32_t(std::lround(std::fabs(pos.altitude) * 10)), 10}}));
    // The sample camera's clock runs on UTC, so the GPS time is the time taken.
    const auto part = [&dateTaken](int at) { return uint32_t(dateTaken.mid(at, 2).toUInt()); };
    gps.set(TiffField::rationals(tag::kGpsTimeStamp, {{part(11), 1}, {part(14), 1}, {part(17), 1}}));
    gps.set(TiffField::ascii(tag::kGpsMapDatum, "WGS-84"));
    gps.set(TiffField::ascii(tag::kGpsDateStamp, dateTaken.left(10)));
}

TiffField dimension(uint16_t t, int value, bool asLong)
{
    return asLong ? TiffField::longs(t, {uint32_t(value)}) : TiffField::shorts(t, {uint16_t(value)});
}

} // namespace

QImage samplePixels(const SamplePictureRecipe& recipe)
{
    const QImage upright = drawUprightScene(recipe.displaySize.width(), recipe.displaySize.height(), recipe.scene);
    const QImage stored = toStored(upright, recipe.orientation);
    return recipe.sampling == ChromaSampling::Grey ? stored.convertToFormat(QImage::Format_Grayscale8) : stored;
}

QByteArray sampleThumbnail(const QImage& stored)
{
    const QImage small = stored.scaled(kThumbnailBox, kThumbnailBox, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    JpegWriteOptions options;
    options.quality = 75;
    options.writeJfif = false;
    options.sampling = stored.format() == QImage::Format_Grayscale8 ? ChromaSampling::Grey : ChromaSampling::Yuv420;
    return JpegWriter::encode(small, options);
}

ExifBuilder sampleExif(const SamplePictureRecipe& recipe, QSize stored, const QByteArray& thumbnail)
{
    ExifBuilder exif(recipe.byteOrder);
    TiffDirectory& ifd0 = exif.ifd0();
    ifd0.set(TiffField::ascii(tag::kMake, recipe.make));
    ifd0.set(TiffField::ascii(tag::kModel, recipe.model));
    ifd0.set(TiffField::shorts(tag::kOrientation, {uint16_t(recipe.orientation)}));
    ifd0.set(TiffField::rationals(tag::kXResolution, {{72, 1}}));
    ifd0.set(TiffField::rationals(tag::kYResolution, {{72, 1}}));
    ifd0.set(TiffField::shorts(tag::kResolutionUnit, {2}));
    ifd0.set(TiffField::ascii(tag::kSoftware, "Vistello LE sample generator"));
    ifd0.set(TiffField::ascii(tag::kDateTime, recipe.dateTaken));
    ifd0.set(TiffField::shorts(tag::kYCbCrPositioning, {1}));

    TiffDirectory& sub = exif.exif();
    sub.set(TiffField::rationals(tag::kExposureTime, {recipe.exposureTime}));
    sub.set(TiffField::rationals(tag::kFNumber, {recipe.fNumber}));
    sub.set(TiffField::shorts(tag::kExposureProgram, {2}));
    sub.set(TiffField::shorts(tag::kIsoSpeed, {recipe.isoSpeed}));
    sub.set(TiffField::undefined(tag::kExifVersion, "0230"));
    sub.set(TiffField::ascii(tag::kDateTimeOriginal, recipe.dateTaken));
    sub.set(TiffField::ascii(tag::kDateTimeDigitized, recipe.dateTaken));
    sub.set(TiffField::undefined(tag::kComponentsConfiguration, QByteArray("\1\2\3\0", 4)));
    if (const double t = quotient(recipe.exposureTime); t > 0)
        sub.set(TiffField::srationals(tag::kShutterSpeedValue, {apex(-std::log2(t))}));
    if (const double n = quotient(recipe.fNumber); n > 0) {
        const SRational av = apex(2.0 * std::log2(n));
        sub.set(TiffField::rationals(tag::kApertureValue, {{uint32_t(std::max(av.numerator, 0)), kApexScale}}));
    }
    sub.set(TiffField::srationals(tag::kExposureBias, {{0, 3}}));
    sub.set(TiffField::shorts(tag::kMeteringMode, {5}));
    sub.set(TiffField::shorts(tag::kFlash, {16})); // off, did not fire
    sub.set(TiffField::rationals(tag::kFocalLength, {recipe.focalLength}));
    if (!recipe.userComment.isEmpty())
        sub.set(TiffField::undefined(tag::kUserComment, QByteArray("ASCII\0\0\0", 8) + recipe.userComment));
    sub.set(TiffField::undefined(tag::kFlashpixVersion, "0100"));
    sub.set(TiffField::shorts(tag::kColorSpace, {1}));
    sub.set(dimension(tag::kPixelXDimension, stored.width(), recipe.dimensionsAsLong));
    sub.set(dimension(tag::kPixelYDimension, stored.height(), recipe.dimensionsAsLong));
    sub.set(TiffField::shorts(tag::kExposureMode, {0}));
    sub.set(TiffField::shorts(tag::kWhiteBalance, {0}));
    sub.set(TiffField::shorts(tag::kSceneCaptureType, {0}));

    exif.interop().set(TiffField::ascii(tag::kInteropIndex, "R98"));
    exif.interop().set(TiffField::undefined(tag::kInteropVersion, "0100"));

    if (recipe.gps)
        addGps(exif.gps(), *recipe.gps, recipe.dateTaken);

    if (!thumbnail.isEmpty()) {
        exif.setThumbnail(thumbnail);
        exif.ifd1().set(TiffField::rationals(tag::kXResolution, {{72, 1}}));
        exif.ifd1().set(TiffField::rationals(tag::kYResolution, {{72, 1}}));
        exif.ifd1().set(TiffField::shorts(tag::kResolutionUnit, {2}));
    }
    return exif;
}

QByteArray buildSamplePicture(const SamplePictureRecipe& recipe, const ExifAdjuster& adjust)
{
    if (recipe.displaySize.isEmpty())
        return {};
    const QImage stored = samplePixels(recipe);
    const QByteArray thumbnail = recipe.thumbnail ? sampleThumbnail(stored) : QByteArray();
    if (recipe.thumbnail && thumbnail.isEmpty())
        return {};

    JpegWriteOptions options;
    options.quality = recipe.quality;
    options.sampling = recipe.sampling;
    options.progressive = recipe.progressive;
    options.restartInterval = recipe.restartInterval;
    options.writeJfif = recipe.jfif;
    ExifBuilder exif = sampleExif(recipe, stored.size(), thumbnail);
    if (adjust)
        adjust(exif);
    options.markers.push_back({0xE1, exif.buildApp1Payload()});
    if (!recipe.comment.isEmpty())
        options.markers.push_back({0xFE, recipe.comment});
    options.markers.insert(options.markers.end(), recipe.extraMarkers.begin(), recipe.extraMarkers.end());
    return JpegWriter::encode(stored, options);
}

} // namespace vistello::samples
