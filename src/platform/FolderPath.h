#pragma once
// Folder paths in the program always end in "/".
#include <QString>
#include <optional>

namespace vistello {

inline QString withTrailingSlash(const QString& folder)
{
    return folder.endsWith(u'/') ? folder : folder + QLatin1Char('/');
}

// Where path lies after the folder oldFolder became newFolder: the folder
// itself (with or without its "/") or anything inside it; nothing for other
// paths. Exact comparison: "/a/B" is not inside "/a/b".
inline std::optional<QString> pathAfterFolderMove(const QString& path, const QString& oldFolder,
                                                  const QString& newFolder)
{
    const QString from = withTrailingSlash(oldFolder);
    const QString to = withTrailingSlash(newFolder);
    if (path.startsWith(from))
        return to + path.mid(from.size());
    if (path.size() == from.size() - 1 && from.startsWith(path))
        return to.chopped(1);
    return std::nullopt;
}

} // namespace vistello
