#pragma once
// The upright scene every sample picture shows: sky over green ground, a sun
// at the top right and a big "F" of bars near the left. No two orientations
// of it look alike, so a picture shown the wrong way round is obvious.
// Shapes only: the command line runs without a font database.
#include <QImage>

namespace vistello::samples {

struct SceneStyle {
    int variant = 0; // shifts the colours a little, so pictures differ
    int pips = 0;    // white squares on the ground (the orientation number)
};

// Where the scene's landmarks lie, as fractions of the upright width and height.
namespace scene {
inline constexpr double kSunX = 0.80, kSunY = 0.25;
inline constexpr double kSkyX = 0.10, kSkyY = 0.10;
inline constexpr double kGroundLeftX = 0.10, kGroundRightX = 0.90, kGroundY = 0.92;
inline constexpr double kStemX = 0.26, kStemY = 0.62;
} // namespace scene

// An RGB888 picture of the scene, width x height as shown upright.
QImage drawUprightScene(int width, int height, const SceneStyle& style = {});

} // namespace vistello::samples
