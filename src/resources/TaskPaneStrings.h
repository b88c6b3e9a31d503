#pragma once
// Texts of the task pane: its heading and sections, the pages' status line
// and the wallpaper page.
#include "resources/StringTable.h"

namespace vistello::strings {

inline constexpr int kTaskHeading = 33033;
inline constexpr int kPictureTasks = 33161;
inline constexpr int kAdvancedTasks = 33162;
inline constexpr int kResetWallpaperQuestion = 33179;
inline constexpr int kNoPictureSelected = 33217;
inline constexpr int kOnePictureSelected = 33218;
inline constexpr int kPicturesSelected = 33219;
inline constexpr int kChangeWallpaper = 33242;
inline constexpr int kDetails = 33290;
inline constexpr int kCopyButton = 33516;
inline constexpr int kWallpaperSet = 40339;
inline constexpr int kWallpaperReset = 40340;
inline constexpr int kWallpaperCancel = 40341;
inline constexpr int kWallpaperSettings = 40342;

inline constexpr StringRow kTaskPaneStrings[] = {
    {kTaskHeading, u"I want to:"},
    {kPictureTasks, u"Picture tasks"},
    {kAdvancedTasks, u"Advanced tasks"},
    {kResetWallpaperQuestion, u"Are you sure to reset the current wallpaper of your computer?"},
    {kNoPictureSelected, u"No picture selected"},
    {kOnePictureSelected, u"One picture selected (%1x%2, %3 KB)"},
    {kPicturesSelected, u"%1 pictures selected"},
    {kChangeWallpaper, u"Change wallpaper"},
    {kDetails, u"Details"},
    {kCopyButton, u"Copy"},
    {kWallpaperSet, u"Set"},
    {kWallpaperReset, u"Reset"},
    {kWallpaperCancel, u"Cancel"},
    {kWallpaperSettings, u"Settings"},
};

} // namespace vistello::strings
