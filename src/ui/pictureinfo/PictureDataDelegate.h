#pragma once
// Draws one cell of the picture-data list: the text on its kind's colour, the
// line from the end of the name to the right edge, the bold model, and beside
// a value its orientation pictograms or colour-filter grid.
#include <QStyledItemDelegate>

namespace vistello {

class PictureDataDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static constexpr int kTextMargin = 3;
    static constexpr int kExtrasGap = 6;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace vistello
