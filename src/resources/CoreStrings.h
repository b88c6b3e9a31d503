#pragma once
// Texts of the application core: list captions, file types, file commands.
#include "resources/StringTable.h"

namespace vistello::strings {

inline constexpr StringRow kCoreStrings[] = {
    {32996, u"%1!d! picture(s) in \"%2\""},
    {32998, u"%1!d! picture(s) by search result"},
    {33003, u"%1!d! picture(s) from command line"},
    {33338, u"or"},
    {33423, u"The THM picture format is a Jpeg picture format and will be used as a preview."},
    {33499, u"%1!d! picture(s) from Drag&Drop"},
};

} // namespace vistello::strings
