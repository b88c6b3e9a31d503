#pragma once
// Texts of the options pages: settings, advanced settings, colours and the
// picture format list.
#include "resources/StringTable.h"

namespace vistello::strings {

inline constexpr int kAutoShowDelay = 32796;
inline constexpr int kSeconds = 32797;
inline constexpr int kPreviewCache = 32798;
inline constexpr int kPreviewCacheUnit = 32799;
inline constexpr int kPictureCache = 32800;
inline constexpr int kPictureCacheUnit = 32801;
inline constexpr int kSettingsHeading = 32802;
inline constexpr int kChangeColour = 32820;
inline constexpr int kBackgroundColour = 32821;
inline constexpr int kOptionsOk = 32865;
inline constexpr int kPreviewTooltip = 32943;
inline constexpr int kTextColour = 32953;
inline constexpr int kFullScreenColour = 32971;
inline constexpr int kListExtension = 32972;
inline constexpr int kEnableAudio = 32992;
inline constexpr int kControlButtons = 33018;
inline constexpr int kColourHeading = 33070;
inline constexpr int kAdvancedHeading = 33076;
inline constexpr int kSplitLines = 33080;
inline constexpr int kTransitions = 33088;
inline constexpr int kCopyOriginal = 33123;
inline constexpr int kCopyOriginalOff = 33125;
inline constexpr int kOptionsApply = 33193;
inline constexpr int kFolderInfo = 33196;
inline constexpr int kEmptyFileNameTitle = 33235;
inline constexpr int kMissingFileTitle = 33236;
inline constexpr int kPictureText = 33274;
inline constexpr int kMakeCopy = 33311;
inline constexpr int kEnterFileName = 33378;
inline constexpr int kEnterValidFileName = 33379;
inline constexpr int kModifyThumbnail = 33381;
inline constexpr int kFormatExtensions = 33383;
inline constexpr int kFormatDescription = 33384;
inline constexpr int kExtern = 33407;
inline constexpr int kIntern = 33408;
inline constexpr int kReadWrite = 33409;
inline constexpr int kOnlyRead = 33410;
inline constexpr int kOnlyWrite = 33411;
inline constexpr int kRegistration = 33412;
inline constexpr int kReadWriteColumn = 33413;
inline constexpr int kBmpSettings = 33418;
inline constexpr int kSettingsText = 33429;
inline constexpr int kAdvancedText = 33431;
inline constexpr int kColourText = 33437;
inline constexpr int kOrientation = 33456;
inline constexpr int kColourProfileHeading = 33460;
inline constexpr int kColourProfileForDisplay = 33461;
inline constexpr int kFolderView = 33505;
inline constexpr int kUserSelect = 33551;
inline constexpr int kPanoramaScroll = 33566;
inline constexpr int kListExtensionRefused = 33600;
inline constexpr int kAutoShowTip = 40065;
inline constexpr int kPreviewTooltipTip = 40101;
inline constexpr int kListFormatTip = 40139;
inline constexpr int kSoundSymbolTip = 40144;
inline constexpr int kControlButtonsTip = 40195;
inline constexpr int kSplitLinesTip = 40225;
inline constexpr int kTransitionsTip = 40232;
inline constexpr int kTransitionDelayTip = 40262;
inline constexpr int kCopyOriginalTip = 40283;
inline constexpr int kFolderInfoTip = 40318;
inline constexpr int kModifyThumbnailTip = 40356;
inline constexpr int kPictureTextTip = 40361;
inline constexpr int kOrientationTip = 40405;
inline constexpr int kFolderViewTip = 40434;
inline constexpr int kUserSelectTip = 40464;
inline constexpr int kPanoramaScrollTip = 40471;
inline constexpr int kPanoramaSpeedTip = 40472;

// Number 40369 already reads "Make copy" (the resize page's box), so the
// copy box's tool tip of the settings page is kept here unnumbered.
inline constexpr const char16_t* kMakeCopyTipText =
    u"Click here to save the changed picture as a copy. the original will be changed if you deactivate this function.";

inline constexpr StringRow kOptionsStrings[] = {
    {kAutoShowDelay, u"Auto show delay:"},
    {kSeconds, u"second(s)"},
    {kPreviewCache, u"Size for preview cache:"},
    {kPreviewCacheUnit, u"picture(s)"},
    {kPictureCache, u"Size for picture cache:"},
    {kPictureCacheUnit, u"picture(s)"},
    {kSettingsHeading, u"Settings"},
    {kChangeColour, u"Change Color"},
    {kBackgroundColour, u"Background color:"},
    {kOptionsOk, u"OK"},
    {kPreviewTooltip, u"Show tool tip in the preview pane"},
    {kTextColour, u"Foreground color:"},
    {kFullScreenColour, u"Background color for full screen mode:"},
    {kListExtension, u"Picture list file extension:"},
    {kEnableAudio, u"Enable audio"},
    {kControlButtons, u"Display control buttons in full screen mode"},
    {kColourHeading, u"Color settings"},
    {kAdvancedHeading, u"Advanced settings"},
    {kSplitLines, u"Show separation lines"},
    {kTransitions, u"Use transition effects. Transition delay:"},
    {kCopyOriginal, u"Save original before modification"},
    {kCopyOriginalOff, u"This function saves the original picture with the file extension \".original\".\n"
                       u"Are you sure to deactivate this function?"},
    {kOptionsApply, u"Apply"},
    {kFolderInfo, u"Display number of pictures within the folder view"},
    {kEmptyFileNameTitle, u"Empty file name"},
    {kMissingFileTitle, u"File is not available"},
    {kPictureText, u"Display picture comment in full screen mode"},
    {kMakeCopy, u"Make picture copy when rotate/mirroring"},
    {kEnterFileName, u"Enter a file name."},
    {kEnterValidFileName, u"Enter a valid file name."},
    {kModifyThumbnail, u"Adjust thumbnail during rotate/mirroring"},
    {kFormatExtensions, u"Picture file extensions"},
    {kFormatDescription, u"Description"},
    {kExtern, u"extern"},
    {kIntern, u"intern"},
    {kReadWrite, u"Read and write"},
    {kOnlyRead, u"Only read"},
    {kOnlyWrite, u"Only write"},
    {kRegistration, u"Registration"},
    {kReadWriteColumn, u"Read/Write"},
    {kBmpSettings, u"BMP picture format:\n24 bit color depth, uncompressed"},
    {kSettingsText, u"Here you can set the most common settings.\nThe settings for adjusting the thumbnail and picture "
                    u"copy can also be set when selecting the rotate and mirror functions."},
    {kAdvancedText, u"Here you can set more settings."},
    {kColourText, u"Click on \"Change Color\" to change the corresponding color assignment."},
    {kOrientation, u"Rotate automatically according to the orientation flag"},
    {kColourProfileHeading, u"Color profile"},
    {kColourProfileForDisplay, u"Color profile for Display:"},
    {kFolderView, u"Hide/View folder view"},
    {kUserSelect, u"Enable picture selection"},
    {kPanoramaScroll, u"Automatic scrolling for panorama pictures. Speed:"},
    {kListExtensionRefused, u"The extension \"%1\" belongs to a picture format and cannot name picture lists."},
    {kAutoShowTip, u"Delay between two pictures during the auto show."},
    {kPreviewTooltipTip, u"This option enables/disables the tool tip with picture information if the mouse is moved "
                         u"over a picture in the preview pane."},
    {kListFormatTip, u"A picture list is a text file containing a picture file name per line. In addition, a comment "
                     u"can be specified. This comment is separated by a comma e.g.:\n"
                     u"\"c:\\pictures\\sample1.jpg\" , \"This is a sample comment 1\"\n"
                     u"\"c:\\pictures\\sample2.jpg \", \"This is a sample comment 2\""},
    {kSoundSymbolTip, u"If this sound option is enabled, all pictures containing embedded audio data will be marked "
                      u"with a blue loudspeaker symbol. The audio data can be saved to a file. A green loudspeaker "
                      u"symbol indicates that a matching audio file (e.g. picture.jpg - picture.wav) exists."},
    {kControlButtonsTip, u"This option enables the display of the modifier buttons for zoom, rotate and mirroring of "
                         u"the pictures."},
    {kSplitLinesTip, u"This option enables/disables the separator lines."},
    {kTransitionsTip, u"This option enables/disables the transition effects when displaying pictures."},
    {kTransitionDelayTip, u"Enter a value for the transition delay from 1 (fast transition) to 10 (slow transition)."},
    {kCopyOriginalTip, u"A copy of the original picture will be saved with the file extension \".original\"."},
    {kFolderInfoTip, u" "},
    {kModifyThumbnailTip, u"If the thumbnail image overlaps with Makernote information, the thumbnail will be inserted "
                          u"in the existing EXIF-Header. If necessary the thumbnail image will be cropped at the "
                          u"right/bottom side to fit in."},
    {kPictureTextTip, u"Select if you want to display the picture comments in full screen mode."},
    {kOrientationTip, u"Some Cameras store an orientation flag along with the picture which can be used to correctly "
                      u"display the picture. If you use this option, pictures will be rotated accordingly for "
                      u"display, picture index and wall paper."},
    {kFolderViewTip, u" "},
    {kUserSelectTip, u"Enables checkboxes to select pictures."},
    {kPanoramaScrollTip, u" "},
    {kPanoramaSpeedTip, u"Enter a value for the scroll speed from 1 (slow scroll speed) to 10 (fast scroll speed)."},
};

} // namespace vistello::strings
