#include "app/window/frame/BarLayout.h"

#include "app/window/frame/CommandIds.h"

namespace vistello {

namespace {

constexpr int kTabPadding = 16;
constexpr int kTabMargin = 4;

} // namespace

TopBarLayout layoutTopBar(int width, int labelWidth, int addressWidth, bool fullScreenFrame)
{
    TopBarLayout bar;
    bar.label = QRect(10, 3, labelWidth, 17);
    bar.address = QRect(bar.label.right() + 1 + 5, 2, addressWidth, 23 - 4);
    auto button = [&bar](int command, int offset, int x) {
        bar.buttons.push_back({command, offset, QRect(x, 3, kBarButtonSize, kBarButtonSize)});
        return x;
    };
    const int first = button(command::PreviousPicture, 0, bar.address.right() + 1 + 20);
    button(command::NextPicture, 18, first + 24);
    bar.separators.push_back(first + 46);
    const int update = button(command::Update, 36, first + 46 + 5);
    bar.separators.push_back(update + 27);
    const int pictureOnly = button(command::PictureOnly, 54, update + 27 + 5);
    const int changeView = button(command::ChangeView, 72, pictureOnly + 29);
    bar.separators.push_back(changeView + 22);
    int last = button(command::AutoShow, 90, changeView + 22 + 5);
    if (!fullScreenFrame) {
        bar.separators.push_back(last + 22);
        last = button(command::FullScreenFrame, 126, last + 22 + 5);
    } else {
        button(command::MinimizeWindow, 162, width - 70);
        button(command::NormalFrame, 180, width - 46);
        button(command::Exit, 198, width - 22);
    }
    bar.statusX = last + kBarButtonSize + 10;
    return bar;
}

TabRowLayout layoutTabs(std::span<const int> textWidths, int width, int tabHeight)
{
    TabRowLayout row;
    if (textWidths.empty())
        return row;
    int x = kTabMargin;
    int line = 0;
    for (const int text : textWidths) {
        const int tab = text + kTabPadding;
        if (x > kTabMargin && x + tab > width) {
            ++line;
            x = kTabMargin;
        }
        row.tabs.emplace_back(x, line * tabHeight, tab, tabHeight);
        x += tab;
    }
    row.height = (line + 1) * tabHeight;
    return row;
}

} // namespace vistello
