#pragma once
// The lines of a picture's name under its thumbnail, on the preview strip
// and the overview page alike: wrapped at spaces (or anywhere in a word too
// long for a line) into at most maxLines lines, the last one ending in "…"
// when the name does not fit.
#include <QRect>
#include <QStringList>

#include <functional>

namespace vistello {

using TextWidth = std::function<int(const QString&)>;

QStringList nameLines(const QString& name, int width, const TextWidth& measure, int maxLines = 2);

// A tool tip showing text (file names, EXIF strings) as it is: escaped
// rich text, so that tags in a name are never interpreted.
QString plainToolTip(const QString& text);

// One overview item in its grid cell: the tile's frame, the tile and the
// label below it.
struct OverviewItemLayout {
    static constexpr int kCellWidth = 110;
    static constexpr int kCellHeight = 125;
    static constexpr int kTile = 80;

    QRect iconRect; // the frame around the tile
    QRect tileRect;
    QRect labelRect; // narrowed by 2 on each side; its top line is drawn
    QRect checkBox;  // on the frame's left side, which is left open there
};

OverviewItemLayout overviewItemLayout(QRect cell);

} // namespace vistello
