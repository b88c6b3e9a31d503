#include "jpegmeta/iptc/App12Text.h"

#include <cstdio>
#include <ctime>

namespace vistello {

namespace {

constexpr char kCarriageReturn = 13;

// What asctime() gives for a UTC time, without its newline; the number's
// own text when it is no representable time.
QString utcTimeText(qint64 seconds, const QString& original)
{
    const std::time_t t = std::time_t(seconds);
    std::tm parts {};
    if (qint64(t) != seconds || !gmtime_r(&t, &parts))
        return original;
    static const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    if (parts.tm_wday < 0 || parts.tm_wday > 6 || parts.tm_mon < 0 || parts.tm_mon > 11)
        return original;
    char text[64];
    std::snprintf(text, sizeof text, "%.3s %.3s%3d %.2d:%.2d:%.2d %lld", kDays[parts.tm_wday],
                  kMonths[parts.tm_mon], parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec,
                  static_cast<long long>(parts.tm_year) + 1900);
    return QString::fromLatin1(text);
}

} // namespace

QStringList app12Lines(const QByteArray& payload)
{
    QStringList lines;
    QByteArray current;
    for (const char c : payload) {
        if (c == kCarriageReturn) {
            lines.append(QString::fromLatin1(current));
            current.clear();
        } else if (uint8_t(c) >= 0x20) {
            current.append(c);
        }
    }
    lines.append(QString::fromLatin1(current));
    lines.removeAll(QString());

    bool hasSection = false;
    for (const QString& line : lines)
        hasSection = hasSection || line.startsWith(u'[');
    if (!hasSection)
        return lines;
    bool inSection = false;
    for (QString& line : lines) {
        if (line.startsWith(u'['))
            inSection = true;
        else if (inSection)
            line.prepend(QStringLiteral("  "));
    }
    return lines;
}

MetaTextRow app12Row(const QString& line)
{
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return {line, QString()};
    MetaTextRow row {line.left(eq), line.mid(eq + 1).trimmed()};
    if (row.name.trimmed().compare(QStringLiteral("timedate"), Qt::CaseInsensitive) == 0) {
        bool ok = false;
        const qint64 seconds = row.value.toLongLong(&ok);
        if (ok && QString::number(seconds) == row.value)
            row.value = utcTimeText(seconds, row.value);
    }
    return row;
}

MetaTextRows app12Rows(const QByteArray& payload)
{
    MetaTextRows rows;
    for (const QString& line : app12Lines(payload))
        rows.push_back(app12Row(line));
    return rows;
}

} // namespace vistello
