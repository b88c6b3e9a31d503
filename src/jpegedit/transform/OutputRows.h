#pragma once
// The compressor's coefficient arrays, made on demand: the engine hands
// jpeg_write_coefficients handles of its own and takes over the compressor's
// virtual-array access, so each request for block rows is answered by
// transforming those rows from the source into a strip of a few rows. The
// compressor reads every row once per pass (statistics for the optimized
// Huffman tables, then the output), so a row is made twice, cheaply, while
// a whole second set of arrays is never allocated.
#include "jpegedit/transform/BlockTransforms.h"
#include "jpegedit/transform/TransformGeometry.h"

#include <cstdio>
#include <jpeglib.h>

namespace vistello {

class OutputRows {
public:
    // Takes over output's array access (and its client_data); the arrays to
    // pass to jpeg_write_coefficients. Inside the engine's error recovery
    // scope. source and geometry must outlive the compressor's work.
    jvirt_barray_ptr* attach(jpeg_compress_struct& output, const SourceRows& source, const TransformGeometry& geometry);

private:
    static JBLOCKARRAY access(j_common_ptr cinfo, jvirt_barray_ptr array, JDIMENSION startRow, JDIMENSION rows,
                              boolean writable);

    struct Strip {
        JBLOCKARRAY rows = nullptr;
        JDIMENSION capacity = 0; // rows
    };

    const SourceRows* source_ = nullptr;
    const TransformGeometry* geometry_ = nullptr;
    Strip strips_[kMaxComponents];
    jvirt_barray_ptr handles_[kMaxComponents] = {};
    JBLOCKARRAY (*libraryAccess_)(j_common_ptr, jvirt_barray_ptr, JDIMENSION, JDIMENSION, boolean) = nullptr;
};

} // namespace vistello
