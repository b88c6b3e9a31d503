#pragma once
// Texts of picture decoding.
#include "resources/StringTable.h"

namespace vistello::strings {

inline constexpr int kErrorReadingPicture = 32885;

inline constexpr StringRow kDecodeStrings[] = {
    {kErrorReadingPicture, u"Error reading picture \"%s\"."},
};

} // namespace vistello::strings
