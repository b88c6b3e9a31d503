#include "app/window/taskpane/TransformPages.h"

#include "app/window/taskpane/TaskPageModes.h"

namespace vistello {

bool isTransformPage(int mode)
{
    return mode >= taskpage::RotateRight && mode <= taskpage::Greyscale;
}

QString transformPageTitle(int mode)
{
    switch (mode) {
    case taskpage::RotateRight: return QStringLiteral("Rotate right");
    case taskpage::RotateLeft: return QStringLiteral("Rotate left");
    case taskpage::AutoRotate: return QStringLiteral("Auto rotate");
    case taskpage::MirrorVertical: return QStringLiteral("Mirror vertical");
    case taskpage::Greyscale: return QStringLiteral("Greyscale");
    default: return {};
    }
}

PictureTransformOptions transformOptionsFor(int mode, const TransformChoices& choices)
{
    PictureTransformOptions options;
    switch (mode) {
    case taskpage::RotateRight: options.request.op = TransformOp::Rotate90; break;
    case taskpage::RotateLeft: options.request.op = TransformOp::Rotate270; break;
    case taskpage::AutoRotate: options.autoRotate = true; break;
    case taskpage::MirrorVertical: options.request.op = TransformOp::FlipH; break;
    case taskpage::Greyscale: options.request.forceGray = true; break;
    default: break;
    }
    options.request.adjustThumbnails = choices.modifyThumbnail;
    options.makeCopy = choices.makeCopy;
    options.copyOriginal = choices.copyOriginal;
    return options;
}

} // namespace vistello
