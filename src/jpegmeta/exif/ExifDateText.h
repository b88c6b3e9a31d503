#pragma once
// The date of taking as the information texts show it.
#include <QDateTime>
#include <QString>

namespace vistello {

// "%04d-%02d-%02d %02d:%02d:%02d"
QString exifDateText(const QDateTime& local);
// The long date and the time in the user's formats, joined by "%s at %s".
QString localisedDateLong(const QDateTime& local);
// The short date, one blank and the time.
QString localisedDateShort(const QDateTime& local);

} // namespace vistello
