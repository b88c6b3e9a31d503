#pragma once
// The two loudspeaker marks a thumbnail tile carries in its bottom-right
// corner: blue for sound embedded in the picture, green for a companion
// sound file beside it.
#include <QImage>

namespace vistello {

enum class MediaMark : int {
    None = 0,
    EmbeddedSound = 1,
    CompanionSound = 2,
};

// 13 x 15 pixels, RGB888, the loudspeaker on white; a null image for None or
// an unknown value.
QImage mediaMarkImage(int mark);

} // namespace vistello
