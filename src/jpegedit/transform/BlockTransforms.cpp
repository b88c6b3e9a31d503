#include "jpegedit/transform/BlockTransforms.h"

#include <cstring>

namespace vistello {

namespace {

// out(r, c) = in(r, c) or in(c, r), negated where the applied mirrors say:
// a mirror of the columns flips the odd columns, one of the rows the odd rows.
template <bool Transpose>
inline void moveBlock(const JCOEF* in, JCOEF* out, bool mirrorColumns, bool mirrorRows)
{
    for (int r = 0; r < DCTSIZE; ++r) {
        const bool rowOdd = mirrorRows && (r & 1);
        for (int c = 0; c < DCTSIZE; ++c) {
            const JCOEF v = Transpose ? in[c * DCTSIZE + r] : in[r * DCTSIZE + c];
            const bool negate = rowOdd != (mirrorColumns && (c & 1));
            out[r * DCTSIZE + c] = negate ? JCOEF(-v) : v;
        }
    }
}

// Rows and columns the library really holds for a source component (padded
// to whole iMCUs); a block position outside them reads as zeros.
struct SourceExtent {
    JDIMENSION columns;
    JDIMENSION rows;
};

SourceExtent sourceExtent(const jpeg_component_info& c)
{
    const auto roundUp = [](JDIMENSION n, int m) { return JDIMENSION((n + JDIMENSION(m) - 1) / JDIMENSION(m) * JDIMENSION(m)); };
    return {roundUp(c.width_in_blocks, c.h_samp_factor), roundUp(c.height_in_blocks, c.v_samp_factor)};
}

// Every output block from the source block that lands there: the output is
// the transposed (when asked) source, mirrored within its whole-iMCU part.
template <bool Transpose, bool MirrorColumns, bool MirrorRows>
void mapBlocks(const BlockJob& job)
{
    const TransformGeometry& g = *job.geometry;
    j_common_ptr common = reinterpret_cast<j_common_ptr>(job.source);
    for (int ci = 0; ci < g.components; ++ci) {
        const ComponentGeometry& cg = g.component[size_t(ci)];
        const SourceExtent extent = sourceExtent(job.source->comp_info[ci]);
        JDIMENSION cachedRow = ~JDIMENSION(0);
        JBLOCKROW sourceRow = nullptr;
        for (int by = 0; by < cg.heightInBlocks; ++by) {
            JBLOCKROW out = (*job.source->mem->access_virt_barray)(common, job.outputArrays[ci], JDIMENSION(by), 1, TRUE)[0];
            const int fy = by + cg.yOffsetBlocks;
            const bool mirrorY = MirrorRows && fy < cg.wholeRows;
            const int ty = mirrorY ? cg.wholeRows - 1 - fy : fy;
            for (int bx = 0; bx < cg.widthInBlocks; ++bx) {
                const int fx = bx + cg.xOffsetBlocks;
                const bool mirrorX = MirrorColumns && fx < cg.wholeColumns;
                const int tx = mirrorX ? cg.wholeColumns - 1 - fx : fx;
                const JDIMENSION sx = JDIMENSION(Transpose ? ty : tx);
                const JDIMENSION sy = JDIMENSION(Transpose ? tx : ty);
                JCOEF* target = out[bx];
                if (sx >= extent.columns || sy >= extent.rows) {
                    std::memset(target, 0, sizeof(JBLOCK));
                    continue;
                }
                if (sy != cachedRow) {
                    sourceRow = (*job.source->mem->access_virt_barray)(common, job.sourceArrays[ci], sy, 1, FALSE)[0];
                    cachedRow = sy;
                }
                moveBlock<Transpose>(sourceRow[sx], target, mirrorX, mirrorY);
            }
        }
    }
}

// FlipH without crop offsets: block pairs swapped within each row of the
// source arrays; the partial right edge stays where it is.
void flipInPlace(const BlockJob& job)
{
    const TransformGeometry& g = *job.geometry;
    j_common_ptr common = reinterpret_cast<j_common_ptr>(job.source);
    for (int ci = 0; ci < g.components; ++ci) {
        const ComponentGeometry& cg = g.component[size_t(ci)];
        const SourceExtent extent = sourceExtent(job.source->comp_info[ci]);
        const int whole = cg.wholeColumns;
        JBLOCK swap;
        for (JDIMENSION y = 0; y < extent.rows; ++y) {
            JBLOCKROW row = (*job.source->mem->access_virt_barray)(common, job.sourceArrays[ci], y, 1, TRUE)[0];
            for (int left = 0, right = whole - 1; left <= right; ++left, --right) {
                std::memcpy(swap, row[left], sizeof(JBLOCK));
                moveBlock<false>(row[right], row[left], true, false);
                if (left != right)
                    moveBlock<false>(swap, row[right], true, false);
            }
        }
    }
}

} // namespace

void copyBlocks(const BlockJob& job)
{
    if (!job.geometry->inPlace)
        mapBlocks<false, false, false>(job);
}

void flipBlocksHorizontal(const BlockJob& job)
{
    if (job.geometry->inPlace)
        flipInPlace(job);
    else
        mapBlocks<false, true, false>(job);
}

void flipBlocksVertical(const BlockJob& job) { mapBlocks<false, false, true>(job); }
void transposeBlocks(const BlockJob& job) { mapBlocks<true, false, false>(job); }
void transverseBlocks(const BlockJob& job) { mapBlocks<true, true, true>(job); }
void rotateBlocks90(const BlockJob& job) { mapBlocks<true, true, false>(job); }
void rotateBlocks180(const BlockJob& job) { mapBlocks<false, true, true>(job); }
void rotateBlocks270(const BlockJob& job) { mapBlocks<true, false, true>(job); }

void transformBlocks(const BlockJob& job)
{
    // The template arguments above follow kOpSteps in TransformOp.h; keep both in step.
    switch (job.geometry->op) {
    case TransformOp::None: copyBlocks(job); break;
    case TransformOp::FlipH: flipBlocksHorizontal(job); break;
    case TransformOp::FlipV: flipBlocksVertical(job); break;
    case TransformOp::Transpose: transposeBlocks(job); break;
    case TransformOp::Transverse: transverseBlocks(job); break;
    case TransformOp::Rotate90: rotateBlocks90(job); break;
    case TransformOp::Rotate180: rotateBlocks180(job); break;
    case TransformOp::Rotate270: rotateBlocks270(job); break;
    }
}

} // namespace vistello
