#pragma once
// The menu that opens when pictures are dropped onto a folder: "Copy",
// "Move", a separator and "Cancel", at the drop point.
#include <QPoint>

class QWidget;

namespace vistello {

enum class DropChoice { Copy, Move, Cancel };

DropChoice askDropChoice(QWidget* parent, QPoint globalAt, bool copyEnabled);

} // namespace vistello
