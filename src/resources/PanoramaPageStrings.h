#pragma once
// Texts of the "Split panorama" page.
#include "resources/StringTable.h"

namespace vistello::strings {

inline constexpr int kPanoramaHeading = 36900;
inline constexpr int kPanoramaFolderLabel = 36901;
inline constexpr int kPanoramaPrinterLabel = 36902;
inline constexpr int kPanoramaQueryPrinter = 36903;
inline constexpr int kPanoramaOverlapLabel = 36904;
inline constexpr int kPanoramaLandscape = 36905;
inline constexpr int kPanoramaSplit = 36906;
inline constexpr int kPanoramaPrinterXTip = 36907;
inline constexpr int kPanoramaPrinterYTip = 36908;
inline constexpr int kPanoramaLandscapeTip = 36909;
inline constexpr int kPanoramaCannotSplit = 36910;
inline constexpr int kPanoramaVertical = 36911;
inline constexpr int kPanoramaCutFailed = 36912;
inline constexpr int kPanoramaNoPrinter = 36913;

inline constexpr StringRow kPanoramaPageStrings[] = {
    {kPanoramaHeading, u"Split panorama"},
    {kPanoramaFolderLabel, u"Folder for the picture segments:"},
    {kPanoramaPrinterLabel, u"Printer aspect ratio:"},
    {kPanoramaQueryPrinter, u"Query printer"},
    {kPanoramaOverlapLabel, u"Overlapping:"},
    {kPanoramaLandscape, u"Landscape mode"},
    {kPanoramaSplit, u"Split"},
    {kPanoramaPrinterXTip, u"Horizontal print size in pixel"},
    {kPanoramaPrinterYTip, u"Vertical print size in pixel"},
    {kPanoramaLandscapeTip, u"Set landscape or portrait mode."},
    {kPanoramaCannotSplit, u"The picture could not be split."},
    {kPanoramaVertical, u"This picture has a vertical alignment.\nRotate the picture first."},
    {kPanoramaCutFailed, u"An error occurred while splitting the panorama.\nOne or more splitted pictures could not be created."},
    {kPanoramaNoPrinter, u"No default printer was found: the printer size is unchanged."},
};

} // namespace vistello::strings
