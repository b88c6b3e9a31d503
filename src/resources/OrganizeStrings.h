#pragma once
// Texts of the organizing commands: the main window's file commands, renaming,
// comments, search and picture check.
#include "resources/StringTable.h"

namespace vistello::strings {

inline constexpr int kDeleteOnePicture = 33258;
inline constexpr int kDeleteSomePictures = 33259;
inline constexpr int kDeleteFolderPictures = 33260;
inline constexpr int kDeletePicturesTitle = 33268;
inline constexpr int kNoClipboardPicture = 33310;
inline constexpr int kSetFileDateToExifDate = 33565;
inline constexpr int kRenameNameTaken = 33601;
inline constexpr int kRenameWouldOverride = 33602;
inline constexpr int kRenameUnsafeName = 33603;
inline constexpr int kCommentListNotSaved = 33610;
inline constexpr int kLoadingComments = 33611;
inline constexpr int kPicturesScanned = 33620;
inline constexpr int kSearchFinished = 33621;
inline constexpr int kSearchFoundAsk = 33622;
inline constexpr int kSearchFoundAskListOnly = 33623;
inline constexpr int kSearchNothingFound = 33624;
inline constexpr int kSearchEmptyTitle = 33625;
inline constexpr int kSearchEmptyText = 33626;
inline constexpr int kSearchInvalidTitle = 33627;
inline constexpr int kSearchInvalidText = 33628;
inline constexpr int kErrorListName = 33630;
inline constexpr int kCheckNoneBroken = 33631;
inline constexpr int kCheckOneBroken = 33632;
inline constexpr int kCheckSomeBroken = 33633;
inline constexpr int kDontDisplayAgain = 33640;
inline constexpr int kDeletePermanently = 33641;
inline constexpr int kPastedPictureNotWritten = 33642;

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
    {kCommentListNotSaved,
     u"The picture comment list \"%1\" could not be updated.\nCheck the file permissions of this file/drive."},
    {kLoadingComments, u"Loading picture comments..."},
    {kPicturesScanned, u"%1!d! pictures scanned"},
    {kSearchFinished, u"The picture search is finished"},
    {kSearchFoundAsk,
     u"The picture search is finished. %1!d! pictures have been found.\nWould you like to see these pictures?"},
    {kSearchFoundAskListOnly, u"The picture search is finished.\nWould you like to see these pictures?"},
    {kSearchNothingFound, u"No pictures were found that matches the search criteria."},
    {kSearchEmptyTitle, u"Empty search text"},
    {kSearchEmptyText, u"Enter a search text.\nNote: You can also use regular expressions."},
    {kSearchInvalidTitle, u"Invalid search text"},
    {kSearchInvalidText, u"The search text is invalid.\nNote: You can also use regular expressions."},
    {kErrorListName, u"Errorlist.txt"},
    {kCheckNoneBroken, u"No broken pictures were found\nin the selected pictures."},
    {kCheckOneBroken, u"One broken picture was found in the selected pictures.\nWould you like to view the error list?"},
    {kCheckSomeBroken,
     u"%1!d! broken pictures were found in the selected pictures.\nWould you like to view the error list?"},
    {kDontDisplayAgain, u"Don't display this dialog again"},
    {kDeletePermanently,
     u"The pictures cannot be moved to the trash here.\nAre you sure to delete them permanently?\nYou cannot restore them later."},
    {kPastedPictureNotWritten, u"The picture could not be written to \"%1\"."},
};

} // namespace vistello::strings
