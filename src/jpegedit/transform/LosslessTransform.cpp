#include "jpegedit/transform/LosslessTransform.h"

#include "jpegedit/exifupkeep/ExifFieldUpdate.h"
#include "jpegedit/transform/ThumbnailUpdate.h"
#include "jpegedit/transform/BlockTransforms.h"
#include "jpegedit/transform/JpegStreams.h"
#include "jpegedit/transform/TransformLimits.h"
#include "jpegmeta/segments/JpegMarkers.h"
#include "jpegmeta/segments/SegmentCopyPolicy.h"

#include <algorithm>
#include <csetjmp>
#include <jerror.h>
#include <utility>

namespace vistello {

namespace {

// The crop of the main picture, scaled to an embedded thumbnail.
void scaleCrop(TransformRequest& r, int fromWidth, int fromHeight, int toWidth, int toHeight)
{
    const auto scale = [](int64_t v, int64_t to, int64_t from) { return int(v * to / from); };
    const int w = r.cropW == 0 ? 0 : std::max(1, scale(r.cropW, toWidth, fromWidth));
    const int h = r.cropH == 0 ? 0 : std::max(1, scale(r.cropH, toHeight, fromHeight));
    r.setCrop(scale(r.cropX, toWidth, fromWidth), scale(r.cropY, toHeight, fromHeight), w, h);
    r.crop = true;
}

[[noreturn]] void fail(JpegErrorTrap& trap, const char* text)
{
    std::snprintf(trap.message, sizeof trap.message, "%s", text);
    std::longjmp(trap.jump, 1);
}

} // namespace

LosslessTransform::LosslessTransform(const TransformRequest& request, const Options& options)
    : request_(request), options_(options)
{
}

LosslessTransform::~LosslessTransform()
{
    if (outputCreated_)
        jpeg_destroy_compress(&output_);
    if (sourceCreated_)
        jpeg_destroy_decompress(&source_);
}

QString LosslessTransform::libraryMessage() const
{
    const char* m = failedInSource_ ? sourceTrap_.message : outputTrap_.message;
    if (!*m)
        m = *sourceTrap_.message ? sourceTrap_.message : outputTrap_.message;
    return QString::fromLocal8Bit(m);
}

bool LosslessTransform::writeFailed() const
{
    return outputCreated_ && !failedInSource_ && outputTrap_.manager.msg_code == JERR_FILE_WRITE;
}

bool LosslessTransform::run(const uint8_t* data, size_t size, TransformDestination& destination)
{
    if (request_.crop && (request_.cropX < 0 || request_.cropY < 0 || request_.cropW < 0 || request_.cropH < 0)) {
        geometryFailure_ = GeometryFailure::BadCrop;
        return false;
    }
    if (!data || size == 0 || !readHeader(data, size) || !withinLimits(size))
        return false;

    const SourceLayout layout = sourceLayout();
    TransformRequest geometryRequest = request_;
    if (options_.pictureFile) {
        for (jpeg_saved_marker_ptr m = source_.marker_list; m; m = m->next)
            segments_.push_back(SavedMarker{m->marker, m->original_length,
                                            QByteArray(reinterpret_cast<const char*>(m->data), qsizetype(m->data_length))});
        if (request_.adjustThumbnails)
            updateThumbnails(segments_, MainPictureInfo{layout.width, layout.height, layout.maxH, layout.maxV}, request_);
    } else if (options_.cropRight > 0) {
        if (options_.cropRight > layout.width)
            return false;
        const int w = options_.cropRight == layout.width ? 1 : layout.width - options_.cropRight;
        geometryRequest.setCrop(0, 0, w, std::max(1, int(int64_t(w) * layout.height / layout.width)));
    } else if (request_.crop && options_.mainWidth > 0 && options_.mainHeight > 0) {
        const bool swapped = swapsSides(effectiveOp(request_));
        scaleCrop(geometryRequest, swapped ? options_.mainHeight : options_.mainWidth,
                  swapped ? options_.mainWidth : options_.mainHeight, swapped ? layout.height : layout.width,
                  swapped ? layout.width : layout.height);
    }

    const GeometryResult result = computeGeometry(layout, geometryRequest);
    if (!result.geometry) {
        geometryFailure_ = result.failure;
        return false;
    }
    geometry_ = *result.geometry;
    if (!readCoefficients())
        return false;
    if (options_.sourceConsumed)
        options_.sourceConsumed(options_.context);

    if (options_.pictureFile) {
        updateExif();
        segmentViews_.reserve(segments_.size());
        for (SavedMarker& m : segments_)
            segmentViews_.push_back(SavedMarkerView{m.marker, m.originalLength, reinterpret_cast<const uint8_t*>(m.data.data()),
                                                    uint32_t(m.data.size())});
    }
    return write(destination);
}

bool LosslessTransform::readHeader(const uint8_t* data, size_t size)
{
    source_.err = sourceTrap_.install();
    failedInSource_ = true;
    if (setjmp(sourceTrap_.jump))
        return false;
    sourceCreated_ = true;
    jpeg_create_decompress(&source_);
    scanLimit_.trap = &sourceTrap_;
    scanLimit_.manager.progress_monitor = [](j_common_ptr cinfo) {
        auto* limit = reinterpret_cast<ScanLimit*>(cinfo->progress);
        if (cinfo->is_decompressor && reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > kMaxTransformScans)
            fail(*limit->trap, "Too many scans in the picture");
    };
    source_.progress = &scanLimit_.manager;
    attachMemorySource(source_, data, size);
    if (options_.pictureFile)
        saveAllHeaderMarkers(source_);
    jpeg_read_header(&source_, TRUE);
    return true;
}

bool LosslessTransform::withinLimits(size_t size)
{
    failedInSource_ = true;
    if (setjmp(sourceTrap_.jump))
        return false;
    const int64_t needed = coefficientBytes(source_);
    const int64_t allowed = options_.maxCoefficientBytes > 0 ? options_.maxCoefficientBytes
                                                             : coefficientAllowance(size, source_.arith_code);
    if (needed > std::min(allowed, kMaxCoefficientBytes))
        fail(sourceTrap_, needed > kMaxCoefficientBytes ? "Picture too large for a lossless transform"
                                                        : "Picture size in the header too large for the file's data");
    // The library's own limit backs this up; saved header segments count
    // towards it too and take at most the file's size.
    source_.mem->max_memory_to_use = long(needed + int64_t(size) + (int64_t(16) << 20));
    return true;
}

SourceLayout LosslessTransform::sourceLayout() const
{
    SourceLayout s;
    s.width = int(std::min<JDIMENSION>(source_.image_width, 65535));
    s.height = int(std::min<JDIMENSION>(source_.image_height, 65535));
    s.components = source_.num_components;
    s.yCbCr = source_.jpeg_color_space == JCS_YCbCr && source_.num_components == 3;
    s.maxH = source_.max_h_samp_factor;
    s.maxV = source_.max_v_samp_factor;
    for (int i = 0; i < std::min(source_.num_components, kMaxComponents); ++i) {
        s.h[size_t(i)] = source_.comp_info[i].h_samp_factor;
        s.v[size_t(i)] = source_.comp_info[i].v_samp_factor;
    }
    return s;
}

bool LosslessTransform::readCoefficients()
{
    failedInSource_ = true;
    if (setjmp(sourceTrap_.jump))
        return false;
    sourceArrays_ = jpeg_read_coefficients(&source_);
    if (!sourceArrays_)
        return false;
    if (!geometry_.inPlace)
        fetchSourceRows(source_, sourceArrays_, geometry_.components, sourceRows_);
    return true;
}

void LosslessTransform::adjustParameters()
{
    if (request_.forceGray) {
        const bool colour = output_.jpeg_color_space == JCS_YCbCr && output_.num_components == 3;
        const bool grey = output_.jpeg_color_space == JCS_GRAYSCALE && output_.num_components == 1;
        const jpeg_component_info& first = output_.comp_info[0];
        if (!(colour || grey) || first.h_samp_factor != source_.max_h_samp_factor ||
            first.v_samp_factor != source_.max_v_samp_factor)
            ERREXIT(&output_, JERR_CONVERSION_NOTIMPL);
        const int table = first.quant_tbl_no;
        jpeg_set_colorspace(&output_, JCS_GRAYSCALE);
        output_.comp_info[0].quant_tbl_no = table;
    } else if (output_.num_components == 1) {
        output_.comp_info[0].h_samp_factor = 1;
        output_.comp_info[0].v_samp_factor = 1;
    }
    output_.image_width = JDIMENSION(geometry_.outputWidth);
    output_.image_height = JDIMENSION(geometry_.outputHeight);
    if (swapsSides(geometry_.op)) {
        for (int ci = 0; ci < output_.num_components; ++ci)
            std::swap(output_.comp_info[ci].h_samp_factor, output_.comp_info[ci].v_samp_factor);
        for (JQUANT_TBL* table : output_.quant_tbl_ptrs) {
            if (!table)
                continue;
            for (int r = 0; r < DCTSIZE; ++r)
                for (int c = r + 1; c < DCTSIZE; ++c)
                    std::swap(table->quantval[r * DCTSIZE + c], table->quantval[c * DCTSIZE + r]);
        }
    }
}

void LosslessTransform::updateExif()
{
    ExifFieldChanges changes;
    changes.setSize = geometry_.outputWidth != int(source_.image_width) || geometry_.outputHeight != int(source_.image_height);
    changes.width = geometry_.outputWidth;
    changes.height = geometry_.outputHeight;
    changes.resetOrientation = request_.autoRotation();
    for (SavedMarker& m : segments_) {
        const auto* p = reinterpret_cast<const uint8_t*>(m.data.constData());
        if (jpeg::isExif(m.marker, p, m.data.size()))
            updateExifFields(reinterpret_cast<uint8_t*>(m.data.data()), m.data.size(), changes);
    }
}

bool LosslessTransform::write(TransformDestination& destination)
{
    failedInSource_ = true;
    if (setjmp(sourceTrap_.jump))
        return false;
    output_.err = outputTrap_.install();
    if (setjmp(outputTrap_.jump)) {
        failedInSource_ = false;
        return false;
    }
    outputCreated_ = true;
    jpeg_create_compress(&output_);
    jpeg_copy_critical_parameters(&source_, &output_);
    adjustParameters();
    if (options_.pictureFile)
        chooseJfifForLosslessTransform(source_, output_);
    else
        output_.write_JFIF_header = FALSE;
    output_.optimize_coding = TRUE;
    if (destination.device)
        attachDeviceDestination(output_, *destination.device);
    else
        attachFixedMemoryDestination(output_, destination.buffer, destination.capacity);

    jvirt_barray_ptr* outputArrays =
        geometry_.inPlace ? sourceArrays_ : outputRows_.attach(output_, sourceRows_, geometry_);
    jpeg_write_coefficients(&output_, outputArrays);
    if (options_.pictureFile)
        copySavedSegments(segmentViews_, output_);
    if (geometry_.inPlace && geometry_.op == TransformOp::FlipH)
        flipInPlace(source_, sourceArrays_, geometry_);
    jpeg_finish_compress(&output_);
    jpeg_finish_decompress(&source_);
    if (!destination.device)
        destination.written = writtenBytes(output_);
    return true;
}

} // namespace vistello
