#pragma once

#include <QScrollBar>

namespace vistello {

// The thin scroll bar of the program's views: 12 pixels thick, arrow buttons 14 pixels long, flat
// (no bevels). Used by the viewer's panorama, the preview strip, the lists and the task pane.
class FlatScrollBar : public QScrollBar {
public:
    static constexpr int Thickness = 12;
    static constexpr int ArrowLength = 14;

    explicit FlatScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);
};

// Gives an existing scroll bar (say, a list view's own) the same look.
void makeScrollBarFlat(QScrollBar* bar);

} // namespace vistello
