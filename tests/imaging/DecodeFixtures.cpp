#include "imaging/DecodeFixtures.h"

#include "app/samples/ExifBuilder.h"
#include "app/samples/SampleScene.h"
#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"

#include <QPainter>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <lcms2.h>

namespace vistello::test::decode {

void ensureBuiltIns()
{
    PictureFileTypes& types = PictureFileTypes::instance();
    if (!createFormatHandler(types, u"x.jpg"))
        registerBuiltInFormats(types, false, nullptr);
}

QImage scene(int width, int height)
{
    QImage image = samples::drawUprightScene(width, height).convertToFormat(QImage::Format_RGB888);
    // Diagonal stripes give every block AC energy in both directions.
    QPainter painter(&image);
    painter.setPen(QPen(QColor(250, 40, 90), 1));
    for (int d = 0; d < width + height; d += 7)
        painter.drawLine(d, 0, d - height / 3, height);
    return image;
}

QByteArray encode(const QImage& image, const samples::JpegWriteOptions& options)
{
    return samples::JpegWriter::encode(image, options);
}

QByteArray orientationExif(int orientation)
{
    samples::ExifBuilder exif(samples::TiffByteOrder::LittleEndian);
    exif.ifd0().set(samples::TiffField::shorts(0x0112, {uint16_t(orientation)}));
    return exif.buildApp1Payload();
}

std::vector<samples::JpegMarker> iccMarkers(const QByteArray& profile)
{
    constexpr qsizetype kChunk = 65519;
    std::vector<samples::JpegMarker> markers;
    const int count = int((profile.size() + kChunk - 1) / kChunk);
    for (int i = 0; i < count; ++i) {
        QByteArray payload("ICC_PROFILE", 12);
        payload.append(char(i + 1));
        payload.append(char(count));
        payload.append(profile.mid(i * kChunk, kChunk));
        markers.push_back({0xE2, payload});
    }
    return markers;
}

QByteArray withMarkers(const QByteArray& jpeg, const std::vector<samples::JpegMarker>& markers)
{
    QByteArray out = jpeg.left(2);
    for (const samples::JpegMarker& m : markers) {
        const int length = int(m.payload.size()) + 2;
        out.append(char(0xFF)).append(char(m.marker)).append(char(length >> 8)).append(char(length & 0xFF));
        out.append(m.payload);
    }
    return out + jpeg.mid(2);
}

namespace {

struct EncodeTrap {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void onEncodeError(j_common_ptr cinfo)
{
    std::longjmp(reinterpret_cast<EncodeTrap*>(cinfo->err)->jump, 1);
}

bool encodeCmykInto(const uint8_t* cmyk, int width, int height, bool adobeMarker, const QByteArray& profile,
                    unsigned char** out, unsigned long* outSize)
{
    EncodeTrap trap;
    jpeg_compress_struct cinfo;
    cinfo.err = jpeg_std_error(&trap.manager);
    trap.manager.error_exit = onEncodeError;
    if (setjmp(trap.jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, out, outSize);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = 4;
    cinfo.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&cinfo);
    jpeg_set_colorspace(&cinfo, JCS_CMYK);
    jpeg_set_quality(&cinfo, 98, TRUE);
    cinfo.write_Adobe_marker = adobeMarker ? TRUE : FALSE;
    jpeg_start_compress(&cinfo, TRUE);
    if (!profile.isEmpty())
        for (const samples::JpegMarker& m : iccMarkers(profile))
            jpeg_write_marker(&cinfo, m.marker, reinterpret_cast<const JOCTET*>(m.payload.constData()),
                              unsigned(m.payload.size()));
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<uint8_t*>(cmyk + size_t(cinfo.next_scanline) * size_t(width) * 4);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

QByteArray saveProfile(cmsHPROFILE profile)
{
    cmsUInt32Number size = 0;
    QByteArray bytes;
    if (profile && cmsSaveProfileToMem(profile, nullptr, &size) && size > 0) {
        bytes.resize(qsizetype(size));
        cmsSaveProfileToMem(profile, bytes.data(), &size);
    }
    if (profile)
        cmsCloseProfile(profile);
    return bytes;
}

void describe(cmsHPROFILE profile, const char* text)
{
    cmsMLU* mlu = cmsMLUalloc(nullptr, 1);
    cmsMLUsetASCII(mlu, "en", "US", text);
    cmsWriteTag(profile, cmsSigProfileDescriptionTag, mlu);
    cmsWriteTag(profile, cmsSigCopyrightTag, mlu);
    cmsMLUfree(mlu);
}

// CMYK (0..65535, 65535 = full ink) → Lab through a plain ink model and sRGB.
cmsInt32Number sampleInk(const cmsUInt16Number in[], cmsUInt16Number out[], void* cargo)
{
    auto transform = static_cast<cmsHTRANSFORM>(cargo);
    const double k = in[3] / 65535.0;
    double rgb[3];
    for (int i = 0; i < 3; ++i)
        rgb[i] = (1.0 - in[i] / 65535.0) * (1.0 - k);
    cmsCIELab lab;
    cmsDoTransform(transform, rgb, &lab, 1);
    cmsFloat2LabEncoded(out, &lab);
    return TRUE;
}

} // namespace

QByteArray encodeCmyk(const std::vector<uint8_t>& cmyk, int width, int height, bool adobeMarker,
                      const QByteArray& profile)
{
    unsigned char* out = nullptr;
    unsigned long size = 0;
    QByteArray bytes;
    if (encodeCmykInto(cmyk.data(), width, height, adobeMarker, profile, &out, &size))
        bytes = QByteArray(reinterpret_cast<const char*>(out), qsizetype(size));
    std::free(out);
    return bytes;
}

QByteArray srgbProfile()
{
    return saveProfile(cmsCreate_sRGBProfile());
}

QByteArray wideRgbProfile()
{
    const cmsCIExyY white = {0.3127, 0.3290, 1.0};
    const cmsCIExyYTRIPLE primaries = {{0.64, 0.33, 1.0}, {0.21, 0.71, 1.0}, {0.15, 0.06, 1.0}};
    cmsToneCurve* gamma = cmsBuildGamma(nullptr, 2.2);
    cmsToneCurve* curves[3] = {gamma, gamma, gamma};
    cmsHPROFILE profile = cmsCreateRGBProfile(&white, &primaries, curves);
    cmsFreeToneCurve(gamma);
    if (profile)
        describe(profile, "Wide test RGB");
    return saveProfile(profile);
}

QByteArray cmykProfile()
{
    cmsHPROFILE profile = cmsCreateProfilePlaceholder(nullptr);
    cmsSetProfileVersion(profile, 2.1);
    cmsSetDeviceClass(profile, cmsSigOutputClass);
    cmsSetColorSpace(profile, cmsSigCmykData);
    cmsSetPCS(profile, cmsSigLabData);
    describe(profile, "Plain ink test CMYK");
    cmsWriteTag(profile, cmsSigMediaWhitePointTag, const_cast<cmsCIEXYZ*>(cmsD50_XYZ()));

    cmsHPROFILE srgb = cmsCreate_sRGBProfile();
    cmsHPROFILE lab = cmsCreateLab4Profile(nullptr);
    cmsHTRANSFORM toLab = cmsCreateTransform(srgb, TYPE_RGB_DBL, lab, TYPE_Lab_DBL, INTENT_PERCEPTUAL, 0);
    cmsPipeline* lut = cmsPipelineAlloc(nullptr, 4, 3);
    cmsStage* clut = cmsStageAllocCLut16bit(nullptr, 9, 4, 3, nullptr);
    cmsStageSampleCLut16bit(clut, sampleInk, toLab, 0);
    cmsPipelineInsertStage(lut, cmsAT_BEGIN, clut);
    cmsWriteTag(profile, cmsSigAToB0Tag, lut);
    cmsPipelineFree(lut);
    cmsDeleteTransform(toLab);
    cmsCloseProfile(lab);
    cmsCloseProfile(srgb);
    return saveProfile(profile);
}

QImage readPnm(const QByteArray& bytes)
{
    // "P6" or "P5", width, height, maxval, one whitespace byte, pixels.
    qsizetype p = 0;
    int fields[4] = {};
    const auto skipSpace = [&] {
        while (p < bytes.size() && (bytes[p] == ' ' || bytes[p] == '\n' || bytes[p] == '\r' || bytes[p] == '\t'
                                    || bytes[p] == '#')) {
            if (bytes[p] == '#')
                while (p < bytes.size() && bytes[p] != '\n')
                    ++p;
            else
                ++p;
        }
    };
    if (bytes.size() < 2 || bytes[0] != 'P' || (bytes[1] != '6' && bytes[1] != '5'))
        return {};
    const bool grey = bytes[1] == '5';
    p = 2;
    for (int& field : fields) {
        if (&field == &fields[3])
            break;
        skipSpace();
        int value = 0;
        while (p < bytes.size() && bytes[p] >= '0' && bytes[p] <= '9')
            value = value * 10 + (bytes[p++] - '0');
        field = value;
    }
    ++p;
    const int w = fields[0], h = fields[1];
    const qsizetype channels = grey ? 1 : 3;
    if (w <= 0 || h <= 0 || fields[2] != 255 || bytes.size() - p < qsizetype(w) * h * channels)
        return {};
    QImage image(w, h, QImage::Format_RGB888);
    const auto* src = reinterpret_cast<const uint8_t*>(bytes.constData() + p);
    for (int y = 0; y < h; ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < w; ++x, src += channels)
            for (int c = 0; c < 3; ++c)
                row[3 * x + c] = src[grey ? 0 : c];
    }
    return image;
}

QImage toImage(const PixelBuffer& buffer)
{
    if (buffer.empty())
        return {};
    return QImage(buffer.data.get(), buffer.width, buffer.height, qsizetype(buffer.rowBytes()), QImage::Format_RGB888)
        .copy();
}

PixelDiff compare(const QImage& a, const QImage& b, int margin)
{
    PixelDiff d;
    d.sameSize = !a.isNull() && a.size() == b.size();
    if (!d.sameSize)
        return d;
    const QImage x = a.convertToFormat(QImage::Format_RGB888);
    const QImage y = b.convertToFormat(QImage::Format_RGB888);
    double sum = 0;
    qint64 n = 0;
    for (int row = margin; row < x.height() - margin; ++row) {
        const uchar* p = x.constScanLine(row);
        const uchar* q = y.constScanLine(row);
        for (int i = margin * 3; i < (x.width() - margin) * 3; ++i, ++n) {
            const int diff = std::abs(int(p[i]) - int(q[i]));
            d.maxDiff = std::max(d.maxDiff, diff);
            sum += diff;
        }
    }
    d.meanDiff = n ? sum / double(n) : 0;
    return d;
}

} // namespace vistello::test::decode
