#pragma once
// A picture copied beside itself under its "Copy of" name, its sound memo
// along under the matching name (Copy of IMG_0001.JPG gets Copy of
// IMG_0001.wav), so the copy plays the same memo as the picture.
#include "jpegedit/originals/FileSteps.h"

#include <QString>

namespace vistello {

// The copy's full path, or empty when the picture could not be copied. The
// memo is copied only to a free name: a file already there keeps its place
// and the picture's copy still counts.
QString copyPictureWithSound(const QString& picture, const FileSteps& steps = realFileSteps());

// The memo's name for a picture's copy: the copy's name with the memo's
// extension in place of its own.
QString companionSoundOfCopy(const QString& copy, const QString& sound);

} // namespace vistello
