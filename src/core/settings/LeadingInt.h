#pragma once
// Decimal numbers at the start of a text, read the way settings values and
// command-line numbers are read: leading blanks, an optional sign, digits.
// Values beyond the int range saturate instead of overflowing.
#include <QStringView>

namespace vistello {

struct LeadingInt {
    int value = 0;         // 0 when there are no digits
    qsizetype end = 0;     // index just behind the last digit read (the start when none)
    bool hasDigits = false;
};

// Reads from index `from` (clamped to the text).
LeadingInt scanLeadingInt(QStringView text, qsizetype from = 0);

// The value only; no digits gives 0.
int parseLeadingInt(QStringView text);

} // namespace vistello
