#pragma once
// Pictures and profiles the decoder tests make in code, and the PNM reader
// that takes the oracles' output (djpeg, convert).
#include "app/samples/JpegWriter.h"
#include "imaging/decode/FormatHandler.h"

#include <QByteArray>
#include <QImage>
#include <optional>
#include <vector>

namespace vistello::test::decode {

// The built-in formats, registered once for the whole test run.
void ensureBuiltIns();

// The sample scene with fine detail, w × h.
QImage scene(int width, int height);
QByteArray encode(const QImage& image, const samples::JpegWriteOptions& options = {});
// An EXIF APP1 payload holding only IFD0's Orientation.
QByteArray orientationExif(int orientation);
// APP2 "ICC_PROFILE" markers carrying a profile.
std::vector<samples::JpegMarker> iccMarkers(const QByteArray& profile);
// SOI, markers, then the rest of jpeg after its SOI.
QByteArray withMarkers(const QByteArray& jpeg, const std::vector<samples::JpegMarker>& markers);

// A CMYK JPEG from w × h × 4 bytes; with or without the Adobe marker.
QByteArray encodeCmyk(const std::vector<uint8_t>& cmyk, int width, int height, bool adobeMarker,
                      const QByteArray& profile = {});

QByteArray srgbProfile();
// An RGB profile with wide primaries, so that conversion to sRGB shows.
QByteArray wideRgbProfile();
// A CMYK output profile with a plain ink model (AToB0 only).
QByteArray cmykProfile();

// P6 or P5 (grey expanded to RGB) as RGB888; a null image when malformed.
QImage readPnm(const QByteArray& bytes);
QImage toImage(const PixelBuffer& buffer);

struct PixelDiff {
    int maxDiff = 0;
    double meanDiff = 0;
    bool sameSize = false;
};
// Compares the rectangle inset by `margin` pixels on each side.
PixelDiff compare(const QImage& a, const QImage& b, int margin = 0);

} // namespace vistello::test::decode
