#pragma once
// Names after the date of taking: "2004-01-01@12-00-00", made unique in the
// picture's folder with "-1" ... "-19".
#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

namespace vistello {

// The date of taking as a name: date and time with "@" between them and "-"
// in place of every ":".
QString dateNameText(const QDateTime& taken);

// The name after the picture's EXIF date of taking; nothing without a usable date.
std::optional<QString> pictureDateName(const QString& picturePath);

// The first of dateName, dateName-1 ... dateName-19 for which neither
// folder + candidate + extension nor the same with the temporary "_" is taken;
// nothing when all 20 are. The picture itself counts as taking its name.
std::optional<QString> uniqueDateName(const QString& folder, const QString& dateName, const QString& extension,
                                      const std::function<bool(const QString& path)>& taken);

} // namespace vistello
