#pragma once
// Texts of the "Rename" page and the "Change picture comment" dialog.
#include "resources/StringTable.h"

namespace vistello::strings {

inline constexpr int kRenameHeading = 33871;
inline constexpr int kRenameNewName = 33872;
inline constexpr int kRenameNewNameTip = 33873;
inline constexpr int kRenameStartIndex = 33874;
inline constexpr int kRenameStartIndexTip = 33875;
inline constexpr int kRenameUseDate = 33876;
inline constexpr int kRenameUseDateTip = 33877;
inline constexpr int kRenameAll = 33878;
inline constexpr int kRenameButton = 33879;
inline constexpr int kPageCancel = 33880;
inline constexpr int kCommentTitle = 33881;
inline constexpr int kChangeCommentHeading = 33882;
inline constexpr int kAddCommentHeading = 33883;
inline constexpr int kWriteToList = 33884;
inline constexpr int kWriteToListTip = 33885;
inline constexpr int kListCommentTip = 33886;
inline constexpr int kWriteToFile = 33887;
inline constexpr int kWriteToFileTip = 33888;
inline constexpr int kFileCommentTip = 33889;
inline constexpr int kAddToComment = 33890;
inline constexpr int kCommentOk = 33891;
inline constexpr int kCommentApply = 33892;

inline constexpr StringRow kOrganizePageStrings[] = {
    {kRenameHeading, u"Rename"},
    {kRenameNewName, u"New picture name:"},
    {kRenameNewNameTip, u"If more than one picture gets renamed, the placeholder '%d' will be replaced with the index "
                        u"number.\nEnter the name without the file extension (e.g. no \".jpg\")."},
    {kRenameStartIndex, u"Start index:"},
    {kRenameStartIndexTip, u"If more than one picture gets renamed, the placeholder '%d' of the picture name will be "
                           u"replaced starting with this number."},
    {kRenameUseDate, u"Use EXIF date/time information"},
    {kRenameUseDateTip, u"If available, this option uses the EXIF date/time information as the new name of the "
                        u"picture.\ne.g. 2004-01-01@12-00-00.jpg"},
    {kRenameAll, u"Rename all pictures in the current folder"},
    {kRenameButton, u"Rename"},
    {kPageCancel, u"Cancel"},
    {kCommentTitle, u"Change picture comment"},
    {kChangeCommentHeading, u"Change picture comment:"},
    {kAddCommentHeading, u"Add picture comment:"},
    {kWriteToList, u"Write to list:"},
    {kWriteToListTip, u"The picture comments will be stored in a list separate from the picture files. No picture "
                      u"data like EXIF or IPTC will be modified."},
    {kListCommentTip, u"Enter your picture comment here. The comment will be stored in a list separate from the "
                      u"picture files."},
    {kWriteToFile, u"Write to picture file:"},
    {kWriteToFileTip, u"The picture comments will be stored directly in the picture file. No picture data like EXIF "
                      u"or IPTC will be modified."},
    {kFileCommentTip, u"Enter your picture comment here. The comment will be stored in the picture file."},
    {kAddToComment, u"Add to existing comment"},
    {kCommentOk, u"OK"},
    {kCommentApply, u"Apply"},
};

} // namespace vistello::strings
