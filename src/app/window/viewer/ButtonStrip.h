#pragma once
// The image buttons' artwork: one strip of 18-pixel cells, and the hot and
// disabled variants made from it. Pixels of the strip's top-left colour
// are the background (the key).
#include <QImage>
#include <QString>
#include <vector>

namespace vistello {

inline constexpr int kStripCell = 18;
inline constexpr int kStripCells = 34;

// The mark drawn in a button's cell (the strip is painted by the widgets,
// which have fonts); empty for commands without artwork.
QString stripMark(int command);
// Every command with a cell.
std::vector<int> stripCommands();
// The key becomes the hot background, the marks get a grey shadow to the
// lower right and every cell a frame in the selection blue.
QImage hotVariant(const QImage& strip);
// Every mark pixel grey, the key kept.
QImage disabledVariant(const QImage& strip);
// A button's cell in the strip; -1 for commands without artwork.
int stripIndex(int command);

} // namespace vistello
