#pragma once
// The top bar's controls and the tab rows' tabs, laid out from the left.
#include <QRect>
#include <span>
#include <vector>

namespace vistello {

struct BarButton {
    int command;
    int stripOffset; // the image's x offset in the button strip
    QRect rect;
};

struct TopBarLayout {
    QRect label;
    QRect address;
    std::vector<BarButton> buttons;
    std::vector<int> separators; // x of the vertical lines (y 2 to 22)
    int statusX = 0;             // where the status text starts
};

inline constexpr int kBarButtonSize = 18;

// labelWidth: the width of "Address:" in the UI font.
TopBarLayout layoutTopBar(int width, int labelWidth, int addressWidth, bool fullScreenFrame);

struct TabRowLayout {
    std::vector<QRect> tabs;
    int height = 0; // lines × tab height
};

// Tabs as wide as their text plus padding; a tab that does not fit beside
// the previous one starts a new line.
TabRowLayout layoutTabs(std::span<const int> textWidths, int width, int tabHeight);

} // namespace vistello
