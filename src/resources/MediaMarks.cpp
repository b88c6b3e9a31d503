#include "resources/MediaMarks.h"

namespace vistello {

namespace {

constexpr int kMarkWidth = 13;
constexpr int kMarkHeight = 15;

// '#' the loudspeaker and its sound waves, '.' white.
constexpr const char* kLoudspeaker[kMarkHeight] = {
    ".............",
    ".....#.......",
    "....##...#...",
    "...###....#..",
    "######.#...#.",
    "######..#..#.",
    "######..#...#",
    "######..#...#",
    "######..#...#",
    "######..#..#.",
    "######.#...#.",
    "...###....#..",
    "....##...#...",
    ".....#.......",
    ".............",
};

QImage drawMark(QRgb colour)
{
    QImage image(kMarkWidth, kMarkHeight, QImage::Format_RGB888);
    image.fill(Qt::white);
    for (int y = 0; y < kMarkHeight; ++y) {
        for (int x = 0; x < kMarkWidth; ++x) {
            if (kLoudspeaker[y][x] == '#')
                image.setPixel(x, y, colour);
        }
    }
    return image;
}

} // namespace

QImage mediaMarkImage(int mark)
{
    switch (MediaMark(mark)) {
    case MediaMark::EmbeddedSound:
        return drawMark(qRgb(102, 153, 255));
    case MediaMark::CompanionSound:
        return drawMark(qRgb(66, 145, 119));
    case MediaMark::None:
        break;
    }
    return {};
}

} // namespace vistello
