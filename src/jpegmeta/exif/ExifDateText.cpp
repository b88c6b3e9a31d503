#include "jpegmeta/exif/ExifDateText.h"

#include "resources/StringTable.h"
#include "resources/MetaStrings.h"

#include <QLocale>

namespace vistello {

namespace {
QString timeText(const QTime& time)
{
    // The long time format without the time zone, which a picture date does not have.
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return QLocale::system().toString(time, format.trimmed());
}
} // namespace

QString exifDateText(const QDateTime& local)
{
    const QDate d = local.date();
    const QTime t = local.time();
    return QString::asprintf("%04d-%02d-%02d %02d:%02d:%02d", d.year(), d.month(), d.day(), t.hour(), t.minute(),
                             t.second());
}

QString localisedDateLong(const QDateTime& local)
{
    QString pattern = strings::text(strings::kDateAtTime);
    const QString date = QLocale::system().toString(local.date(), QLocale::LongFormat);
    const qsizetype first = pattern.indexOf(QLatin1String("%s"));
    if (first < 0)
        return date + QLatin1Char(' ') + timeText(local.time());
    pattern.replace(first, 2, date);
    const qsizetype second = pattern.indexOf(QLatin1String("%s"), first + date.size());
    if (second >= 0)
        pattern.replace(second, 2, timeText(local.time()));
    return pattern;
}

QString localisedDateShort(const QDateTime& local)
{
    return QLocale::system().toString(local.date(), QLocale::ShortFormat) + QLatin1Char(' ') + timeText(local.time());
}

} // namespace vistello
