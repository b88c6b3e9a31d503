#include "app/window/frame/CommandIds.h"

#include <algorithm>
#include <array>

namespace vistello::command {

bool isKnown(int id)
{
    static constexpr std::array kAll = {AutoShow, PictureOnly, NextPicture, PreviousPicture, Information, Options,
                                        DeletePictures, PictureData, HtmlPage, Update, NormalFrame, FullScreenFrame,
                                        PictureIndex, MinimizeWindow, Search, Invert, Rename, ZoomMode, InfoBox,
                                        ExportList, ChangeView, SelectAll, RotateRight, ChangeComment, AutoRotate,
                                        RotateLeft, Resize, PastePicture, RedEye, RestoreOriginal, ActionList, Escape, Enter,
                                        ConvertFormat, CopyPictures, ColourMosaic, FocusSwitch, FileDateFromExif, Exit,
                                        SetWallpaper, MirrorVertical, Greyscale, PictureCheck, SplitPanorama};
    return std::find(kAll.begin(), kAll.end(), id) != kAll.end();
}

bool isPageCommand(int id)
{
    static constexpr std::array kAll = {CopyPictureData, SavePictureData, LoadPictureData, RemovePictureData};
    return std::find(kAll.begin(), kAll.end(), id) != kAll.end();
}

} // namespace vistello::command
