#include "organize/folders/AddressTarget.h"

#include <QFile>

#include <sys/stat.h>

namespace vistello {

std::optional<QUrl> addressToOpen(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(QLatin1String("http://"), Qt::CaseInsensitive)
        || trimmed.startsWith(QLatin1String("https://"), Qt::CaseInsensitive)) {
        const QUrl url(trimmed, QUrl::StrictMode);
        if (url.isValid() && !url.host().isEmpty())
            return url;
        return std::nullopt;
    }
    if (!trimmed.startsWith(u'/'))
        return std::nullopt;
    struct stat s {};
    if (::stat(QFile::encodeName(trimmed).constData(), &s) != 0 || !S_ISREG(s.st_mode)
        || (s.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH)) != 0)
        return std::nullopt;
    return QUrl::fromLocalFile(trimmed);
}

} // namespace vistello
