#pragma once
// Texts of the folder tree: its branches and menus, folder and favorite
// commands, the drive line, the Properties dialog and the address field.
#include "resources/StringTable.h"

namespace vistello::strings {

inline constexpr int kFavoritesBranch = 34801;
inline constexpr int kCommandLineBranch = 34802;
inline constexpr int kDropBranch = 34803;
inline constexpr int kSearchBranch = 34804;
inline constexpr int kNewFolderName = 34805;
inline constexpr int kNewFavoriteName = 34806;
inline constexpr int kFolderNotAdded = 34807;
inline constexpr int kFolderNotDeleted = 34808;
inline constexpr int kFavoriteNameTaken = 34809;
inline constexpr int kMenuAddNewFolder = 34810;
inline constexpr int kMenuRemoveFolder = 34811;
inline constexpr int kMenuRenameFolder = 34812;
inline constexpr int kMenuRescanFolder = 34813;
inline constexpr int kMenuRescanWithSubfolders = 34814;
inline constexpr int kMenuAddToFavorites = 34815;
inline constexpr int kMenuProperties = 34816;
inline constexpr int kMenuRemoveFavorite = 34817;
inline constexpr int kMenuRenameFavorite = 34818;
inline constexpr int kMenuGoTo = 34819;
inline constexpr int kDriveLineWithPictures = 34820;
inline constexpr int kDriveLineFreeOnly = 34821;
inline constexpr int kAveragePictureSizeLine = 34822;
inline constexpr int kPropertiesTitle = 34823;
inline constexpr int kDriveTitle = 34824;
inline constexpr int kSizeLabel = 34825;
inline constexpr int kFreeLabel = 34826;
inline constexpr int kPictureStatisticTitle = 34827;
inline constexpr int kPicturesLabel = 34828;
inline constexpr int kAveragePictureSizeLabel = 34829;
inline constexpr int kOtherObjectsLabel = 34830;
inline constexpr int kFoldersLabel = 34831;
inline constexpr int kPropertiesCopied = 34832;
inline constexpr int kLoadingFolderStructure = 34833;
inline constexpr int kAddressIsProgram = 34891;
inline constexpr int kAddressNotFound = 34892;
inline constexpr int kAddressNotOpened = 34893;

inline constexpr StringRow kFolderStrings[] = {
    {kFavoritesBranch, u"Favorites"},
    {kCommandLineBranch, u"Pictures from command line"},
    {kDropBranch, u"Pictures from &Drag Drop"},
    {kSearchBranch, u"Search results"},
    {kNewFolderName, u"New Folder"},
    {kNewFavoriteName, u"New favorite"},
    {kFolderNotAdded, u"The folder \"%1\" could not be added."},
    {kFolderNotDeleted,
     u"The folder \"%1\" could not be deleted.\nCheck if there are no files/folders in this folder or if this folder is write protected."},
    {kFavoriteNameTaken, u"A favorite with the name \"%1\"\nalready exists. Choose another name."},
    {kMenuAddNewFolder, u"Add &new folder"},
    {kMenuRemoveFolder, u"&Remove folder"},
    {kMenuRenameFolder, u"R&ename folder"},
    {kMenuRescanFolder, u"Re&scan folder"},
    {kMenuRescanWithSubfolders, u"Re&scan folder including subfolders"},
    {kMenuAddToFavorites, u"&Add to favorites"},
    {kMenuProperties, u"&Properties"},
    {kMenuRemoveFavorite, u"&Remove Favorite"},
    {kMenuRenameFavorite, u"Rename favorite"},
    {kMenuGoTo, u"Go to \"%1\""},
    {kDriveLineWithPictures, u"Drive \"%1\", %2 ~ %3!d! pictures"},
    {kDriveLineFreeOnly, u"Drive \"%1\", %2"},
    {kAveragePictureSizeLine, u"Average picture size: %1"},
    {kPropertiesTitle, u"Properties"},
    {kDriveTitle, u"Drive %1"},
    {kSizeLabel, u"Size:"},
    {kFreeLabel, u"Free:"},
    {kPictureStatisticTitle, u"Picture statistic"},
    {kPicturesLabel, u"Pictures:"},
    {kAveragePictureSizeLabel, u"Average picture size:"},
    {kOtherObjectsLabel, u"Other objects:"},
    {kFoldersLabel, u"Folders:"},
    {kPropertiesCopied,
     u"The properties are copied as text to the clipboard.\nYou can use this text in any other application by using the\n\"Paste\" command."},
    {kLoadingFolderStructure, u"Loading folder structure..."},
    {kAddressIsProgram, u"\"%1\" is a program or a special file.\nIt is not opened from the address field."},
    {kAddressNotFound, u"\"%1\" was not found.\nEnter a folder, a file or a web address (http:// or https://)."},
    {kAddressNotOpened, u"\"%1\" could not be opened."},
};

} // namespace vistello::strings
