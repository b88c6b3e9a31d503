#pragma once
// The colour dialog of the colour page. Scripted runs answer it like a file
// dialog: the next queued answer is the colour ("#rrggbb"); "cancel" or an
// empty queue cancels.
#include <QColor>
#include <optional>

class QWidget;

namespace vistello {

class Prompts;

std::optional<QColor> askForColour(QWidget* parent, QColor initial, Prompts& prompts);

} // namespace vistello
