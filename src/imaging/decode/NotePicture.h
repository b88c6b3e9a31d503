#pragma once
// The still picture of a sound file: two beamed notes, black on grey, 120 x 80.
#include "imaging/scale/PixelBuffer.h"

#include <cstdint>

namespace vistello {

inline constexpr int kNotePictureWidth = 120;
inline constexpr int kNotePictureHeight = 80;
inline constexpr uint8_t kNoteGreyMp3 = 231;   // the MP3 handler's
inline constexpr uint8_t kNoteGreyVideo = 220; // the video handler's, asked for a sound file

PixelBuffer notePicture(uint8_t grey);

} // namespace vistello
