#pragma once
// The eight EXIF orientations, modelled once: each code says how a viewer
// turns the stored pixels to show them upright.
#include <QImage>
#include <array>
#include <cstdint>

namespace vistello::samples {

enum class Orientation : uint8_t {
    Normal = 1,
    MirrorHorizontal = 2,
    Rotate180 = 3,
    MirrorVertical = 4,
    Transpose = 5,  // mirror about the top-left to bottom-right diagonal
    Rotate90 = 6,   // shown turned 90° clockwise
    Transverse = 7, // mirror about the top-right to bottom-left diagonal
    Rotate270 = 8,  // shown turned 90° counter-clockwise
};

// The display transform: first mirror left to right (when mirror is set),
// then turn clockwise by quarterTurns.
struct OrientationTransform {
    Orientation code;
    bool mirror;
    uint8_t quarterTurns;
};

inline constexpr std::array<OrientationTransform, 8> kOrientationTransforms = {{
    {Orientation::Normal, false, 0},
    {Orientation::MirrorHorizontal, true, 0},
    {Orientation::Rotate180, false, 2},
    {Orientation::MirrorVertical, true, 2},
    {Orientation::Transpose, true, 3},
    {Orientation::Rotate90, false, 1},
    {Orientation::Transverse, true, 1},
    {Orientation::Rotate270, false, 3},
}};

constexpr const OrientationTransform& orientationTransform(Orientation o)
{
    return kOrientationTransforms[size_t(o) - 1];
}

// Width and height trade places between stored and shown pixels.
constexpr bool swapsAxes(Orientation o) { return orientationTransform(o).quarterTurns % 2 == 1; }

// What a viewer shows for stored pixels with this orientation.
QImage toDisplay(const QImage& stored, Orientation o);
// The stored pixels that show as `upright` with this orientation.
QImage toStored(const QImage& upright, Orientation o);

} // namespace vistello::samples
