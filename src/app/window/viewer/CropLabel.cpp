#include "app/window/viewer/CropLabel.h"

#include <algorithm>

namespace vistello {

namespace {
constexpr int kMinimumSide = 11;
constexpr int kGap = 2;         // between the rectangle, the text and the buttons
constexpr int kButtonGap = 5;   // between "Crop" and "Cancel"
constexpr int kButtonMargin = 4; // a button around its caption
} // namespace

CropLabelLayout cropLabelLayout(const QRect& rectangle, QSize client, QSize textSize, QSize caption)
{
    if (rectangle.width() < kMinimumSide || rectangle.height() < kMinimumSide)
        return {};
    const QSize button(caption.width() + kButtonMargin, caption.height() + kButtonMargin);
    const int width = std::max(textSize.width(), 2 * button.width() + kButtonGap);
    const int height = textSize.height() + kGap + button.height();
    int left = rectangle.left();
    int top = rectangle.bottom() + 1 + kGap;
    left = std::max(0, std::min(left, client.width() - width));
    top = std::max(0, std::min(top, client.height() - height));
    CropLabelLayout layout;
    layout.text = QRect(QPoint(left, top), textSize);
    layout.crop = QRect(QPoint(left, top + textSize.height() + kGap), button);
    layout.cancel = layout.crop.translated(button.width() + kButtonGap, 0);
    return layout;
}

} // namespace vistello
