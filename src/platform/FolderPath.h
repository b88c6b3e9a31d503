#pragma once
// Folder paths in the program always end in "/".
#include <QString>

namespace vistello {

inline QString withTrailingSlash(const QString& folder)
{
    return folder.endsWith(u'/') ? folder : folder + QLatin1Char('/');
}

} // namespace vistello
