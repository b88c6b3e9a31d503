#include "jpegedit/transform/TransformOp.h"

#include <array>

namespace vistello {

namespace {

// Each operation as a 2 × 2 matrix acting on coordinates about the centre.
using Matrix = std::array<int, 4>; // row-major

constexpr Matrix multiply(const Matrix& a, const Matrix& b)
{
    return {a[0] * b[0] + a[1] * b[2], a[0] * b[1] + a[1] * b[3], a[2] * b[0] + a[3] * b[2],
            a[2] * b[1] + a[3] * b[3]};
}

constexpr Matrix matrixOf(TransformOp op)
{
    const OpSteps s = stepsOf(op);
    Matrix m = s.transpose ? Matrix{0, 1, 1, 0} : Matrix{1, 0, 0, 1};
    if (s.mirrorColumns)
        m = multiply(Matrix{-1, 0, 0, 1}, m);
    if (s.mirrorRows)
        m = multiply(Matrix{1, 0, 0, -1}, m);
    return m;
}

constexpr TransformOp opOfMatrix(const Matrix& m)
{
    for (int i = 0; i < 8; ++i)
        if (matrixOf(TransformOp(i)) == m)
            return TransformOp(i);
    return TransformOp::None;
}

static_assert(opOfMatrix(multiply(matrixOf(TransformOp::Rotate90), matrixOf(TransformOp::Rotate90))) ==
              TransformOp::Rotate180);

} // namespace

TransformOp composeOps(TransformOp first, TransformOp second)
{
    return opOfMatrix(multiply(matrixOf(second), matrixOf(first)));
}

TransformOp inverseOp(TransformOp op)
{
    for (int i = 0; i < 8; ++i)
        if (composeOps(op, TransformOp(i)) == TransformOp::None)
            return TransformOp(i);
    return TransformOp::None;
}

} // namespace vistello
