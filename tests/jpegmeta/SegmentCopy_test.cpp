// Which segments a JPEG written by the JPEG library carries: lossless
// transforms and re-encoding copy the source's segments around the library's
// own JFIF and Adobe headers; a new JPEG gets JFIF and JFXX thumbnail headers.
#include "app/SampleTools.h"
#include "app/samples/JpegWriter.h"
#include "jpegmeta/MetaFixtures.h"
#include "jpegmeta/extras/EmbeddedThumbnail.h"
#include "jpegmeta/segments/JpegErrorTrap.h"
#include "jpegmeta/segments/JpegFile.h"
#include "jpegmeta/segments/SegmentCopyPolicy.h"
#include "support/TempDir.h"

#include <QImage>
#include <cstdlib>
#include <gtest/gtest.h>
#include <vector>

using namespace vistello;
using namespace vistello::test::sampletools;

namespace {

struct Codec {
    jpeg_decompress_struct src{};
    jpeg_compress_struct dst{};
    JpegErrorTrap trap;
    unsigned char* out = nullptr;
    unsigned long outSize = 0;
    bool reencode = false;

    ~Codec()
    {
        jpeg_destroy_decompress(&src);
        jpeg_destroy_compress(&dst);
        std::free(out);
    }
    QByteArray result() const { return QByteArray(reinterpret_cast<const char*>(out), qsizetype(outSize)); }
};

// The library may jump back here; no C++ objects of its own.
bool transcode(Codec* c, const unsigned char* data, unsigned long size)
{
    c->src.err = c->trap.install();
    c->dst.err = &c->trap.manager;
    if (setjmp(c->trap.jump))
        return false;
    jpeg_create_decompress(&c->src);
    jpeg_create_compress(&c->dst);
    jpeg_mem_src(&c->src, data, size);
    saveAllHeaderMarkers(c->src);
    jpeg_read_header(&c->src, TRUE);
    jpeg_mem_dest(&c->dst, &c->out, &c->outSize);
    if (!c->reencode) {
        jvirt_barray_ptr* coefficients = jpeg_read_coefficients(&c->src);
        jpeg_copy_critical_parameters(&c->src, &c->dst);
        chooseJfifForLosslessTransform(c->src, c->dst);
        jpeg_write_coefficients(&c->dst, coefficients);
        copySavedSegments(c->src, c->dst);
        jpeg_finish_compress(&c->dst);
        jpeg_finish_decompress(&c->src);
        return true;
    }
    jpeg_start_decompress(&c->src);
    c->dst.image_width = c->src.output_width;
    c->dst.image_height = c->src.output_height;
    c->dst.input_components = c->src.output_components;
    c->dst.in_color_space = c->src.out_color_space;
    jpeg_set_defaults(&c->dst);
    chooseJfifForReencode(c->src, c->dst);
    jpeg_start_compress(&c->dst, TRUE);
    copySegmentsForReencode(savedMarkers(c->src), c->dst, reencodeDropsIccProfile(c->src));
    std::vector<JSAMPLE> row(size_t(c->src.output_width) * size_t(c->src.output_components));
    JSAMPROW rows[1] = {row.data()};
    while (c->src.output_scanline < c->src.output_height) {
        jpeg_read_scanlines(&c->src, rows, 1);
        jpeg_write_scanlines(&c->dst, rows, 1);
    }
    jpeg_finish_compress(&c->dst);
    jpeg_finish_decompress(&c->src);
    return true;
}

QByteArray run(const QByteArray& in, bool reencode)
{
    Codec c;
    c.reencode = reencode;
    const bool ok = transcode(&c, reinterpret_cast<const unsigned char*>(in.constData()), static_cast<unsigned long>(in.size()));
    EXPECT_TRUE(ok) << c.trap.message;
    return ok ? c.result() : QByteArray();
}

// "E0:JFIF E1:Exif FE" - each header segment's marker and the first four payload bytes.
QString describe(const QByteArray& jpeg)
{
    MemoryByteSource source(jpeg);
    JpegFile file;
    file.read(source, true);
    QStringList parts;
    for (const JpegSegment& s : file.segments())
        parts << QString::asprintf("%02X:", s.marker) + QString::fromLatin1(s.payload.left(4));
    return parts.join(QLatin1Char(' '));
}

QByteArray source(std::vector<samples::JpegMarker> markers, samples::ChromaSampling sampling = samples::ChromaSampling::Yuv420)
{
    QImage image(24, 16, QImage::Format_RGB888);
    image.fill(QColor(200, 120, 40));
    samples::JpegWriteOptions options;
    options.writeJfif = false;
    options.sampling = sampling;
    options.markers = std::move(markers);
    return samples::JpegWriter::encode(image, options);
}

const QByteArray kJfif("JFIF\0\x01\x02\x01\x01\x2C\x01\x2C\0\0", 14);
const QByteArray kExif("Exif\0\0MM\0\x2A\0\0\0\0", 14);
const QByteArray kIcc("ICC_PROFILE\0\x01\x01xyz", 17);

TEST(SegmentCopy, LosslessWithExifKeepsTheSourceJfifInItsPlace)
{
    EXPECT_EQ(describe(run(source({{0xE1, kExif}, {0xE0, kJfif}, {0xFE, "note"}}), false)),
              QStringLiteral("E1:Exif E0:JFIF FE:note"));
    EXPECT_EQ(describe(run(source({{0xE0, kJfif}, {0xE1, kExif}}), false)), QStringLiteral("E0:JFIF E1:Exif"));
}

TEST(SegmentCopy, LosslessWithoutExifStartsWithTheLibraryJfif)
{
    EXPECT_EQ(describe(run(source({{0xFE, "note"}}), false)), QStringLiteral("E0:JFIF FE:note"));
    // The source's JFIF gives way to the library's, which copies its density.
    const QByteArray out = run(source({{0xE0, kJfif}, {0xED, "iptc"}}), false);
    EXPECT_EQ(describe(out), QStringLiteral("E0:JFIF ED:iptc"));
    EXPECT_EQ(out.mid(14, 4), kJfif.mid(8, 4));
    // An RGB source (Adobe transform 0): the library writes its own Adobe segment, not a second one.
    EXPECT_EQ(describe(run(source({{0xEE, QByteArray("Adobe\0\x64\0\0\0\0\0", 12)}}), false)), QStringLiteral("EE:Adob"));
}

TEST(SegmentCopy, ReencodeCopiesTheSourceJfifOrWritesItsOwn)
{
    EXPECT_EQ(describe(run(source({{0xE2, kIcc}, {0xE0, kJfif}}), true)),
              QStringLiteral("E2:ICC_ E0:JFIF"));
    EXPECT_EQ(describe(run(source({{0xE2, kIcc}, {0xE1, kExif}}), true)),
              QStringLiteral("E2:ICC_ E1:Exif"));
    EXPECT_EQ(describe(run(source({{0xFE, "c"}}), true)), QStringLiteral("E0:JFIF FE:c"));
    // The profile of a grey source does not describe the re-encoded picture.
    EXPECT_EQ(describe(run(source({{0xE2, kIcc}, {0xFE, "c"}}, samples::ChromaSampling::Grey), true)),
              QStringLiteral("E0:JFIF FE:c"));
}

bool encodeNew(Codec* c, const unsigned char* pixels, const QByteArray* thumbnail)
{
    c->dst.err = c->trap.install();
    if (setjmp(c->trap.jump))
        return false;
    jpeg_create_compress(&c->dst);
    jpeg_mem_dest(&c->dst, &c->out, &c->outSize);
    c->dst.image_width = 16;
    c->dst.image_height = 16;
    c->dst.input_components = 3;
    c->dst.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c->dst);
    c->dst.density_unit = 1;
    c->dst.X_density = 300;
    c->dst.Y_density = 72;
    const bool own = prepareNewJpegHeaders(c->dst, *thumbnail);
    jpeg_start_compress(&c->dst, TRUE);
    if (own)
        writeNewJpegHeaders(c->dst, *thumbnail);
    for (int y = 0; y < 16; ++y) {
        JSAMPROW row[1] = {const_cast<JSAMPLE*>(pixels + y * 48)};
        jpeg_write_scanlines(&c->dst, row, 1);
    }
    jpeg_finish_compress(&c->dst);
    return true;
}

TEST(SegmentCopy, NewJpegCarriesJfifAndJfxxThumbnail)
{
    std::vector<unsigned char> pixels(16 * 48, 90);
    const QByteArray thumbnail = test::plainJpeg();
    Codec c;
    ASSERT_TRUE(encodeNew(&c, pixels.data(), &thumbnail)) << c.trap.message;
    const QByteArray out = c.result();
    EXPECT_EQ(describe(out), QStringLiteral("E0:JFIF E0:JFXX"));
    EXPECT_EQ(out.mid(4, 16), QByteArray("\x00\x10JFIF\0\x01\x01\x01\x01\x2C\x00\x48\0\0", 16));
    MemoryByteSource memory(out);
    EXPECT_EQ(findEmbeddedThumbnail(memory).bytes, thumbnail);
    if (toolAvailable(QStringLiteral("djpeg"))) {
        test::TempDir dir;
        EXPECT_EQ(runTool(QStringLiteral("djpeg"), {dir.write(QStringLiteral("n.jpg"), out)}).exitCode, 0);
    }

    Codec big;
    const QByteArray tooBig(70000, 'x');
    ASSERT_TRUE(encodeNew(&big, pixels.data(), &tooBig));
    EXPECT_EQ(describe(big.result()), QStringLiteral("E0:JFIF"));
}

} // namespace
