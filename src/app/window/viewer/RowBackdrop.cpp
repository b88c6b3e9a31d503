#include "app/window/viewer/RowBackdrop.h"

namespace vistello {

namespace {

// Two light rows above and below the 18-pixel buttons, the gaps between
// them and two columns at the right edge: one area reaching from left to
// the client's right edge, the buttons drawn over it.
RowBackdrop backdrop(int width, int height, int left, std::initializer_list<int> separatorsFromRight)
{
    RowBackdrop row;
    row.lit = QRect(width - left, height - 44, left, 22);
    for (const int fromRight : separatorsFromRight)
        row.separators.emplace_back(width - fromRight, height - 43, width - fromRight, height - 25);
    return row;
}

} // namespace

RowBackdrop controlRowBackdrop(int width, int height)
{
    return backdrop(width, height, 295, {25, 52, 127});
}

RowBackdrop zoomRowBackdrop(int width, int height)
{
    return backdrop(width, height, 210, {49, 148, 175});
}

} // namespace vistello
