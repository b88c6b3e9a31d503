#pragma once
// A row of tabs, one per display style of a group; a click on an available
// tab chooses its style. Tabs that do not fit continue on a new line.
#include "app/window/frame/BarLayout.h"
#include "app/window/frame/DisplayStyle.h"

#include <QWidget>
#include <functional>

namespace vistello {

class TabRow : public QWidget {
    Q_OBJECT
public:
    TabRow(TabRowId row, QWidget* parent);

    void setSelected(uint64_t style);
    void setAvailability(std::function<bool(uint64_t)> available);
    // The row's height when laid out in this width.
    int heightForWidth(int width) const override;
    // Where a style's tab is drawn; empty when the row has no such tab.
    QRect tabRect(uint64_t style) const;

Q_SIGNALS:
    void styleChosen(uint64_t style);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    TabRowLayout layoutFor(int width) const;
    int tabAt(QPoint point) const;
    bool available(size_t index) const;

    std::span<const TabEntry> tabs_;
    TabRowLayout layout_;
    uint64_t selected_ = 0;
    int hovered_ = -1;
    std::function<bool(uint64_t)> available_;
};

} // namespace vistello
