#pragma once
// Texts of picture decoding.
#include "resources/StringTable.h"

namespace vistello::strings {

inline constexpr StringRow kDecodeStrings[] = {
    {32885, u"Error reading picture \"%s\"."},
};

} // namespace vistello::strings
