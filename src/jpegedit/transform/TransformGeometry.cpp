#include "jpegedit/transform/TransformGeometry.h"

#include <cstdint>

namespace vistello {

namespace {

GeometryResult failed(GeometryFailure why) { return {std::nullopt, why}; }

int ceilDiv(int a, int b) { return (a + b - 1) / b; }

// Drops the partial iMCU at the far edge when the kept area reaches it.
// reference is the source length along this output axis. False when only a
// partial iMCU would remain.
bool trimEdge(int& size, int offsetImcus, int imcu, int reference)
{
    const int whole = size / imcu;
    if (offsetImcus + whole != reference / imcu)
        return true; // the kept area ends inside whole iMCUs
    if (whole == 0)
        return reference % imcu == 0;
    size = whole * imcu;
    return true;
}

} // namespace

GeometryResult computeGeometry(const SourceLayout& source, const TransformRequest& request)
{
    if (source.width <= 0 || source.height <= 0 || source.components <= 0 || source.components > kMaxComponents ||
        source.maxH <= 0 || source.maxV <= 0)
        return failed(GeometryFailure::BadCrop);
    TransformGeometry g;
    g.op = effectiveOp(request);
    const OpSteps steps = stepsOf(g.op);
    g.components = request.forceGray && source.yCbCr && source.components == 3 ? 1 : source.components;
    const bool single = g.components == 1;

    const int sourceImcuW = single ? 8 : source.maxH * 8;
    const int sourceImcuH = single ? 8 : source.maxV * 8;
    g.imcuWidth = steps.transpose ? sourceImcuH : sourceImcuW;
    g.imcuHeight = steps.transpose ? sourceImcuW : sourceImcuH;
    const int fullWidth = steps.transpose ? source.height : source.width;
    const int fullHeight = steps.transpose ? source.width : source.height;
    g.outputWidth = fullWidth;
    g.outputHeight = fullHeight;

    if (request.crop) {
        const int64_t x = request.cropX;
        const int64_t y = request.cropY;
        if (x < 0 || y < 0 || x >= fullWidth || y >= fullHeight)
            return failed(GeometryFailure::BadCrop);
        const int64_t w = request.cropW == 0 ? fullWidth - x : request.cropW;
        const int64_t h = request.cropH == 0 ? fullHeight - y : request.cropH;
        if (w <= 0 || h <= 0 || x + w > fullWidth || y + h > fullHeight)
            return failed(GeometryFailure::BadCrop);
        // The kept area grows to the left and top to the iMCU grid.
        g.outputWidth = int(x % g.imcuWidth + w);
        g.outputHeight = int(y % g.imcuHeight + h);
        g.xOffset = int(x / g.imcuWidth);
        g.yOffset = int(y / g.imcuHeight);
    }

    if (steps.mirrorColumns) {
        if (!request.trim && fullWidth % g.imcuWidth != 0)
            return failed(GeometryFailure::TooSmall);
        if (!trimEdge(g.outputWidth, g.xOffset, g.imcuWidth, fullWidth))
            return failed(GeometryFailure::TooSmall);
    }
    if (steps.mirrorRows) {
        if (!request.trim && fullHeight % g.imcuHeight != 0)
            return failed(GeometryFailure::TooSmall);
        if (!trimEdge(g.outputHeight, g.yOffset, g.imcuHeight, fullHeight))
            return failed(GeometryFailure::TooSmall);
    }

    g.inPlace = g.xOffset == 0 && g.yOffset == 0 && (g.op == TransformOp::None || g.op == TransformOp::FlipH);

    for (int i = 0; i < g.components; ++i) {
        const int sh = single ? 1 : source.h[size_t(i)];
        const int sv = single ? 1 : source.v[size_t(i)];
        if (sh <= 0 || sv <= 0)
            return failed(GeometryFailure::BadCrop);
        ComponentGeometry& c = g.component[size_t(i)];
        c.h = steps.transpose ? sv : sh;
        c.v = steps.transpose ? sh : sv;
        c.widthInBlocks = ceilDiv(g.outputWidth, g.imcuWidth) * c.h;
        c.heightInBlocks = ceilDiv(g.outputHeight, g.imcuHeight) * c.v;
        const int wholeSourceX = (source.width / sourceImcuW) * sh;
        const int wholeSourceY = (source.height / sourceImcuH) * sv;
        c.wholeColumns = steps.transpose ? wholeSourceY : wholeSourceX;
        c.wholeRows = steps.transpose ? wholeSourceX : wholeSourceY;
        c.xOffsetBlocks = g.xOffset * c.h;
        c.yOffsetBlocks = g.yOffset * c.v;
    }
    return {g, GeometryFailure::None};
}

} // namespace vistello
