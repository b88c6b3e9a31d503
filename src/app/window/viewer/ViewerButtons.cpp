#include "app/window/viewer/ViewerButtons.h"

#include "jpegedit/batch/PictureTransform.h"

namespace vistello {

std::vector<ViewerButton> controlRow(const ButtonInputs& in)
{
    const int y = in.height - 42;
    const bool editable = in.pictureOk && !in.writeProtected;
    const auto can = [&](unsigned bit) { return editable && (in.capabilities & bit) != 0; };
    const auto at = [&](int command, int fromRight, bool enabled) {
        return ViewerButton{command, QPoint(in.width - fromRight, y), enabled};
    };
    return {
        at(viewer::Delete, 20, true),
        at(viewer::RestoreOriginal, 47, !in.writeProtected && in.originalExists),
        at(viewer::AutoRotate, 74, can(CanAutoRotate) && in.orientation != 1),
        at(viewer::RotateRight, 98, can(CanRotateRight)),
        at(viewer::RotateLeft, 122, can(CanRotateLeft)),
        at(viewer::FlipHorizontal, 149, can(CanMirror)),
        at(viewer::FlipVertical, 173, can(CanFlip)),
        at(viewer::MainDiagonal, 197, can(CanTranspose)),
        at(viewer::SubDiagonal, 221, can(CanTransverse)),
        at(viewer::Greyscale, 245, can(CanGreyscale)),
        at(viewer::Crop, 269, can(CanCrop)),
        at(viewer::EnableZoom, 293, in.pictureOk),
    };
}

std::vector<ViewerButton> zoomRow(int width, int height, int level)
{
    const int y = height - 42;
    const auto at = [&](int command, int fromRight, bool enabled) {
        return ViewerButton{command, QPoint(width - fromRight, y), enabled};
    };
    return {
        at(viewer::ZoomIn, 20, level < 5),   at(viewer::ZoomOut, 44, level >= 2), at(viewer::MoveDown, 71, true),
        at(viewer::MoveUp, 95, true),        at(viewer::MoveLeft, 119, true),    at(viewer::MoveRight, 143, true),
        at(viewer::DisableZoom, 170, true),
    };
}

QPoint zoomLabelAt(int width, int height)
{
    return {width - 210, height - 39};
}

bool controlRowShown(const ViewerModes& modes)
{
    return !modes.autoShow && (!modes.pictureOnly || modes.buttonsInPictureOnly);
}

std::optional<ViewerButton> topRightButton(const ViewerModes& modes, int width)
{
    const QPoint at(width - 22, 3);
    if (modes.autoShow)
        return ViewerButton{viewer::StopShow, at, true};
    if (modes.pictureOnly && modes.buttonsInPictureOnly)
        return ViewerButton{viewer::BackToNormal, at, true};
    return std::nullopt;
}

std::optional<TransformRequest> losslessRequest(int command)
{
    TransformRequest request;
    switch (command) {
    case viewer::RotateRight: request.op = TransformOp::Rotate90; break;
    case viewer::RotateLeft: request.op = TransformOp::Rotate270; break;
    case viewer::FlipHorizontal: request.op = TransformOp::FlipH; break;
    case viewer::FlipVertical: request.op = TransformOp::FlipV; break;
    case viewer::MainDiagonal: request.op = TransformOp::Transpose; break;
    case viewer::SubDiagonal: request.op = TransformOp::Transverse; break;
    case viewer::Greyscale: request.forceGray = true; break;
    default: return std::nullopt;
    }
    return request;
}

} // namespace vistello
