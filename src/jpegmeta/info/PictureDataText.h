#pragma once
// The picture-data list as text, the way "Copy" puts it on the clipboard: a
// heading with the path, then each non-empty section with its title, a rule
// and "name: value" lines, names padded to the longest; lines end in CR LF.
#include "jpegmeta/info/PictureDataRows.h"

#include <QString>

namespace vistello {

QString pictureDataText(const QString& path, const PictureDataSections& sections);
// One section's rows alone, names padded to the section's longest.
QString pictureDataSectionText(const std::vector<PictureDataRow>& rows);

} // namespace vistello
