#include "app/window/taskpane/TaskPageModes.h"

#include "app/window/frame/CommandIds.h"

namespace vistello::taskpage {

int modeForCommand(int id)
{
    switch (id) {
    case command::RotateRight: return RotateRight;
    case command::RotateLeft: return RotateLeft;
    case command::AutoRotate: return AutoRotate;
    case command::MirrorVertical: return MirrorVertical;
    case command::Greyscale: return Greyscale;
    case command::CopyPictures: return CopyPictures;
    case command::SetWallpaper: return Wallpaper;
    case command::Resize: return Resize;
    case command::ConvertFormat: return ConvertFormat;
    case command::Rename: return Rename;
    case command::HtmlPage: return HtmlGallery;
    case command::PictureIndex: return PictureIndex;
    case command::SplitPanorama: return SplitPanorama;
    case command::PictureCheck: return PictureCheck;
    case command::ActionList: return ActionList;
    default: return None;
    }
}

int modeAfterCommand(int open, int id)
{
    const int mode = modeForCommand(id);
    return mode == open ? None : mode;
}

} // namespace vistello::taskpage
