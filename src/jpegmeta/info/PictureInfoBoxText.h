#pragma once
// The task pane's information box: the picture's information text, then its
// IPTC and APP12 rows under their section titles ("name\tvalue" lines), so
// that captions and credits show while the pointer rests on a picture.
#include <QString>
#include <cstdint>

namespace vistello {

// The box never holds more than this.
constexpr qsizetype kMaxInfoBoxText = 4095;

QString pictureInfoBoxText(const QString& path, const QString& modifiedDate, int64_t fileSize);

} // namespace vistello
