#pragma once
// The derived geometry of a transform, computed from the source's header
// before any coefficient is read: output size, crop offset in whole iMCUs,
// destination iMCU, and per component the block counts the block transforms
// work with.
//
// Edge blocks. A mirror can only move whole iMCUs: the partial iMCU at the
// source's right or bottom edge would land at the opposite side with
// garbage padding. Policy: trim - the output drops that partial iMCU when
// the kept area reaches it; when nothing but the partial iMCU would be kept
// (a picture smaller than one iMCU in a mirrored direction) the transform
// fails instead of returning the picture unchanged. Directions that are not
// mirrored keep their partial blocks, moved without mirroring.
#include "jpegedit/transform/TransformRequest.h"

#include <array>
#include <optional>

namespace vistello {

inline constexpr int kMaxComponents = 10; // as the JPEG library allows

struct SourceLayout {
    int width = 0;
    int height = 0;
    int components = 0;
    bool yCbCr = false; // three components in YCbCr
    int maxH = 1;       // largest sampling factors
    int maxV = 1;
    std::array<int, kMaxComponents> h{};
    std::array<int, kMaxComponents> v{};
};

struct ComponentGeometry {
    int h = 1; // sampling factors in the output
    int v = 1;
    int widthInBlocks = 0;  // output arrays
    int heightInBlocks = 0;
    // Whole-iMCU part of the source component, counted along the output's
    // x and y axes: only these blocks are mirrored.
    int wholeColumns = 0;
    int wholeRows = 0;
    int xOffsetBlocks = 0; // crop offset
    int yOffsetBlocks = 0;
};

enum class GeometryFailure {
    None,
    BadCrop,      // rectangle empty, negative or outside the output
    TooSmall,     // only a partial iMCU would remain in a mirrored direction
};

struct TransformGeometry {
    TransformOp op = TransformOp::None;
    int components = 0;
    int outputWidth = 0;
    int outputHeight = 0;
    int imcuWidth = 8; // destination iMCU in pixels
    int imcuHeight = 8;
    int xOffset = 0; // crop offset in destination iMCUs
    int yOffset = 0;
    // The output arrays are the source arrays (changed in place, if at all).
    bool inPlace = false;
    std::array<ComponentGeometry, kMaxComponents> component{};
};

struct GeometryResult {
    std::optional<TransformGeometry> geometry;
    GeometryFailure failure = GeometryFailure::None;
};

GeometryResult computeGeometry(const SourceLayout& source, const TransformRequest& request);

} // namespace vistello
