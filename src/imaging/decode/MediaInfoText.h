#pragma once
// The information text of a video or sound file: its name, for videos the
// picture size and length when the file can be read, then its size and date.
#include "imaging/video/ClipReader.h"

#include <QString>
#include <optional>

namespace vistello {

// facts: what the clip reader found for a video; nothing for a sound file or
// a video it could not read.
QString mediaInfoText(const QString& path, const std::optional<ClipFacts>& facts);

} // namespace vistello
