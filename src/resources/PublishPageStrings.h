#pragma once
// Texts of the publishing pages of the task pane: the three HTML gallery
// pages and the picture index page.
#include "resources/StringTable.h"

namespace vistello::strings {

inline constexpr int kGalleryPageHeading = 36101;
inline constexpr int kGalleryTabPage = 36102;
inline constexpr int kGalleryTabPictures = 36103;
inline constexpr int kGalleryTabTemplates = 36104;
inline constexpr int kGalleryHelp = 36105;
inline constexpr int kGalleryTargetLabel = 36106;
inline constexpr int kTargetFolderTip = 36107;
inline constexpr int kGalleryFileNameLabel = 36108;
inline constexpr int kGalleryPerRowLabel = 36109;
inline constexpr int kGalleryRowsLabel = 36110;
inline constexpr int kGalleryRowsTip = 36111;
inline constexpr int kGalleryHeadlineLabel = 36112;
inline constexpr int kGalleryJpegNote = 36113;
inline constexpr int kGalleryCreateButton = 36114;
inline constexpr int kPageApply = 36116;
inline constexpr int kPageOk = 36117;
inline constexpr int kPictureSettingsHelp = 36118;
inline constexpr int kThumbnailSizeLabel = 36119;
inline constexpr int kThumbnailWidthTip = 36120;
inline constexpr int kThumbnailHeightTip = 36121;
inline constexpr int kPixelUnit = 36122;
inline constexpr int kDisplayFilenames = 36123;
inline constexpr int kLinkToPicture = 36124;
inline constexpr int kLinkToOriginal = 36125;
inline constexpr int kLinkToOriginalTip = 36126;
inline constexpr int kTemplatesHelp = 36127;
inline constexpr int kIndexTemplateLabel = 36128;
inline constexpr int kUseExternalIndex = 36129;
inline constexpr int kUseExternalIndexTip = 36130;
inline constexpr int kPictureTemplateLabel = 36131;
inline constexpr int kUseExternalPicture = 36132;
inline constexpr int kUseExternalPictureTip = 36133;
inline constexpr int kBrowseButton = 36134;
inline constexpr int kHtmlFileFilter = 36135;
inline constexpr int kTargetFolderTitle = 36136;
inline constexpr int kInvalidTargetTitle = 36138;
inline constexpr int kInvalidTargetText = 36139;
inline constexpr int kIndexPageHeading = 36140;
inline constexpr int kIndexHelp = 36141;
inline constexpr int kIndexTargetLabel = 36142;
inline constexpr int kIndexSizeLabel = 36143;
inline constexpr int kIndexColumnsTip = 36144;
inline constexpr int kIndexRowsTip = 36145;
inline constexpr int kPicturesUnit = 36146;
inline constexpr int kIndexPictureSizeLabel = 36147;
inline constexpr int kHorizontalSizeTip = 36148;
inline constexpr int kVerticalSizeTip = 36149;
inline constexpr int kHorizontalBorderLabel = 36150;
inline constexpr int kVerticalBorderLabel = 36151;
inline constexpr int kFilmBorderTip = 36152;
inline constexpr int kIndexFileNameLabel = 36153;
inline constexpr int kIndexFileNameTip = 36154;
inline constexpr int kAddFilmStripe = 36155;
inline constexpr int kIndexBackgroundLabel = 36156;
inline constexpr int kChangeColorButton = 36157;
inline constexpr int kCreateIndexButton = 36158;

inline constexpr StringRow kPublishPageStrings[] = {
    {kGalleryPageHeading, u"Create a HTML page"},
    {kGalleryTabPage, u"HTML picture page"},
    {kGalleryTabPictures, u"Picture settings"},
    {kGalleryTabTemplates, u"Page templates"},
    {kGalleryHelp, u"The selected folder contains all files that can be copied later to an internet server.\nThe name of "
                   u"the HTML file specifies the start page."},
    {kGalleryTargetLabel, u"The folder where the HTML file and the images will be stored:"},
    {kTargetFolderTip, u"You can use the folder view on the left side to select a folder."},
    {kGalleryFileNameLabel, u"HTML file name:"},
    {kGalleryPerRowLabel, u"Pictures per row:"},
    {kGalleryRowsLabel, u"Rows per page:"},
    {kGalleryRowsTip, u"If you enter a '0' only one index page containing all pictures will be created."},
    {kGalleryHeadlineLabel, u"Page headline text:"},
    {kGalleryJpegNote, u"Note: Only pictures in Jpeg format will be used for the HTML page."},
    {kGalleryCreateButton, u"Create a HTML page"},
    {kPageApply, u"Apply"},
    {kPageOk, u"OK"},
    {kPictureSettingsHelp, u"Use these settings to specify the picture size and picture links."},
    {kThumbnailSizeLabel, u"Thumbnail size:"},
    {kThumbnailWidthTip, u"Horizontal thumbnail size"},
    {kThumbnailHeightTip, u"Vertical thumbnail size"},
    {kPixelUnit, u"Pixel"},
    {kDisplayFilenames, u"Use filenames in the index page"},
    {kLinkToPicture, u"Add link to (resized) picture"},
    {kLinkToOriginal, u"Include link to the original picture"},
    {kLinkToOriginalTip, u"Use this option to add a link to the original picture from the (resized) picture."},
    {kTemplatesHelp,
     u"Using the page templates, you can create your own layout.\nThe standard template will be restored if you remve "
     u"the template text.\n\nUse the following placeholders for the HTML index page:\n%1: page title\n%2: headline\n%3: "
     u"page index\n%4: index pictures\n\nUse the following placeholders for the picture pages:\n%1: title\n%2: previous "
     u"page\n%3: next page\n%4: start page\n%5: picture\n%6: picture text\n%7: file name\n%8: link to original\n%9: "
     u"closing tag for parameter '%8'\n%10: tooltip text for previous page\n%11: tooltip text for next page\n%12: "
     u"tooltip text for index page"},
    {kIndexTemplateLabel, u"HTML index page:"},
    {kUseExternalIndex, u"Use external HTML index page"},
    {kUseExternalIndexTip, u"This option enables the usage of an external HTML page for the index page."},
    {kPictureTemplateLabel, u"Picture page:"},
    {kUseExternalPicture, u"Use external picture page"},
    {kUseExternalPictureTip, u"This option enables the usage of an external HTML page for the individual picture pages."},
    {kBrowseButton, u"Browse..."},
    {kHtmlFileFilter, u"HTML file (*.html;*.htm) |*.html;*.htm|All files (*.*)|*.*||"},
    {kTargetFolderTitle, u"Target folder"},
    {kInvalidTargetTitle, u"Invalid target folder"},
    {kInvalidTargetText,
     u"The file creation failed in this folder .\nEnsure that this folder does exist and has write permission."},
    {kIndexPageHeading, u"Picture index"},
    {kIndexHelp, u"The Jpeg picture format \".jpg\" will be used if the file extension of the index file name is "
                 u"omitted."},
    {kIndexTargetLabel, u"The folder to store the index pictures:"},
    {kIndexSizeLabel, u"Index size:"},
    {kIndexColumnsTip, u"Number of columns"},
    {kIndexRowsTip, u"Number of rows"},
    {kPicturesUnit, u"Pictures"},
    {kIndexPictureSizeLabel, u"Picture size:"},
    {kHorizontalSizeTip, u"Horizontal size"},
    {kVerticalSizeTip, u"Vertical size"},
    {kHorizontalBorderLabel, u"Horizontal border:"},
    {kVerticalBorderLabel, u"Vertical border:"},
    {kFilmBorderTip, u"If this option is enabled, the vertical border will be used as the distance between the film "
                     u"stripes."},
    {kIndexFileNameLabel, u"Index file name:"},
    {kIndexFileNameTip, u"The placeholder '%d' will be replaced with the index number."},
    {kAddFilmStripe, u"Add film stripe"},
    {kIndexBackgroundLabel, u"Background color for index pictures"},
    {kChangeColorButton, u"Change Color"},
    {kCreateIndexButton, u"Create index"},
};

} // namespace vistello::strings
