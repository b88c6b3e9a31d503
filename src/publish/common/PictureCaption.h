#pragma once
// The text shown with a picture on a generated page: the comment the
// program keeps for it, else the comment stored in the file; empty when it
// has none. Jobs call it from their own thread.
#include <QString>

namespace vistello {

QString pictureCaption(const QString& path);

} // namespace vistello
