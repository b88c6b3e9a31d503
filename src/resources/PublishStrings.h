#pragma once
// Texts of the publishing commands: HTML gallery and index pictures.
#include "resources/StringTable.h"

namespace vistello::strings {

inline constexpr int kGalleryHeading = 34501;
inline constexpr int kIndexHeading = 34502;
inline constexpr int kNoJpegPictures = 34503;
inline constexpr int kTargetIsSourceFolder = 34504;
inline constexpr int kIndexTemplateError = 34505;
inline constexpr int kPictureTemplateError = 34506;
inline constexpr int kCannotCreateAskCancel = 34507;
inline constexpr int kCannotCreate = 34508;
inline constexpr int kPreviousPicture = 34509;
inline constexpr int kNextPicture = 34510;
inline constexpr int kBackToStartPage = 34511;
inline constexpr int kCreatedWith = 34512;
inline constexpr int kOutputClash = 34513;
inline constexpr int kOutputOverwritesPicture = 34514;
inline constexpr int kNameLeavesTarget = 34515;
inline constexpr int kSheetTooLarge = 34516;
inline constexpr int kSheetsNotWritten = 34517;
inline constexpr int kGalleryCreated = 34518;
inline constexpr int kGalleryRunning = 34519;
inline constexpr int kNoTargetFolder = 34520;

inline constexpr StringRow kPublishStrings[] = {
    {kGalleryHeading, u"HTML page creation"},
    {kIndexHeading, u"Index creation"},
    {kNoJpegPictures, u"No pictures in Jpeg format are available\nfor the HTML page creation."},
    {kTargetIsSourceFolder, u"The folder containing the new web pictures\nmust be different from the selected folder."},
    {kIndexTemplateError, u"An error occurred while creating the index page.\nCheck the index page:\n%1"},
    {kPictureTemplateError, u"An error occurred while creating the picture page.\nCheck the picture page:\n%1"},
    {kCannotCreateAskCancel, u"The file \"%1\" could not be created.\nDo you want to cancel?"},
    {kCannotCreate, u"The file \"%1\" could not be created."},
    {kPreviousPicture, u"previous picture"},
    {kNextPicture, u"next picture"},
    {kBackToStartPage, u"Back to the start page"},
    {kCreatedWith, u"Created with "},
    {kOutputClash, u"These files would be written more than once; nothing was written:\n%1"},
    {kOutputOverwritesPicture, u"These files would replace pictures of the set; nothing was written:\n%1"},
    {kNameLeavesTarget, u"The file name \"%1\" must name a file inside the target folder."},
    {kSheetTooLarge, u"An index picture of %1 x %2 pixels is too large.\nUse fewer or smaller pictures per index picture."},
    {kSheetsNotWritten, u"These index pictures could not be created:\n%1"},
    {kGalleryCreated, u"The HTML page \"%1\"\nwas created.\nWould you like to view the HTML page?"},
    {kGalleryRunning, u"A HTML page will be created in the folder\n\"%1\"\nalready."},
    {kNoTargetFolder, u"Specify a target folder.\n(e.g. by using the folder view on the left side)"},
};

} // namespace vistello::strings
