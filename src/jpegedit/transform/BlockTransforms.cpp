#include "jpegedit/transform/BlockTransforms.h"

#include <cstring>

namespace vistello {

namespace {

// +1 or -1 per coefficient: a mirror of the columns flips the odd columns,
// one of the rows the odd rows. Indexed [mirrorRows][mirrorColumns].
struct SignTables {
    JCOEF sign[2][2][DCTSIZE2];
    constexpr SignTables() : sign{}
    {
        for (int rows = 0; rows < 2; ++rows)
            for (int columns = 0; columns < 2; ++columns)
                for (int i = 0; i < DCTSIZE2; ++i) {
                    const bool negate = (rows && (i / DCTSIZE) % 2) != (columns && (i % DCTSIZE) % 2);
                    sign[rows][columns][i] = negate ? -1 : 1;
                }
    }
};
constexpr SignTables kSigns;

// out(r, c) = in(r, c) or in(c, r), times the sign the mirrors give.
template <bool Transpose>
inline void moveBlock(const JCOEF* in, JCOEF* out, bool mirrorColumns, bool mirrorRows)
{
    const JCOEF* sign = kSigns.sign[mirrorRows][mirrorColumns];
    for (int r = 0; r < DCTSIZE; ++r)
        for (int c = 0; c < DCTSIZE; ++c) {
            const int i = r * DCTSIZE + c;
            out[i] = JCOEF((Transpose ? in[c * DCTSIZE + r] : in[i]) * sign[i]);
        }
}

JDIMENSION roundUp(JDIMENSION n, int m) { return (n + JDIMENSION(m) - 1) / JDIMENSION(m) * JDIMENSION(m); }

// Every output block of the rows asked for from the source block that lands
// there: the output is the transposed (when asked) source, mirrored within
// its whole-iMCU part. A position outside the source reads as zeros.
template <bool Transpose, bool MirrorColumns, bool MirrorRows>
void mapRows(const RowJob& job)
{
    const ComponentGeometry& cg = job.geometry->component[size_t(job.component)];
    const std::vector<JBLOCKROW>& rows = job.source->rows[size_t(job.component)];
    const JDIMENSION columns = job.source->columns[size_t(job.component)];
    for (int i = 0; i < job.rowCount; ++i) {
        JBLOCKROW out = job.out[i];
        const int fy = job.firstRow + i + cg.yOffsetBlocks;
        const bool mirrorY = MirrorRows && fy < cg.wholeRows;
        const int ty = mirrorY ? cg.wholeRows - 1 - fy : fy;
        for (int bx = 0; bx < cg.widthInBlocks; ++bx) {
            const int fx = bx + cg.xOffsetBlocks;
            const bool mirrorX = MirrorColumns && fx < cg.wholeColumns;
            const int tx = mirrorX ? cg.wholeColumns - 1 - fx : fx;
            const size_t sx = size_t(Transpose ? ty : tx);
            const size_t sy = size_t(Transpose ? tx : ty);
            if (sx >= columns || sy >= rows.size())
                std::memset(out[bx], 0, sizeof(JBLOCK));
            else
                moveBlock<Transpose>(rows[sy][sx], out[bx], mirrorX, mirrorY);
        }
    }
}

} // namespace

void fetchSourceRows(jpeg_decompress_struct& source, jvirt_barray_ptr* arrays, int components, SourceRows& rows)
{
    j_common_ptr common = reinterpret_cast<j_common_ptr>(&source);
    for (int ci = 0; ci < components; ++ci) {
        const jpeg_component_info& c = source.comp_info[ci];
        const JDIMENSION height = roundUp(c.height_in_blocks, c.v_samp_factor);
        std::vector<JBLOCKROW>& list = rows.rows[size_t(ci)];
        list.resize(height);
        for (JDIMENSION y = 0; y < height; ++y)
            list[y] = (*source.mem->access_virt_barray)(common, arrays[ci], y, 1, FALSE)[0];
        rows.columns[size_t(ci)] = roundUp(c.width_in_blocks, c.h_samp_factor);
    }
}

void flipInPlace(jpeg_decompress_struct& source, jvirt_barray_ptr* arrays, const TransformGeometry& g)
{
    j_common_ptr common = reinterpret_cast<j_common_ptr>(&source);
    for (int ci = 0; ci < g.components; ++ci) {
        const jpeg_component_info& c = source.comp_info[ci];
        const JDIMENSION height = roundUp(c.height_in_blocks, c.v_samp_factor);
        const int whole = g.component[size_t(ci)].wholeColumns;
        JBLOCK swap;
        for (JDIMENSION y = 0; y < height; ++y) {
            JBLOCKROW row = (*source.mem->access_virt_barray)(common, arrays[ci], y, 1, TRUE)[0];
            for (int left = 0, right = whole - 1; left <= right; ++left, --right) {
                std::memcpy(swap, row[left], sizeof(JBLOCK));
                moveBlock<false>(row[right], row[left], true, false);
                if (left != right)
                    moveBlock<false>(swap, row[right], true, false);
            }
        }
    }
}

void copyRows(const RowJob& job) { mapRows<false, false, false>(job); }
void flipRowsHorizontal(const RowJob& job) { mapRows<false, true, false>(job); }
void flipRowsVertical(const RowJob& job) { mapRows<false, false, true>(job); }
void transposeRows(const RowJob& job) { mapRows<true, false, false>(job); }
void transverseRows(const RowJob& job) { mapRows<true, true, true>(job); }
void rotateRows90(const RowJob& job) { mapRows<true, true, false>(job); }
void rotateRows180(const RowJob& job) { mapRows<false, true, true>(job); }
void rotateRows270(const RowJob& job) { mapRows<true, false, true>(job); }

void transformRows(const RowJob& job)
{
    // The template arguments above follow kOpSteps in TransformOp.h; keep both in step.
    switch (job.geometry->op) {
    case TransformOp::None: copyRows(job); break;
    case TransformOp::FlipH: flipRowsHorizontal(job); break;
    case TransformOp::FlipV: flipRowsVertical(job); break;
    case TransformOp::Transpose: transposeRows(job); break;
    case TransformOp::Transverse: transverseRows(job); break;
    case TransformOp::Rotate90: rotateRows90(job); break;
    case TransformOp::Rotate180: rotateRows180(job); break;
    case TransformOp::Rotate270: rotateRows270(job); break;
    }
}

} // namespace vistello
