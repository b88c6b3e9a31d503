#pragma once
// Number texts shared by the rational formatters of every directory kind.
// All arithmetic is 64-bit on absolute values: a file may hold INT_MIN/-1 or
// a zero denominator, and neither may trap.
#include <QString>
#include <cstdint>

namespace vistello::tags {

// "0" for a zero numerator; otherwise the fraction reduced by the greatest
// common divisor, "%d" when the denominator becomes 1, else "%d/%d". The
// sign is carried by the numerator; a zero denominator gives "%d/0".
QString reducedFraction(int32_t numerator, int32_t denominator);

// "%d" of numerator / denominator truncated toward zero ("%d/0" for a zero denominator).
QString integerQuotient(int32_t numerator, int32_t denominator);

// numerator / denominator, 0 for a zero denominator.
double quotient(int32_t numerator, int32_t denominator);

// Truncation toward zero into the 32-bit range; NaN gives 0. Values read
// from a file may be huge, and converting them unclamped is undefined.
int32_t truncateClamped(double v);

} // namespace vistello::tags
