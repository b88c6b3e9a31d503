#include "app/window/frame/CommandEnabling.h"

#include "app/window/frame/CommandIds.h"
#include "app/window/frame/DisplayStyle.h"

namespace vistello {

bool commandEnabled(int id, const CommandContext& c)
{
    switch (id) {
    case command::NextPicture:
    case command::PreviousPicture:
        return c.listCount > 1;
    case command::PictureOnly:
        // Leaving is always possible, also when the list became empty.
        return c.pictureOnly || c.autoShowRunning || c.listCount > 0;
    case command::AutoShow:
        return c.autoShowRunning || c.listCount > 1;
    case command::ChangeView:
        return (c.displayStyle & style::PictureStyles) != 0;
    case command::FullScreenFrame:
        return !c.appFullScreen;
    case command::NormalFrame:
        return c.appFullScreen;
    case command::DeletePictures:
        // Only where pictures are shown: never from the information or option pages.
        return c.listCount > 0 && (c.displayStyle & style::PictureStyles) != 0;
    case command::SelectAll:
    case command::FileDateFromExif:
    case command::ExportList:
    case command::CopyPictures:
    case command::RotateRight:
    case command::RotateLeft:
    case command::AutoRotate:
    case command::MirrorVertical:
    case command::Greyscale:
    case command::SetWallpaper:
    case command::Resize:
    case command::ConvertFormat:
    case command::Rename:
    case command::ChangeComment:
    case command::PictureCheck:
    case command::RedEye:
    case command::SplitPanorama:
        return c.listCount > 0;
    default:
        return command::isKnown(id);
    }
}

} // namespace vistello
