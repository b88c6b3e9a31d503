#pragma once
// Moving and sign-flipping 8 × 8 coefficient blocks (natural order, index
// row × 8 + column) from the source arrays into the output arrays. One
// function per operation, all with the same parameters; transformBlocks
// dispatches on the geometry's operation. Run inside the engine's error
// recovery scope: these functions hold no objects with destructors.
#include "jpegedit/transform/TransformGeometry.h"

#include <cstdio>
#include <jpeglib.h>

namespace vistello {

struct BlockJob {
    jpeg_decompress_struct* source;
    jvirt_barray_ptr* sourceArrays;
    jvirt_barray_ptr* outputArrays; // the source arrays when geometry->inPlace
    const TransformGeometry* geometry;
};

void copyBlocks(const BlockJob& job); // None: crop only
void flipBlocksHorizontal(const BlockJob& job);
void flipBlocksVertical(const BlockJob& job);
void transposeBlocks(const BlockJob& job);
void transverseBlocks(const BlockJob& job);
void rotateBlocks90(const BlockJob& job);
void rotateBlocks180(const BlockJob& job);
void rotateBlocks270(const BlockJob& job);

void transformBlocks(const BlockJob& job);

} // namespace vistello
