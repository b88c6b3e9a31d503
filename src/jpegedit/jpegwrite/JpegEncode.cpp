#include "jpegedit/jpegwrite/JpegEncode.h"

#include "jpegedit/transform/JpegStreams.h"
#include "jpegmeta/segments/JpegErrorTrap.h"
#include "jpegmeta/segments/SegmentCopyPolicy.h"

#include <QBuffer>
#include <algorithm>
#include <cstring>

namespace vistello {

namespace {

constexpr int kMaxBlocksInMcu = 10; // the library refuses more

// Keeps the old factors only when the library can write them; else its defaults.
void applySampling(jpeg_compress_struct& cinfo, const JpegEncodeSettings& settings)
{
    if (settings.fullChroma) {
        for (int c = 0; c < cinfo.num_components; ++c)
            cinfo.comp_info[c].h_samp_factor = cinfo.comp_info[c].v_samp_factor = 1;
        return;
    }
    const size_t count = std::min(settings.sampling.size(), size_t(cinfo.num_components));
    int blocks = 0;
    for (size_t c = 0; c < size_t(cinfo.num_components); ++c) {
        const SamplingFactor f = c < count ? settings.sampling[c] : SamplingFactor{};
        if (f.horizontal < 1 || f.horizontal > MAX_SAMP_FACTOR || f.vertical < 1 || f.vertical > MAX_SAMP_FACTOR)
            return;
        blocks += f.horizontal * f.vertical;
    }
    if (count == 0 || blocks > kMaxBlocksInMcu)
        return;
    for (size_t c = 0; c < size_t(cinfo.num_components); ++c) {
        const SamplingFactor f = c < count ? settings.sampling[c] : SamplingFactor{};
        cinfo.comp_info[c].h_samp_factor = f.horizontal;
        cinfo.comp_info[c].v_samp_factor = f.vertical;
    }
}

struct EncodeState {
    const PixelBuffer* pixels = nullptr;
    const JpegEncodeSettings* settings = nullptr;
    QBuffer* out = nullptr;
};

// No object with a destructor may live in this frame while the library runs.
bool runEncode(jpeg_compress_struct* cinfo, JpegErrorTrap* trap, EncodeState* s)
{
    cinfo->err = trap->install();
    if (setjmp(trap->jump))
        return false;
    jpeg_create_compress(cinfo);
    attachDeviceDestination(*cinfo, *s->out);
    cinfo->image_width = JDIMENSION(s->pixels->width);
    cinfo->image_height = JDIMENSION(s->pixels->height);
    cinfo->input_components = 3;
    cinfo->in_color_space = JCS_RGB;
    jpeg_set_defaults(cinfo);
    const JpegEncodeSettings& settings = *s->settings;
    setQuantisationTables(*cinfo, settings.qualities);
    applySampling(*cinfo, settings);

    bool ownNewHeaders = false;
    switch (settings.headers) {
    case JpegHeaders::LibraryJfif:
        break;
    case JpegHeaders::None:
        cinfo->write_JFIF_header = FALSE;
        break;
    case JpegHeaders::NewFile:
        ownNewHeaders = prepareNewJpegHeaders(*cinfo, settings.thumbnail);
        break;
    case JpegHeaders::Reencode:
        chooseJfifForReencode(settings.carried, *cinfo);
        break;
    }
    jpeg_start_compress(cinfo, TRUE);
    if (ownNewHeaders)
        writeNewJpegHeaders(*cinfo, settings.thumbnail);
    if (settings.headers == JpegHeaders::Reencode)
        copySegmentsForReencode(settings.carried, *cinfo, settings.dropIccChunks);

    const size_t stride = s->pixels->rowBytes();
    while (cinfo->next_scanline < cinfo->image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(s->pixels->data.get() + stride * cinfo->next_scanline);
        jpeg_write_scanlines(cinfo, &row, 1);
    }
    jpeg_finish_compress(cinfo);
    return true;
}

} // namespace

std::optional<QByteArray> encodeJpeg(const PixelBuffer& pixels, const JpegEncodeSettings& settings, QString* error)
{
    if (pixels.empty() || pixels.width > JPEG_MAX_DIMENSION || pixels.height > JPEG_MAX_DIMENSION) {
        if (error)
            *error = QStringLiteral("No picture, or one too large for JPEG");
        return std::nullopt;
    }
    jpeg_compress_struct cinfo;
    std::memset(&cinfo, 0, sizeof cinfo);
    JpegErrorTrap trap;
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    EncodeState state;
    state.pixels = &pixels;
    state.settings = &settings;
    state.out = &out;
    const bool ok = runEncode(&cinfo, &trap, &state);
    jpeg_destroy_compress(&cinfo);
    if (!ok) {
        if (error)
            *error = QString::fromLocal8Bit(trap.message);
        return std::nullopt;
    }
    return out.data();
}

} // namespace vistello
