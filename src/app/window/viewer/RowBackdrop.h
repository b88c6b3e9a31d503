#pragma once
// The light strip a button row sits on: the area lightened under the
// buttons and the one-pixel separators between their groups.
#include <QLine>
#include <QRect>
#include <vector>

namespace vistello {

struct RowBackdrop {
    QRect lit; // every colour byte +100 (capped) before the buttons are drawn
    std::vector<QLine> separators;
};

// The normal-mode row of the client area width x height.
RowBackdrop controlRowBackdrop(int width, int height);
// The zoom row, with room for the " 100% " label at its left end.
RowBackdrop zoomRowBackdrop(int width, int height);

} // namespace vistello
