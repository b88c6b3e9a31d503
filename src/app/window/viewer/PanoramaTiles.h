#pragma once
// A panorama too long to hold whole at the view's height: its rendering in
// strips along the long side, so that only the part on screen (and a margin
// for scrolling) is decoded, at the library's N/8 scale just above the
// fitted one and then scaled to the rendering.
#include <QRect>
#include <QSize>
#include <vector>

namespace vistello {

struct PanoramaTiles {
    static constexpr int kLength = 512; // along the long side, rendering pixels
    // Renderings up to this many views stay whole (navigator, measuring and
    // edits need the whole picture); the decode behind one stays near 200 MB.
    static constexpr int kScreens = 8;

    // The rendering the whole decode makes of the upright picture for a
    // view of box device pixels: the library's scale that fills the box
    // across, then brought down to the box's short side.
    static QSize fittedRendering(QSize upright, QSize box);
    // The rendering holds more pixels than screens views: draw it in tiles.
    static bool tiled(QSize rendering, QSize view, int screens = kScreens);
    // The smallest scale (over 8) at which the upright picture is at least
    // the rendering across its short side; 8 when none is.
    static int decodeScale(QSize upright, QSize rendering);
    // The tiles touching position .. position + length along the long side,
    // grown by margin tiles each way.
    static std::vector<int> covering(QSize rendering, int position, int length, int margin);
    // The tile's rectangle in the rendering (cut at its end).
    static QRect rectOf(int index, QSize rendering);
    // The decoded picture's rectangle behind a part of the rendering, grown
    // to whole pixels and kept inside the decoded picture.
    static QRect sourceOf(QRect part, QSize rendering, QSize decoded);
};

} // namespace vistello
