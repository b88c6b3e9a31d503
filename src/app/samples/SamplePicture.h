#pragma once
// One camera-like JPEG: the drawn scene stored in a given orientation, with
// the EXIF block a camera writes (IFD0, EXIF, Interoperability, GPS and an
// IFD1 thumbnail). Fixtures take a recipe, change what they test, and build.
#include "app/samples/ExifBuilder.h"
#include "app/samples/JpegWriter.h"
#include "app/samples/SampleOrientation.h"
#include "app/samples/SampleScene.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace vistello::samples {

struct GpsPosition {
    double latitude;  // degrees, negative south
    double longitude; // degrees, negative west
    double altitude;  // metres, negative below sea level
};

struct SamplePictureRecipe {
    QString fileName = QStringLiteral("IMG_0001.jpg");
    QSize displaySize{640, 480}; // as shown upright; stored swapped for orientations 5-8
    Orientation orientation = Orientation::Normal;
    ChromaSampling sampling = ChromaSampling::Yuv420;
    TiffByteOrder byteOrder = TiffByteOrder::LittleEndian;
    int quality = 90;
    bool progressive = false;
    unsigned restartInterval = 0;
    QByteArray make = "Vistello Optics";
    QByteArray model = "VX-100";
    QByteArray dateTaken = "2023:06:14 10:15:00"; // DateTime, DateTimeOriginal, DateTimeDigitized
    URational exposureTime{1, 125};
    URational fNumber{56, 10};
    uint16_t isoSpeed = 100;
    URational focalLength{180, 10};
    bool dimensionsAsLong = false;        // PixelX/YDimension as LONG instead of SHORT
    QByteArray userComment;               // written with the "ASCII" character code; empty: no tag
    QByteArray comment;                   // COM segment text; empty: none
    std::optional<GpsPosition> gps;
    bool thumbnail = true;
    bool jfif = false;                    // a JFIF APP0 before the EXIF block, as some editors write
    std::vector<JpegMarker> extraMarkers; // written after the EXIF block and the comment
    SceneStyle scene;
};

// Lets a fixture change the camera's EXIF description before it is written.
using ExifAdjuster = std::function<void(ExifBuilder&)>;

// The stored pixels: the upright scene turned by the inverse of the
// orientation's display transform (grey for Grey sampling).
QImage samplePixels(const SamplePictureRecipe& recipe);
// A thumbnail of the stored pixels that fits 160 x 160 (160 x 120 for 4:3),
// in the same orientation as they are.
QByteArray sampleThumbnail(const QImage& stored);
// The EXIF description a camera would write for these stored pixels.
ExifBuilder sampleExif(const SamplePictureRecipe& recipe, QSize stored, const QByteArray& thumbnail);
// The whole file: SOI, [JFIF,] APP1 EXIF, [COM,] extra markers, then the
// picture; empty when it cannot be encoded.
QByteArray buildSamplePicture(const SamplePictureRecipe& recipe, const ExifAdjuster& adjust = {});

} // namespace vistello::samples
