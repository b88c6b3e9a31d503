#pragma once
// The colour settings of the views: red + 256 green + 65536 blue, negative
// for "not set".
#include <QColor>

namespace vistello {

QColor colourSetting(int value, const QColor& fallback);

// "TextColor" on the views' background: black when not set, and the
// background's complement when it equals the background (a text would vanish).
QColor viewTextColour(int textSetting, const QColor& background);

} // namespace vistello
