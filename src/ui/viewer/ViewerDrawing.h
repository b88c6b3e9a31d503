#pragma once
// Drawing pieces the viewer's files share: the lightened backdrop, the
// button cells and the small font of the information box.
#include "app/window/viewer/ViewerButtons.h"

#include <QFont>
#include <QImage>
#include <QRect>

class QPainter;
class QRegion;

namespace vistello {

// Each colour byte of what is drawn there +100, capped.
void lighten(QPainter& painter, const QRegion& area);
QRect buttonRect(const ViewerButton& button);
QFont smallFont(const QFont& base);
// Our own marks, one 18-pixel cell per button, on a white key.
QImage drawButtonStrip();

} // namespace vistello
