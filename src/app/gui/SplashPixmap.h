#pragma once
#include <QPixmap>

namespace vistello {

// The splash screen's picture: the product name on white.
QPixmap splashPixmap();

} // namespace vistello
