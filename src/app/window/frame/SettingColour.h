#pragma once
// A colour setting: red + 256 green + 65536 blue; negative means not set.
#include <QColor>

namespace vistello {

inline QColor settingColour(int value, QColor fallback)
{
    if (value < 0)
        return fallback;
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

} // namespace vistello
