#pragma once
// Texts of the "Crop rectangle" page.
#include "resources/StringTable.h"

namespace vistello::strings {

inline constexpr int kCropHeading = 33213;
inline constexpr int kCropPresetTip = 40354;
inline constexpr int kCropThumbnailTip = 40415;

inline constexpr StringRow kCropPageStrings[] = {
    {kCropHeading, u"Crop rectangle"},
    {kCropPresetTip, u"Click here to set a fixed predefined aspect ratio."},
    {kCropThumbnailTip,
     u"With this setting the Thumbnail will also be cropped. If this setting is disabled, the thumbnail remains "
     u"unchanged."},
};

} // namespace vistello::strings
