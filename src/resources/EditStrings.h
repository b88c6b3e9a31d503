#pragma once
// Texts of the JPEG editing commands: transforms, originals and copies.
#include "resources/StringTable.h"

namespace vistello::strings {

inline constexpr int kFileNotCreated = 32847;
inline constexpr int kCropWriteProtected = 33096;
inline constexpr int kCopyOf = 33307;
inline constexpr int kCopyNumberedOf = 33308;

inline constexpr StringRow kEditStrings[] = {
    {kFileNotCreated, u"The file \"%1\" could not be created.\nDo you want to cancel?"},
    {kCropWriteProtected, u"The selected picture is write protected and therefore cannot be cropped."},
    {kCopyOf, u"Copy of "},
    {kCopyNumberedOf, u"Copy (%1!d!) of "},
};

} // namespace vistello::strings
