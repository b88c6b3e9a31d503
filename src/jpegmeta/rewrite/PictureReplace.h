#pragma once
// Replacing a picture file by a rewritten version (comment writing, lossless
// transforms): the picture date - the EXIF date of taking, else the old
// modification time - becomes the new file's modification time.
#include <QIODevice>
#include <QString>
#include <functional>

namespace vistello {

bool replaceFileKeepingPictureDate(const QString& picture, const std::function<bool(QIODevice&)>& writeContents,
                                      QString* error = nullptr);

} // namespace vistello
