#pragma once
// File-name patterns with one number placeholder ("index%d.jpg",
// "Picture_%04d"). User texts are never handed to printf: a pattern is
// accepted only when it holds exactly one integer conversion ("%d" or "%i",
// with optional flags "-+ 0#", a width and a precision of at most 20) plus
// any number of "%%", and it is formatted by our own code.
#include <QString>
#include <QStringView>

namespace vistello {

bool isValidNumberPattern(QStringView pattern);

// The pattern with its conversion replaced by n and "%%" by "%"; empty for an
// invalid pattern.
QString formatNumberPattern(QStringView pattern, qint64 n);

} // namespace vistello
