#pragma once
// The lossless engine for one JPEG stream: reads the quantized coefficients
// through the JPEG library (within TransformLimits), moves the blocks as the
// compressor asks for them (OutputRows), and writes a new stream with the
// same quantization. run() goes through the phases in
// order; each library call sits inside its phase's error recovery, after
// which the object releases everything in its destructor.
#include "jpegedit/transform/BlockTransforms.h"
#include "jpegedit/transform/OutputRows.h"
#include "jpegedit/transform/TransformGeometry.h"
#include "jpegedit/transform/TransformRequest.h"
#include "jpegmeta/segments/JpegErrorTrap.h"
#include "jpegmeta/segments/SavedMarker.h"
#include "jpegmeta/segments/SavedMarkerReader.h"

#include <QIODevice>
#include <QString>
#include <cstdint>
#include <vector>

namespace vistello {

// Where the new stream goes: a device, or a buffer of fixed capacity.
struct TransformDestination {
    QIODevice* device = nullptr;
    uint8_t* buffer = nullptr;
    size_t capacity = 0;
    size_t written = 0; // set after a buffer was filled
};

class LosslessTransform {
public:
    struct Options {
        // A picture file: header segments carried over, EXIF fields kept
        // true and (with request.adjustThumbnails) thumbnails transformed.
        // Otherwise a bare stream (an embedded thumbnail): no segments, no
        // JFIF header.
        bool pictureFile = true;
        // For an embedded thumbnail: the main picture's size, to scale a crop.
        int mainWidth = 0;
        int mainHeight = 0;
        // Crop this many pixels from the right, the height kept in
        // proportion (fitting a thumbnail into a smaller space).
        int cropRight = 0;
        // Coefficient memory the source may claim; 0: the usual allowance
        // for its size (TransformLimits).
        int64_t maxCoefficientBytes = 0;
        // Called once the source buffer is no longer needed (it may be freed).
        void (*sourceConsumed)(void* context) = nullptr;
        void* context = nullptr;
    };

    LosslessTransform(const TransformRequest& request, const Options& options);
    ~LosslessTransform();
    LosslessTransform(const LosslessTransform&) = delete;
    LosslessTransform& operator=(const LosslessTransform&) = delete;

    // data must end in a way the library accepts; the file-level callers add
    // an EOI behind the file's bytes.
    bool run(const uint8_t* data, size_t size, TransformDestination& destination);

    GeometryFailure geometryFailure() const { return geometryFailure_; }
    // The library's message after a failure (empty otherwise).
    QString libraryMessage() const;
    // True when the failure was a write to the destination device.
    bool writeFailed() const;
    int outputWidth() const { return geometry_.outputWidth; }
    int outputHeight() const { return geometry_.outputHeight; }

private:
    bool readHeader(const uint8_t* data, size_t size);
    bool withinLimits(size_t size);
    SourceLayout sourceLayout() const;
    bool readCoefficients();
    bool write(TransformDestination& destination);
    void adjustParameters();
    void updateExif();

    TransformRequest request_;
    Options options_;
    jpeg_decompress_struct source_{};
    jpeg_compress_struct output_{};
    JpegErrorTrap sourceTrap_;
    JpegErrorTrap outputTrap_;
    bool sourceCreated_ = false;
    bool outputCreated_ = false;
    bool failedInSource_ = false;
    std::vector<SavedMarker> segments_;
    std::vector<SavedMarkerView> segmentViews_;
    TransformGeometry geometry_;
    GeometryFailure geometryFailure_ = GeometryFailure::None;
    jvirt_barray_ptr* sourceArrays_ = nullptr;
    SourceRows sourceRows_;
    OutputRows outputRows_;
    struct ScanLimit {
        jpeg_progress_mgr manager; // first member: the library hands it back
        JpegErrorTrap* trap;
    } scanLimit_{};
};

} // namespace vistello
