#include "app/window/strip/ViewColours.h"

namespace vistello {

QColor colourSetting(int value, const QColor& fallback)
{
    if (value < 0)
        return fallback;
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

QColor viewTextColour(int textSetting, const QColor& background)
{
    const QColor text = colourSetting(textSetting, Qt::black);
    if (text.rgb() != background.rgb())
        return text;
    return QColor(255 - background.red(), 255 - background.green(), 255 - background.blue());
}

} // namespace vistello
