#pragma once
// Draws one overview item: its tile (or the placeholder or broken tile) in
// a frame, the check box on the frame's left side and the name in two lines.
#include <QStyledItemDelegate>

namespace vistello {

class OverviewDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

protected:
    // A click in the check box ticks or clears it.
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
};

} // namespace vistello
