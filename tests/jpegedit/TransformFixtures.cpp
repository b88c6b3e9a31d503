#include "jpegedit/TransformFixtures.h"

#include "jpegmeta/segments/JpegErrorTrap.h"

#include <QFile>
#include <QSize>
#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace vistello::test::transform {

namespace {

struct Sampling {
    J_COLOR_SPACE space;
    int components;
    int h[4];
    int v[4];
};

Sampling samplingOf(Layout layout)
{
    switch (layout) {
    case Layout::Yuv444: return {JCS_YCbCr, 3, {1, 1, 1, 1}, {1, 1, 1, 1}};
    case Layout::Yuv422: return {JCS_YCbCr, 3, {2, 1, 1, 1}, {1, 1, 1, 1}};
    case Layout::Yuv440: return {JCS_YCbCr, 3, {1, 1, 1, 1}, {2, 1, 1, 1}};
    case Layout::Grey: return {JCS_GRAYSCALE, 1, {1, 1, 1, 1}, {1, 1, 1, 1}};
    case Layout::Cmyk: return {JCS_CMYK, 4, {1, 1, 1, 1}, {1, 1, 1, 1}};
    case Layout::Yuv420:
    case Layout::Progressive:
    case Layout::Restart:
    case Layout::Arithmetic: break;
    }
    return {JCS_YCbCr, 3, {2, 1, 1, 1}, {2, 1, 1, 1}};
}

// Writes the encoder's output into a vector.
struct VectorDestination {
    jpeg_destination_mgr manager;
    std::vector<JOCTET>* out;
    JOCTET buffer[4096];
};

void initDest(j_compress_ptr c)
{
    auto* d = reinterpret_cast<VectorDestination*>(c->dest);
    d->manager.next_output_byte = d->buffer;
    d->manager.free_in_buffer = sizeof d->buffer;
}

boolean emptyDest(j_compress_ptr c)
{
    auto* d = reinterpret_cast<VectorDestination*>(c->dest);
    d->out->insert(d->out->end(), d->buffer, d->buffer + sizeof d->buffer);
    initDest(c);
    return TRUE;
}

void termDest(j_compress_ptr c)
{
    auto* d = reinterpret_cast<VectorDestination*>(c->dest);
    d->out->insert(d->out->end(), d->buffer, d->buffer + (sizeof d->buffer - d->manager.free_in_buffer));
}

bool encodeRows(Layout layout, const std::vector<JOCTET>& pixels, int width, int height, int quality,
                std::vector<JOCTET>& out)
{
    const Sampling s = samplingOf(layout);
    jpeg_compress_struct c{};
    JpegErrorTrap trap;
    c.err = trap.install();
    VectorDestination dest{};
    dest.out = &out;
    dest.manager.init_destination = initDest;
    dest.manager.empty_output_buffer = emptyDest;
    dest.manager.term_destination = termDest;
    if (setjmp(trap.jump)) {
        jpeg_destroy_compress(&c);
        return false;
    }
    jpeg_create_compress(&c);
    c.dest = &dest.manager;
    c.image_width = JDIMENSION(width);
    c.image_height = JDIMENSION(height);
    c.input_components = s.components;
    c.in_color_space = s.space == JCS_YCbCr ? JCS_RGB : s.space;
    jpeg_set_defaults(&c);
    jpeg_set_colorspace(&c, s.space);
    for (int i = 0; i < s.components; ++i) {
        c.comp_info[i].h_samp_factor = s.h[i];
        c.comp_info[i].v_samp_factor = s.v[i];
    }
    jpeg_set_quality(&c, quality, TRUE);
    if (layout == Layout::Progressive)
        jpeg_simple_progression(&c);
    if (layout == Layout::Restart)
        c.restart_interval = 3;
    if (layout == Layout::Arithmetic)
        c.arith_code = TRUE;
    jpeg_start_compress(&c, TRUE);
    const size_t stride = size_t(width) * size_t(s.components);
    while (c.next_scanline < c.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(pixels.data() + c.next_scanline * stride);
        jpeg_write_scanlines(&c, &row, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    return true;
}

} // namespace

const char* layoutName(Layout layout)
{
    switch (layout) {
    case Layout::Yuv444: return "yuv444";
    case Layout::Yuv422: return "yuv422";
    case Layout::Yuv420: return "yuv420";
    case Layout::Yuv440: return "yuv440";
    case Layout::Grey: return "grey";
    case Layout::Cmyk: return "cmyk";
    case Layout::Progressive: return "progressive";
    case Layout::Restart: return "restart";
    case Layout::Arithmetic: return "arithmetic";
    }
    return "?";
}

QImage testPattern(int width, int height, bool smooth)
{
    QImage image(width, height, QImage::Format_RGB888);
    uint32_t seed = 12345;
    for (int y = 0; y < height; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            seed = seed * 1103515245u + 12345u;
            const int noise = smooth ? 0 : int(seed >> 27); // 0..31
            row[3 * x] = uchar((x * 255 / std::max(1, width - 1) + noise) & 0xFF);
            row[3 * x + 1] = smooth ? uchar((x + y) * 255 / std::max(1, width + height - 2))
                                    : uchar(((x / 5 + y / 7) % 2 ? 200 : 40) + noise);
            row[3 * x + 2] = smooth ? uchar(y * 255 / std::max(1, height - 1))
                                    : uchar((y * 255 / std::max(1, height - 1)) ^ (x & 0x1F));
        }
    }
    return image;
}

QByteArray encodeLayout(Layout layout, int width, int height, int quality, bool smooth)
{
    const QImage rgb = testPattern(width, height, smooth);
    const Sampling s = samplingOf(layout);
    std::vector<JOCTET> pixels(size_t(width) * size_t(height) * size_t(s.components));
    for (int y = 0; y < height; ++y) {
        const uchar* row = rgb.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            JOCTET* p = pixels.data() + (size_t(y) * size_t(width) + size_t(x)) * size_t(s.components);
            const uchar r = row[3 * x], g = row[3 * x + 1], b = row[3 * x + 2];
            if (s.components == 1) {
                p[0] = JOCTET((r * 3 + g * 6 + b) / 10);
            } else if (s.components == 4) {
                p[0] = JOCTET(255 - r);
                p[1] = JOCTET(255 - g);
                p[2] = JOCTET(255 - b);
                p[3] = JOCTET((x * 7 + y * 3) & 0xFF);
            } else {
                p[0] = r;
                p[1] = g;
                p[2] = b;
            }
        }
    }
    std::vector<JOCTET> out;
    if (!encodeRows(layout, pixels, width, height, quality, out))
        return {};
    return QByteArray(reinterpret_cast<const char*>(out.data()), qsizetype(out.size()));
}

QByteArray decodeWithDjpeg(const QString& path)
{
    const sampletools::ToolRun run = sampletools::runTool(QStringLiteral("djpeg"), {QStringLiteral("-pnm"), path});
    return run.exitCode == 0 ? run.out : QByteArray();
}

QByteArray runJpegtran(const QStringList& args, const QString& path)
{
    const sampletools::ToolRun run = sampletools::runTool(QStringLiteral("jpegtran"), QStringList(args) << path);
    return run.exitCode == 0 ? run.out : QByteArray();
}

std::vector<std::vector<short>> readCoefficients(const QByteArray& jpeg)
{
    std::vector<std::vector<short>> result;
    jpeg_decompress_struct d{};
    JpegErrorTrap trap;
    d.err = trap.install();
    if (setjmp(trap.jump)) {
        jpeg_destroy_decompress(&d);
        return {};
    }
    jpeg_create_decompress(&d);
    jpeg_mem_src(&d, reinterpret_cast<const unsigned char*>(jpeg.constData()), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&d, TRUE);
    jvirt_barray_ptr* arrays = jpeg_read_coefficients(&d);
    result.resize(size_t(d.num_components));
    for (int ci = 0; ci < d.num_components; ++ci) {
        const jpeg_component_info& c = d.comp_info[ci];
        for (JDIMENSION y = 0; y < c.height_in_blocks; ++y) {
            JBLOCKARRAY row = (*d.mem->access_virt_barray)(reinterpret_cast<j_common_ptr>(&d), arrays[ci], y, 1, FALSE);
            for (JDIMENSION x = 0; x < c.width_in_blocks; ++x)
                result[size_t(ci)].insert(result[size_t(ci)].end(), row[0][x], row[0][x] + DCTSIZE2);
        }
    }
    jpeg_finish_decompress(&d);
    jpeg_destroy_decompress(&d);
    return result;
}

QSize jpegSize(const QByteArray& jpeg)
{
    qsizetype p = 2;
    while (p + 9 <= jpeg.size() && uint8_t(jpeg[p]) == 0xFF) {
        const uint8_t m = uint8_t(jpeg[p + 1]);
        const int length = (uint8_t(jpeg[p + 2]) << 8) | uint8_t(jpeg[p + 3]);
        if ((m >= 0xC0 && m <= 0xCF) && m != 0xC4 && m != 0xC8 && m != 0xCC)
            return QSize((uint8_t(jpeg[p + 7]) << 8) | uint8_t(jpeg[p + 8]), (uint8_t(jpeg[p + 5]) << 8) | uint8_t(jpeg[p + 6]));
        p += 2 + length;
    }
    return {};
}

} // namespace vistello::test::transform
