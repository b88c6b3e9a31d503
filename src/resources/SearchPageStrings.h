#pragma once
// Texts of the search page and of the picture check page.
#include "resources/StringTable.h"

namespace vistello::strings {

inline constexpr int kSearchPageTitle = 35300;
inline constexpr int kSearchHelp = 35301;
inline constexpr int kSearchUseName = 35302;
inline constexpr int kSearchNameLabel = 35303;
inline constexpr int kSearchFieldTip = 35304;
inline constexpr int kSearchUseFileComment = 35305;
inline constexpr int kSearchCommentLabel = 35306;
inline constexpr int kSearchUseListComment = 35307;
inline constexpr int kSearchUseDate = 35308;
inline constexpr int kSearchDateStarts = 35309;
inline constexpr int kSearchDateEnds = 35310;
inline constexpr int kSearchTodayHint = 35311;
inline constexpr int kSearchFoldersLabel = 35312;
inline constexpr int kSearchFoldersTip = 35313;
inline constexpr int kSearchModeReplace = 35314;
inline constexpr int kSearchModeAdd = 35315;
inline constexpr int kSearchModeWithin = 35316;
inline constexpr int kSearchButton = 35317;
inline constexpr int kSearchCancel = 35318;
inline constexpr int kSearchApply = 35319;
inline constexpr int kSearchToday = 35320;
inline constexpr int kCheckPageTitle = 35321;
inline constexpr int kCheckPageText = 35322;
inline constexpr int kCheckButton = 35323;
inline constexpr int kCheckCancel = 35324;

inline constexpr StringRow kSearchPageStrings[] = {
    {kSearchPageTitle, u"Search pictures"},
    {kSearchHelp, u"Click on a search criteria you want to use.\nWhen searching, you also can use regular expressions."},
    {kSearchUseName, u"Search picture name"},
    {kSearchNameLabel, u"Picture name:"},
    {kSearchFieldTip, u"Enter a search text here.\nNote: You can also use regular expressions."},
    {kSearchUseFileComment, u"Search comment in picture files"},
    {kSearchCommentLabel, u"Picture comment:"},
    {kSearchUseListComment, u"Search comment in the comment list"},
    {kSearchUseDate, u"Search picture date"},
    {kSearchDateStarts, u"Picture date starts:"},
    {kSearchDateEnds, u"Picture date ends:"},
    {kSearchTodayHint, u"Click the circle symbol to jump to the current date."},
    {kSearchFoldersLabel, u"List of the folders to be search. e.g.:  %1"},
    {kSearchFoldersTip,
     u"You can specify more than folder by using the semicolon as a separator. e.g. /home/me/Pictures;/media/Vacation\n"
     u"Scanning a whole disk (e.g.:  /) may take some time."},
    {kSearchModeReplace, u"Delete old search results"},
    {kSearchModeAdd, u"Add to existing search results"},
    {kSearchModeWithin, u"Search in existing results"},
    {kSearchButton, u"Search"},
    {kSearchCancel, u"Cancel"},
    {kSearchApply, u"Apply"},
    {kSearchToday, u"\u25CB"},
    {kCheckPageTitle, u"Picture check"},
    {kCheckPageText,
     u"The selected pictures will checked for errors.\nThe broken pictures will be stored in a list (\"%1\"). "
     u"This list can be displayed when the check is done."},
    {kCheckButton, u"Check"},
    {kCheckCancel, u"Cancel"},
};

} // namespace vistello::strings
