#pragma once
// Numbered placeholders of the page templates, filled in one pass: "%N" is
// replaced by values[N-1], and what is inserted is never scanned again (a
// title "50%2 off" stays as it is). "%10" to "%12" are two-digit numbers
// only where the page has that many values, so on a page with four values
// "%10" is "%1" followed by "0". A "%" that starts no known number stays.
#include <QString>
#include <QStringList>

namespace vistello {

QString fillPlaceholders(QStringView text, const QStringList& values);

} // namespace vistello
