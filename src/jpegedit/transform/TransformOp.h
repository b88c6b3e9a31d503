#pragma once
// The lossless operations. The numbering is fixed: the orientation table and
// stored requests depend on it.
#include <cstdint>

namespace vistello {

enum class TransformOp : int {
    None = 0,       // unchanged (with crop or greyscale)
    FlipH = 1,      // mirrored left-right
    FlipV = 2,      // mirrored top-bottom
    Transpose = 3,  // mirrored at the top-left to bottom-right diagonal
    Transverse = 4, // mirrored at the top-right to bottom-left diagonal
    Rotate90 = 5,   // 90° clockwise
    Rotate180 = 6,
    Rotate270 = 7,  // 90° counter-clockwise
};

// An operation as three steps applied in this order: transpose, then mirror
// the columns, then mirror the rows. Block transforms, geometry and the
// orientation arithmetic all derive from this one table.
struct OpSteps {
    bool transpose;
    bool mirrorColumns; // output x mirrored
    bool mirrorRows;    // output y mirrored
};

// Indexed by TransformOp.
inline constexpr OpSteps kOpSteps[] = {
    {false, false, false}, // None
    {false, true, false},  // FlipH
    {false, false, true},  // FlipV
    {true, false, false},  // Transpose
    {true, true, true},    // Transverse
    {true, true, false},   // Rotate90
    {false, true, true},   // Rotate180
    {true, false, true},   // Rotate270
};

constexpr OpSteps stepsOf(TransformOp op) { return kOpSteps[int(op)]; }
constexpr bool swapsSides(TransformOp op) { return stepsOf(op).transpose; }

constexpr TransformOp opFromSteps(OpSteps s)
{
    for (int i = 0; i < 8; ++i)
        if (kOpSteps[i].transpose == s.transpose && kOpSteps[i].mirrorColumns == s.mirrorColumns &&
            kOpSteps[i].mirrorRows == s.mirrorRows)
            return TransformOp(i);
    return TransformOp::None;
}

// first, then second.
TransformOp composeOps(TransformOp first, TransformOp second);
// The operation that undoes op.
TransformOp inverseOp(TransformOp op);

} // namespace vistello
