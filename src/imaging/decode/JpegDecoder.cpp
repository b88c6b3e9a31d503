#include "imaging/decode/JpegDecoder.h"

#include "imaging/colour/ColourTransform.h"
#include "imaging/decode/CmykToRgb.h"
#include "imaging/decode/DecodeMessage.h"
#include "imaging/scale/BufferLimits.h"
#include "jpegmeta/segments/IccProfile.h"
#include "jpegmeta/segments/JpegErrorTrap.h"
#include "jpegmeta/segments/SavedMarker.h"
#include "platform/HugePages.h"

#include <QFile>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <optional>
#include <vector>

namespace vistello {

namespace {

// The library calls the monitor while it reads and decodes; it is where a
// stop request and a flood of progressive scans end the attempt.
struct Progress {
    jpeg_progress_mgr manager; // first member: the library hands it back
    JpegErrorTrap* trap;
    const std::atomic<bool>* stopFlag;
    int maxScans;
};

bool stopRequested(const std::atomic<bool>* flag)
{
    return flag && flag->load(std::memory_order_relaxed);
}

[[noreturn]] void abortAttempt(JpegErrorTrap& trap, const char* text)
{
    std::snprintf(trap.message, sizeof trap.message, "%s", text);
    std::longjmp(trap.jump, 1);
}

void onProgress(j_common_ptr cinfo)
{
    auto* progress = reinterpret_cast<Progress*>(cinfo->progress);
    if (stopRequested(progress->stopFlag))
        abortAttempt(*progress->trap, "Decoding stopped");
    if (cinfo->is_decompressor && reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > progress->maxScans)
        abortAttempt(*progress->trap, "Too many scans in the picture");
}

// Everything an attempt allocates outside the library. The caller owns and
// releases it, so that a jump back out of the library skips no destructor.
struct AttemptState {
    const JpegDecodeRequest* request = nullptr;
    const uint8_t* data = nullptr;
    size_t length = 0;
    std::FILE* file = nullptr; // read instead of data when set
    JpegHeaderInfo header;
    uint8_t* pixels = nullptr;  // new[]: the result
    uint8_t* scratch = nullptr; // new[]: one grey or CMYK row
    uint8_t* regionRow = nullptr; // new[]: one cropped RGB row of a region
    ColourTransform* transform = nullptr;
    int width = 0;
    int height = 0;
};

ColourTransform* embeddedTransform(const jpeg_decompress_struct& cinfo, ColourTransform::Input input)
{
    const std::vector<SavedMarkerView> markers = savedMarkers(cinfo);
    const std::optional<QByteArray> icc = assembleIccProfile(markers);
    return icc ? ColourTransform::fromEmbeddedProfile(*icc, input).release() : nullptr;
}

void startAttempt(jpeg_decompress_struct& cinfo, Progress& progress, JpegErrorTrap& trap, const AttemptState& s)
{
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = s.request->limits.maxLibraryMemory;
    progress.manager.progress_monitor = onProgress;
    progress.trap = &trap;
    progress.stopFlag = s.request->stopFlag;
    progress.maxScans = s.request->limits.maxScans;
    cinfo.progress = &progress.manager;
    if (s.file)
        jpeg_stdio_src(&cinfo, s.file);
    else
        jpeg_mem_src(&cinfo, s.data, static_cast<unsigned long>(s.length));
}

JpegHeaderInfo headerOf(const jpeg_decompress_struct& cinfo)
{
    return {int(cinfo.image_width), int(cinfo.image_height), 8 * cinfo.max_h_samp_factor,
            8 * cinfo.max_v_samp_factor};
}

// No object with a destructor may live in this frame while the library runs.
bool runAttempt(AttemptState& s)
{
    JpegErrorTrap trap;
    Progress progress;
    jpeg_decompress_struct cinfo;
    std::memset(&cinfo, 0, sizeof cinfo);
    std::memset(&progress, 0, sizeof progress);
    cinfo.err = trap.install();
    if (setjmp(trap.jump)) {
        setLastDecodeMessage(trap.message);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    startAttempt(cinfo, progress, trap, s);
    jpeg_save_markers(&cinfo, JPEG_APP0 + 2, 0xFFFF);
    jpeg_read_header(&cinfo, TRUE);
    if (cinfo.image_width == 0 || cinfo.image_height == 0)
        abortAttempt(trap, "Empty picture");
    s.header = headerOf(cinfo);

    const JpegDecodeRequest& request = *s.request;
    JpegScaleRequest scaleRequest = request.scale;
    scaleRequest.imageWidth = s.header.imageWidth;
    scaleRequest.imageHeight = s.header.imageHeight;
    const JpegScale scale = chooseJpegScale(scaleRequest);
    cinfo.scale_num = unsigned(scale.num);
    cinfo.scale_denom = unsigned(scale.denom);
    if (request.fastDecode) {
        cinfo.dct_method = JDCT_IFAST;
        cinfo.do_fancy_upsampling = FALSE;
        cinfo.do_block_smoothing = FALSE;
    }
    const J_COLOR_SPACE space = cinfo.out_color_space;
    if (space != JCS_RGB && space != JCS_GRAYSCALE && space != JCS_CMYK)
        abortAttempt(trap, "Unsupported color space");

    jpeg_calc_output_dimensions(&cinfo);
    QRect region(0, 0, int(cinfo.output_width), int(cinfo.output_height));
    if (!request.region.isEmpty())
        region &= request.region;
    if (region.isEmpty())
        abortAttempt(trap, "Region outside the picture");
    const int64_t width = region.width();
    const int64_t height = region.height();
    if (!fitsBufferCap(width, height, packedRowBytes(width)) || height * packedRowBytes(width) > request.limits.maxOutputBytes)
        abortAttempt(trap, "Picture too large");
    s.width = int(width);
    s.height = int(height);
    s.pixels = new (std::nothrow) uint8_t[size_t(height * packedRowBytes(width))];
    if (!s.pixels)
        abortAttempt(trap, "Out of memory");
    adviseHugePages(s.pixels, size_t(height * packedRowBytes(width)));
    const bool adobe = cinfo.saw_Adobe_marker;
    if (space == JCS_CMYK)
        s.transform = embeddedTransform(cinfo, adobe ? ColourTransform::Input::InvertedCmyk : ColourTransform::Input::Cmyk);
    else if (space == JCS_RGB && request.useColourProfiles)
        s.transform = embeddedTransform(cinfo, ColourTransform::Input::Rgb);
    const int64_t fullWidth = cinfo.output_width;
    if (space != JCS_RGB) {
        s.scratch = new (std::nothrow) uint8_t[size_t(fullWidth) * (space == JCS_CMYK ? 4 : 1)];
        if (!s.scratch)
            abortAttempt(trap, "Out of memory");
    }

    jpeg_start_decompress(&cinfo);
    // The library widens the columns to its block edges: `shift` columns
    // come before the region's first. A column more on each side keeps the
    // neighbours chroma upsampling reads, so the edges match a whole decode.
    const int cropLeft = std::max(region.x() - 1, 0);
    const int cropRight = std::min(region.x() + region.width() + 1, int(cinfo.output_width));
    JDIMENSION cropX = JDIMENSION(cropLeft);
    JDIMENSION cropWidth = JDIMENSION(cropRight - cropLeft);
    const bool cropped = cropWidth < cinfo.output_width;
    if (cropped)
        jpeg_crop_scanline(&cinfo, &cropX, &cropWidth);
    const int shift = region.x() - int(cropX);
    const int channels = space == JCS_RGB ? 3 : space == JCS_CMYK ? 4 : 1;
    if (cropped && space == JCS_RGB) {
        s.regionRow = new (std::nothrow) uint8_t[size_t(cropWidth) * 3];
        if (!s.regionRow)
            abortAttempt(trap, "Out of memory");
    }
    if (region.y() > 0 && jpeg_skip_scanlines(&cinfo, JDIMENSION(region.y())) != JDIMENSION(region.y()))
        abortAttempt(trap, "Premature end of picture");
    const size_t stride = size_t(packedRowBytes(width));
    for (int y = 0; y < s.height; ++y) {
        if (stopRequested(request.stopFlag))
            abortAttempt(trap, "Decoding stopped");
        uint8_t* row = s.pixels + size_t(y) * stride;
        JSAMPROW target = s.scratch ? s.scratch : s.regionRow ? s.regionRow : row;
        if (jpeg_read_scanlines(&cinfo, &target, 1) != 1)
            abortAttempt(trap, "Premature end of picture");
        if (request.strict && trap.warnings > 0)
            abortAttempt(trap, trap.firstWarning);
        const uint8_t* source = target + size_t(shift) * size_t(channels);
        if (space == JCS_RGB) {
            if (s.regionRow)
                std::memcpy(row, source, size_t(s.width) * 3);
            if (s.transform)
                s.transform->transformRow(row, s.width);
        } else if (space == JCS_GRAYSCALE) {
            for (int x = 0; x < s.width; ++x)
                row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = source[x];
        } else if (s.transform) {
            s.transform->transformRow(source, row, s.width);
        } else {
            cmykRowToRgb(source, row, s.width, adobe);
        }
    }
    if (s.height < int(cinfo.output_height) - region.y() || region.y() > 0) {
        // A region ends before the picture: the rest is never read.
        jpeg_destroy_decompress(&cinfo);
        return true;
    }
    // Every row is out: whatever follows the picture data cannot spoil it,
    // so the rest of the stream is read only when it must be flawless.
    if (request.strict) {
        jpeg_finish_decompress(&cinfo);
        if (trap.warnings > 0)
            abortAttempt(trap, trap.firstWarning);
    }
    jpeg_destroy_decompress(&cinfo);
    return true;
}

// Reads from memory, or from file when it is set.
bool runHeaderRead(const uint8_t* data, size_t length, std::FILE* file, JpegHeaderInfo& out)
{
    JpegErrorTrap trap;
    jpeg_decompress_struct cinfo;
    std::memset(&cinfo, 0, sizeof cinfo);
    cinfo.err = trap.install();
    if (setjmp(trap.jump)) {
        setLastDecodeMessage(trap.message);
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    if (file)
        jpeg_stdio_src(&cinfo, file);
    else
        jpeg_mem_src(&cinfo, data, static_cast<unsigned long>(length));
    jpeg_read_header(&cinfo, TRUE);
    out = headerOf(cinfo);
    jpeg_destroy_decompress(&cinfo);
    return out.imageWidth > 0 && out.imageHeight > 0;
}

// Takes the attempt's pixels and frees its working memory.
JpegDecodeResult finishAttempt(AttemptState& s, bool ok)
{
    JpegDecodeResult result;
    std::unique_ptr<uint8_t[]> pixels(s.pixels);
    delete[] s.scratch;
    delete[] s.regionRow;
    delete s.transform;
    result.header = s.header;
    if (ok) {
        result.pixels.data = std::move(pixels);
        result.pixels.width = s.width;
        result.pixels.height = s.height;
    }
    return result;
}

} // namespace

JpegDecodeResult decodeJpeg(const uint8_t* data, size_t length, const JpegDecodeRequest& request)
{
    if (!data || length < 4)
        return {};
    AttemptState s;
    s.request = &request;
    s.data = data;
    s.length = length;
    return finishAttempt(s, runAttempt(s));
}

JpegDecodeResult decodeJpegFile(const QString& path, const JpegDecodeRequest& request)
{
    std::FILE* file = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (!file)
        return {};
    AttemptState s;
    s.request = &request;
    s.file = file;
    const bool ok = runAttempt(s);
    std::fclose(file);
    return finishAttempt(s, ok);
}

bool readJpegHeader(const uint8_t* data, size_t length, JpegHeaderInfo& out)
{
    out = {};
    return data && length >= 4 && runHeaderRead(data, length, nullptr, out);
}

bool readJpegHeader(const QString& path, JpegHeaderInfo& out)
{
    out = {};
    std::FILE* file = std::fopen(QFile::encodeName(path).constData(), "rb");
    if (!file)
        return false;
    const bool ok = runHeaderRead(nullptr, 0, file, out);
    std::fclose(file);
    return ok;
}

} // namespace vistello
