#pragma once
// Texts of the "Resize picture(s)" and "Convert picture format" pages, the
// resize options panel and the JPEG quality dialog.
#include "resources/StringTable.h"

namespace vistello::strings {

inline constexpr int kResizeHeading = 33750;
inline constexpr int kResizePixel = 33751;
inline constexpr int kLuminance = 33752;
inline constexpr int kChrominance = 33753;
inline constexpr int kResizeKilobytes = 33754;
inline constexpr int kConvertHeading = 33755;
inline constexpr int kChooseTargetFormat = 33756;
inline constexpr int kConvertButton = 33757;
inline constexpr int kFormatSettings = 33758;
inline constexpr int kJpegOptionsTitle = 33759;
inline constexpr int kJpegQualityDefault = 33760;
inline constexpr int kSizeLimitNotMet = 33761;
inline constexpr int kResizeTimes = 33762;
inline constexpr int kResizePercentSign = 33763;
inline constexpr int kResizeNewSize = 40319;
inline constexpr int kResizeQualityLevel = 40324;
inline constexpr int kResizeFileSize = 40327;
inline constexpr int kResizeChange = 40333;
inline constexpr int kResizeCancel = 40334;
inline constexpr int kResizeMakeCopy = 40369;

inline constexpr StringRow kEditPageStrings[] = {
    {kResizeHeading, u"Resize picture(s)"},
    {kResizePixel, u"Pixel"},
    {kLuminance, u"Luminance:"},
    {kChrominance, u"Chrominance:"},
    {kResizeKilobytes, u"KB"},
    {kConvertHeading, u"Convert picture format"},
    {kChooseTargetFormat, u"Choose the target format:"},
    {kConvertButton, u"Convert"},
    {kFormatSettings, u"Format settings..."},
    {kJpegOptionsTitle, u"Property for Jpeg picture format"},
    {kJpegQualityDefault, u"Default for Jpeg quality:"},
    {kSizeLimitNotMet, u"These pictures could not be brought to %1 KB or less; they were written as small as they "
                       u"would get:\n%2"},
    {kResizeTimes, u"x"},
    {kResizePercentSign, u"%"},
    {kResizeNewSize, u"New size:"},
    {kResizeQualityLevel, u"Quality level:"},
    {kResizeFileSize, u"File size:"},
    {kResizeChange, u"Change"},
    {kResizeCancel, u"Cancel"},
    {kResizeMakeCopy, u"Make copy"},
};

} // namespace vistello::strings
