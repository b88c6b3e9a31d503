#pragma once
// Texts of the organizing commands: the main window's file commands, renaming.
#include "resources/StringTable.h"

namespace vistello::strings {

inline constexpr int kDeleteOnePicture = 33258;
inline constexpr int kDeleteSomePictures = 33259;
inline constexpr int kDeleteFolderPictures = 33260;
inline constexpr int kDeletePicturesTitle = 33268;
inline constexpr int kNoClipboardPicture = 33310;
inline constexpr int kSetFileDateToExifDate = 33565;
inline constexpr int kDontDisplayAgain = 33640;
inline constexpr int kDeletePermanently = 33641;
inline constexpr int kPastedPictureNotWritten = 33642;
inline constexpr int kRenameNameTaken = 33601;
inline constexpr int kRenameWouldOverride = 33602;
inline constexpr int kRenameUnsafeName = 33603;

inline constexpr StringRow kOrganizeStrings[] = {
    {kDeleteOnePicture, u"Are you sure to delete the picture \"%s\"?\nIf possible, the picture will be moved to the recycle bin."},
    {kDeleteSomePictures, u"Are you sure to delete the %d pictures?\nIf possible, the pictures will be moved to the recycle bin."},
    {kDeleteFolderPictures,
     u"Are you sure to delete all pictures of the folder \"%s\"?\nIf possible, all pictures will be moved to the recycle bin."},
    {kDeletePicturesTitle, u"Delete pictures"},
    {kNoClipboardPicture, u"There is no picture in the clipboard."},
    {kSetFileDateToExifDate,
     u"Are you sure to set the file date for the selected pictures\n(Jpeg format only) to the EXIF date?\nYou cannot restore the old file date later."},
    {kRenameNameTaken, u"The picture \"%1\"\nalready exist.\nChoose another name."},
    {kRenameWouldOverride,
     u"At least one renamed picture would override an existing picture.\nChoose another name or select a different starting number."},
    {kRenameUnsafeName, u"The name \"%1\" cannot be used for a picture: it is empty, hidden or leaves the folder."},
    {kDontDisplayAgain, u"Don't display this dialog again"},
    {kDeletePermanently,
     u"The pictures cannot be moved to the trash here.\nAre you sure to delete them permanently?\nYou cannot restore them later."},
    {kPastedPictureNotWritten, u"The picture could not be written to \"%1\"."},
};

} // namespace vistello::strings
