#include "publish/common/HtmlText.h"

#include <QByteArray>

namespace vistello {

QString htmlEscape(const QString& text)
{
    QString out = text;
    out.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    out.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    out.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    out.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    out.replace(QLatin1Char('\''), QLatin1String("&#39;"));
    return out;
}

QString linkToFile(const QString& fileName)
{
    return QString::fromLatin1(fileName.toUtf8().toPercentEncoding("!$()*+,;=@"));
}

} // namespace vistello
