#pragma once
// Test pictures of every JPEG layout the lossless engine must handle, and
// the independent tools (jpegtran, djpeg, exiftool) that judge its output.
#include "app/SampleTools.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

namespace vistello::test::transform {

enum class Layout {
    Yuv444,
    Yuv422,
    Yuv420,
    Yuv440,
    Grey,
    Cmyk,
    Progressive, // 4:2:0, progressive scans
    Restart,     // 4:2:0 with a restart interval
    Arithmetic,  // 4:2:0, arithmetic coding
};

inline constexpr Layout kAllLayouts[] = {Layout::Yuv444, Layout::Yuv422, Layout::Yuv420,
                                         Layout::Yuv440, Layout::Grey,   Layout::Cmyk,
                                         Layout::Progressive, Layout::Restart, Layout::Arithmetic};

const char* layoutName(Layout layout);

// A deterministic picture with edges and texture in every block (smooth:
// gradients only, which arithmetic coding packs far better than Huffman).
QImage testPattern(int width, int height, bool smooth = false);
// The JPEG stream (written through the JPEG library); empty on failure.
QByteArray encodeLayout(Layout layout, int width, int height, int quality = 85, bool smooth = false);

// djpeg's PNM output of a file, empty when djpeg fails.
QByteArray decodeWithDjpeg(const QString& path);
// jpegtran's output for these arguments on a file, empty when it fails.
QByteArray runJpegtran(const QStringList& args, const QString& path);

// Every component's quantized coefficients, blocks in raster order.
std::vector<std::vector<short>> readCoefficients(const QByteArray& jpeg);
// Width and height from the frame header (0 when unreadable).
QSize jpegSize(const QByteArray& jpeg);

} // namespace vistello::test::transform
