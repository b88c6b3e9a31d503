#include "organize/rename/PictureName.h"

#include "core/settings/NumberPattern.h"

namespace vistello {

PathParts splitPicturePath(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString name = path.mid(slash + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    PathParts parts;
    parts.folder = path.left(slash + 1);
    parts.base = dot < 0 ? name : name.left(dot);
    parts.extension = dot < 0 ? QString() : name.mid(dot);
    return parts;
}

bool isSafePictureName(const QString& name)
{
    return !name.isEmpty() && !name.startsWith(QLatin1Char('.')) && !name.contains(QLatin1Char('/'))
           && !name.contains(QLatin1String("..")) && !name.contains(QChar(u'\0'));
}

QString effectiveNamePattern(const QString& pattern)
{
    if (formatNumberPattern(pattern, 1) == formatNumberPattern(pattern, 2))
        return QStringLiteral("Picture_%04d");
    return pattern;
}

} // namespace vistello
