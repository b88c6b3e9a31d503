#include "app/samples/JpegWriter.h"

#include "jpegmeta/segments/JpegErrorTrap.h"

namespace vistello::samples {

namespace {

constexpr int kMaxMarkerPayload = 0xFFFF - 2;

// Collects the compressed stream into a QByteArray owned by the caller.
struct ByteArrayDestination {
    jpeg_destination_mgr pub;
    QByteArray* out;
    JOCTET buffer[16384];
};

void initDestination(j_compress_ptr cinfo)
{
    auto* dest = reinterpret_cast<ByteArrayDestination*>(cinfo->dest);
    dest->pub.next_output_byte = dest->buffer;
    dest->pub.free_in_buffer = sizeof dest->buffer;
}

boolean flushDestination(j_compress_ptr cinfo)
{
    auto* dest = reinterpret_cast<ByteArrayDestination*>(cinfo->dest);
    dest->out->append(reinterpret_cast<const char*>(dest->buffer), qsizetype(sizeof dest->buffer));
    dest->pub.next_output_byte = dest->buffer;
    dest->pub.free_in_buffer = sizeof dest->buffer;
    return TRUE;
}

void termDestination(j_compress_ptr cinfo)
{
    auto* dest = reinterpret_cast<ByteArrayDestination*>(cinfo->dest);
    const size_t used = sizeof dest->buffer - dest->pub.free_in_buffer;
    dest->out->append(reinterpret_cast<const char*>(dest->buffer), qsizetype(used));
}

void setSampling(jpeg_compress_struct& cinfo, ChromaSampling sampling)
{
    if (sampling == ChromaSampling::Grey) {
        jpeg_set_colorspace(&cinfo, JCS_GRAYSCALE);
        return;
    }
    jpeg_set_colorspace(&cinfo, JCS_YCbCr);
    cinfo.comp_info[0].h_samp_factor = sampling == ChromaSampling::Yuv444 ? 1 : 2;
    cinfo.comp_info[0].v_samp_factor = sampling == ChromaSampling::Yuv420 ? 2 : 1;
    for (int c = 1; c < 3; ++c) {
        cinfo.comp_info[c].h_samp_factor = 1;
        cinfo.comp_info[c].v_samp_factor = 1;
    }
}

// Runs the library between one recovery point and its release. Nothing with
// a destructor lives in this frame, so the error jump skips no cleanup.
bool compress(const QImage& pixels, const JpegWriteOptions& options, QByteArray* out)
{
    jpeg_compress_struct cinfo;
    JpegErrorTrap trap;
    ByteArrayDestination dest;
    cinfo.err = trap.install();
    if (setjmp(trap.jump)) {
        jpeg_destroy_compress(&cinfo);
        return false;
    }
    jpeg_create_compress(&cinfo);

    dest.pub.init_destination = initDestination;
    dest.pub.empty_output_buffer = flushDestination;
    dest.pub.term_destination = termDestination;
    dest.out = out;
    cinfo.dest = &dest.pub;

    const bool greyInput = pixels.format() == QImage::Format_Grayscale8;
    cinfo.image_width = JDIMENSION(pixels.width());
    cinfo.image_height = JDIMENSION(pixels.height());
    cinfo.input_components = greyInput ? 1 : 3;
    cinfo.in_color_space = greyInput ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    setSampling(cinfo, options.sampling);
    jpeg_set_quality(&cinfo, options.quality, TRUE);
    cinfo.write_JFIF_header = options.writeJfif ? TRUE : FALSE;
    cinfo.write_Adobe_marker = FALSE;
    cinfo.restart_interval = options.restartInterval;
    if (options.progressive)
        jpeg_simple_progression(&cinfo);

    jpeg_start_compress(&cinfo, TRUE);
    for (const JpegMarker& m : options.markers)
        jpeg_write_marker(&cinfo, m.marker, reinterpret_cast<const JOCTET*>(m.payload.constData()),
                          unsigned(m.payload.size()));
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(pixels.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return true;
}

bool validOptions(const QImage& image, const JpegWriteOptions& options)
{
    if (image.isNull())
        return false;
    if (options.quality < 1 || options.quality > 100 || options.restartInterval > 0xFFFF)
        return false;
    for (const JpegMarker& m : options.markers) {
        const bool appOrCom = (m.marker >= 0xE0 && m.marker <= 0xEF) || m.marker == 0xFE;
        if (!appOrCom || m.payload.size() > kMaxMarkerPayload)
            return false;
    }
    return true;
}

} // namespace

QByteArray JpegWriter::encode(const QImage& image, const JpegWriteOptions& options)
{
    if (!validOptions(image, options))
        return {};
    const bool keepGrey = image.format() == QImage::Format_Grayscale8 && options.sampling == ChromaSampling::Grey;
    const QImage pixels = keepGrey ? image : image.convertToFormat(QImage::Format_RGB888);
    QByteArray out;
    if (!compress(pixels, options, &out))
        return {};
    return out;
}

} // namespace vistello::samples
