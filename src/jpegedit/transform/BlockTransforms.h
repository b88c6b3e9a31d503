#pragma once
// Moving and sign-flipping 8 × 8 coefficient blocks (natural order, index
// row × 8 + column). The output is made a few block rows at a time, when the
// compressor asks for them, straight from the source rows, so no second set
// of coefficient arrays is ever held. One function per operation, all with
// the same parameters; transformRows dispatches on the geometry's operation.
#include "jpegedit/transform/TransformGeometry.h"

#include <array>
#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace vistello {

// Every block row of every source component, fetched once after the
// coefficients were read. The library keeps the arrays wholly in memory (it
// has no backing store, and the engine's limit is checked before reading),
// so a row stays where it is until the decompressor is destroyed.
struct SourceRows {
    std::array<std::vector<JBLOCKROW>, kMaxComponents> rows;
    std::array<JDIMENSION, kMaxComponents> columns{}; // padded to whole iMCUs
};

// Inside the engine's error recovery scope: the library may raise an error.
void fetchSourceRows(jpeg_decompress_struct& source, jvirt_barray_ptr* arrays, int components, SourceRows& rows);

struct RowJob {
    const SourceRows* source;
    const TransformGeometry* geometry;
    int component;
    int firstRow; // output block rows firstRow .. firstRow + rowCount - 1
    int rowCount;
    JBLOCKARRAY out;
};

void copyRows(const RowJob& job); // None: crop only
void flipRowsHorizontal(const RowJob& job);
void flipRowsVertical(const RowJob& job);
void transposeRows(const RowJob& job);
void transverseRows(const RowJob& job);
void rotateRows90(const RowJob& job);
void rotateRows180(const RowJob& job);
void rotateRows270(const RowJob& job);

void transformRows(const RowJob& job);

// FlipH without crop offsets, in the source arrays themselves: block pairs
// swapped within each row, the partial right edge left where it is. Inside
// the engine's error recovery scope.
void flipInPlace(jpeg_decompress_struct& source, jvirt_barray_ptr* arrays, const TransformGeometry& geometry);

} // namespace vistello
