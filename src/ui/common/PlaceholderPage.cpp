#include "ui/common/PlaceholderPage.h"

#include "app/window/frame/DisplayStyle.h"

#include <QPainter>

namespace vistello {

PlaceholderPage::PlaceholderPage(const QString& title, QWidget* parent) : WindowPage(parent), title_(title)
{
}

void PlaceholderPage::showStyle(uint64_t style)
{
    title_ = styleTitle(style);
    update();
}

void PlaceholderPage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(rect(), Qt::AlignCenter, title_);
}

} // namespace vistello
