#include "organize/folders/AddressTarget.h"

#include "core/filetypes/PictureFileTypes.h"
#include "platform/FolderPath.h"
#include "resources/FolderStrings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

AddressAction resolveAddress(const QString& text, const PictureFileTypes& types)
{
    const QString trimmed = text.trimmed();
    // Relative paths would depend on the directory the program was started in.
    if (trimmed.startsWith(u'/')) {
        const QFileInfo target(trimmed);
        if (target.isDir())
            return {AddressAction::Kind::Folder, withTrailingSlash(QDir::cleanPath(trimmed)), {}, {}};
        if (target.isFile() && types.isPictureFile(trimmed))
            return {AddressAction::Kind::Picture, QDir::cleanPath(trimmed), {}, {}};
    }
    if (const std::optional<QUrl> url = addressToOpen(trimmed))
        return {AddressAction::Kind::OpenOutside, {}, *url, {}};
    const bool exists = trimmed.startsWith(u'/') && QFileInfo::exists(trimmed);
    AddressAction refused;
    refused.message = strings::text(exists ? strings::kAddressIsProgram : strings::kAddressNotFound).arg(trimmed);
    return refused;
}

} // namespace vistello
