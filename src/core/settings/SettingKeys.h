#pragma once
// Every settings key with its type and the default stored on its first read,
// in one table, so that no two readers of a key can disagree on its default.
// Read and write them through SettingsStore::get / set.
#include <cstdint>

namespace vistello::setting {

struct BoolKey {
    const char* name;
    bool fallback;
};
// Validated by the store on every read and write.
struct IntKey {
    const char* name;
    int fallback;
};
// Stored and read as they are, without validation.
struct IntRawKey {
    const char* name;
    int fallback;
};
// An empty default takes the store's normalisation of the key.
struct StringKey {
    const char* name;
    const char* fallback;
};
// "|"-separated lists.
struct ListKey {
    const char* name;
};
// Keys whose default depends on the caller (display-style flags, records and
// byte blocks): named here so every reader spells them the same.
struct NamedKey {
    const char* name;
};

// Start-up and the main window.
inline constexpr BoolKey FirstRun{"FirstRun", true};
inline constexpr StringKey PictureListExtension{"PictureListExtension", ""};
inline constexpr StringKey LastUsedFolder{"LastUsedFolder", ""};
inline constexpr IntKey LastPictureIndex{"LastPictureIndex", 0};
// Colours: -1 is "not set", which the store's validation turns into the
// documented colour (text and full-screen background black, background white).
inline constexpr IntKey TextColor{"TextColor", -1};
inline constexpr IntKey BackgroundColor{"BackgroundColor", -1};
inline constexpr IntKey BackgroundColorFullScreen{"BackgroundColorFullScreen", -1};
inline constexpr BoolKey SelectionViewVisible{"SelectionViewVisible", true};
inline constexpr BoolKey FullScreen{"FullScreen", false};
inline constexpr BoolKey AppFullScreenMode{"AppFullScreenMode", false};
inline constexpr BoolKey AutoSelectionView{"AutoSelectionView", false};
inline constexpr NamedKey Screen{"Screen"};
inline constexpr NamedKey JpegMode{"JpegMode"};
inline constexpr NamedKey JpegDisplayMode{"JpegDisplayMode"};
inline constexpr NamedKey OptionsSelection{"OptionsSelection"};
inline constexpr IntRawKey ExifInfoInPicture{"ExifInfoInPicture", 2};
inline constexpr BoolKey PicturesWithAudio{"PicturesWithAudio", true};
// Whether the overview page adds the thumbnails it makes to the desktop's
// shared thumbnail cache (it reads them either way).
inline constexpr BoolKey WriteSharedThumbnails{"WriteSharedThumbnails", true};
inline constexpr IntKey SelectionViewWidth{"SelectionViewWidth", 200};
inline constexpr IntKey SelectionViewWidthFullScreen{"SelectionViewWidthFullScreen", 200};
inline constexpr IntKey SelectionViewHeight{"SelectionViewHeight", 5000};
inline constexpr IntKey SelectionViewHeightFullScreen{"SelectionViewHeightFullScreen", 5000};
inline constexpr NamedKey WindowPlacement{"WindowPlacement"};
inline constexpr BoolKey ShowSplitLines{"ShowSplitLines", true};
inline constexpr BoolKey ShellTreeJpegInfo{"ShellTreeJpegInfo", true};
inline constexpr BoolKey UserSelect{"UserSelect", true};

// The viewer, the auto show and the preview strip.
inline constexpr BoolKey Transitions{"Transitions", true};
inline constexpr IntKey TransitionsDelay{"TransitionsDelay", 1};
inline constexpr BoolKey PanoramaAutoScroll{"PanoramaAutoScroll", true};
inline constexpr IntKey PanoramaAutoScrollSpeed{"PanoramaAutoScrollSpeed", 2};
inline constexpr BoolKey Orientation{"Orientation", true};
inline constexpr BoolKey AutoShow{"AutoShow", false};
inline constexpr IntKey AutoShowDelay{"AutoShowDelay", 10};
inline constexpr BoolKey ControlButtonsInFullscreen{"ControlButtonsInFullscreen", false};
inline constexpr BoolKey PicturetextInFullscreen{"PicturetextInFullscreen", true};
inline constexpr BoolKey PreviewTooltip{"PreviewTooltip", true};
// -1 reads as the validated size (4 and 25 pictures).
inline constexpr IntKey PictureCacheSize{"PictureCacheSize", -1};
inline constexpr IntKey PreviewCacheSize{"PreviewCacheSize", -1};

// The information views.
inline constexpr IntKey InfoPreviewX{"InfoPreviewX", 180};
inline constexpr IntKey InfoPreviewY{"InfoPreviewY", 120};
// The binary view starts with hexadecimal addresses and every byte as its character.
inline constexpr BoolKey HexViewASCII{"HexViewASCII", false};
inline constexpr BoolKey HexViewAdress{"HexViewAdress", false};
inline constexpr IntKey HexViewDigits{"HexViewDigits", 2};
inline constexpr IntKey HexViewFontSize{"HexViewFontSize", 2};

// File commands, originals and colour management.
inline constexpr BoolKey CopyOriginal{"CopyOriginal", true};
inline constexpr BoolKey SkipDeleteDlg{"SkipDeleteDlg", false};
inline constexpr StringKey PasteFromClipboardName{"PasteFromClipboardName", "Picture0"};
inline constexpr BoolKey UseDisplayProfile{"UseDisplayProfile", false};
inline constexpr StringKey DisplayProfile{"DisplayProfile", ""};

// Editing.
inline constexpr BoolKey TransformMakeCopy{"TransformMakeCopy", true};
inline constexpr BoolKey TransformModifyExifImage{"TransformModifyExifImage", true};
inline constexpr BoolKey CropAspectRatio{"CropAspectRatio", true};
inline constexpr IntKey CropAspectRatioZ{"CropAspectRatioZ", 2};
inline constexpr IntKey CropAspectRatioN{"CropAspectRatioN", 3};
inline constexpr BoolKey CropMakeCopy{"CropMakeCopy", true};
inline constexpr BoolKey CropModifyExifImage{"CropModifyExifImage", false};
inline constexpr NamedKey CropRect{"CropRect"};
inline constexpr BoolKey AntiAliasResizing{"AntiAliasResizing", true};
inline constexpr BoolKey ResizeMakeCopy{"ResizeMakeCopy", true};
inline constexpr NamedKey Resize{"Resize"};
inline constexpr IntKey RAIntensityLevel{"RAIntensityLevel", 40};
inline constexpr BoolKey RAMakeCopy{"RAMakeCopy", true};
inline constexpr StringKey FormatConvert{"FormatConvert", ".jpg"};
// The JPEG format's option string (its qualities), "<formatName>_property".
inline constexpr StringKey JpegProperty{"Jpeg_property", ""};

// The HTML gallery (-1 reads as the validated value).
inline constexpr StringKey HTMLTargetFolder{"HTMLTargetFolder", ""};
inline constexpr StringKey HTMLTargetFileName{"HTMLTargetFileName", ""};
inline constexpr StringKey HTMLtitle{"HTMLtitle", ""};
inline constexpr StringKey HTMLIndexPage{"HTMLIndexPage", ""};
inline constexpr StringKey HTMLPicturePage{"HTMLPicturePage", ""};
inline constexpr StringKey ExternalIndexPage{"ExternalIndexPage", ""};
inline constexpr StringKey ExternalPicturePage{"ExternalPicturePage", ""};
inline constexpr BoolKey UseExternalIndexPage{"UseExternalIndexPage", false};
inline constexpr BoolKey UseExternalPicturePage{"UseExternalPicturePage", false};
inline constexpr BoolKey DisplayFilenames{"DisplayFilenames", true};
inline constexpr BoolKey LinkToOriginal{"LinkToOriginal", true};
inline constexpr BoolKey LinkToPicture{"LinkToPicture", true};
inline constexpr IntKey HTMLPicturesPerRow{"HTMLPicturesPerRow", -1};
inline constexpr IntKey HTMLRowsPerPage{"HTMLRowsPerPage", -1};
inline constexpr IntKey HTMLPicturesSizeX{"HTMLPicturesSizeX", -1};
inline constexpr IntKey HTMLPicturesSizeY{"HTMLPicturesSizeY", -1};
inline constexpr IntKey HTMLscaledOriginalSizeX{"HTMLscaledOriginalSizeX", -1};
inline constexpr IntKey HTMLscaledOriginalSizeY{"HTMLscaledOriginalSizeY", -1};
inline constexpr NamedKey HTMLResize{"HTMLResize"};

// Index sheets (-1 reads as the validated value) and the panorama splitter.
inline constexpr StringKey IndexTargetFolder{"IndexTargetFolder", ""};
inline constexpr StringKey IndexFileName{"IndexFileName", ""};
inline constexpr IntKey IndexPicturesPerRow{"IndexPicturesPerRow", -1};
inline constexpr IntKey IndexPicturesPerColumn{"IndexPicturesPerColumn", -1};
inline constexpr IntKey IndexPictureSizeX{"IndexPictureSizeX", -1};
inline constexpr IntKey IndexPictureSizeY{"IndexPictureSizeY", -1};
inline constexpr IntKey IndexBorderX{"IndexBorderX", -1};
inline constexpr IntKey IndexBorderY{"IndexBorderY", -1};
inline constexpr IntKey IndexBackgroundColor{"IndexBackgroundColor", -1};
inline constexpr BoolKey AddFilmStripe{"AddFilmStripe", false};
inline constexpr StringKey PanoramaSplitTargetFolder{"PanoramaSplitTargetFolder", ""};
inline constexpr IntKey PanoramaOverlap{"PanoramaOverlap", 0};
inline constexpr IntKey PrinterX{"PrinterX", 0};
inline constexpr IntKey PrinterY{"PrinterY", 0};
inline constexpr BoolKey SplitOrientation{"SplitOrientation", false};

// Organizing.
inline constexpr BoolKey AddToComment{"AddToComment", false};
inline constexpr BoolKey WriteCommentToFile{"WriteCommentToFile", false};
inline constexpr BoolKey WriteCommentToList{"WriteCommentToList", true};
inline constexpr BoolKey RenameAll{"RenameAll", false};
inline constexpr BoolKey RenameUseExifDateTime{"RenameUseExifDateTime", false};
inline constexpr IntRawKey RenameFirstIndex{"RenameFirstIndex", 0};
inline constexpr StringKey RenameNewPictureName{"RenameNewPictureName", ""};
// Default: the user's pictures folder, found when the search page opens.
inline constexpr NamedKey SearchDirs{"SearchDirs"};
inline constexpr StringKey SearchName{"SearchName", ""};
inline constexpr StringKey SearchListComment{"SearchListComment", ""};
inline constexpr StringKey SearchFileComment{"SearchFileComment", ""};
inline constexpr BoolKey SearchUseName{"SearchUseName", false};
inline constexpr BoolKey SearchUseListComment{"SearchUseListComment", false};
inline constexpr BoolKey SearchUseFileComment{"SearchUseFileComment", false};
inline constexpr BoolKey SearchUseDate{"SearchUseDate", false};
inline constexpr IntRawKey SearchStartTimeL{"SearchStartTimeL", 0};
inline constexpr IntRawKey SearchStartTimeH{"SearchStartTimeH", 0};
inline constexpr IntRawKey SearchEndTimeL{"SearchEndTimeL", 0};
inline constexpr IntRawKey SearchEndTimeH{"SearchEndTimeH", 0};
inline constexpr IntKey SearchMode{"SearchMode", 1};
inline constexpr IntKey TextCompareIndex{"TextCompareIndex", 0};
inline constexpr IntKey NameCompareIndex{"NameCompareIndex", 0};
inline constexpr ListKey AdressList{"AdressList"};
inline constexpr ListKey FavoritesList{"FavoritesList"};
inline constexpr IntKey UserAction{"UserAction", 0};
inline constexpr BoolKey RemoveAllOnClose{"RemoveAllOnClose", true};

} // namespace vistello::setting
