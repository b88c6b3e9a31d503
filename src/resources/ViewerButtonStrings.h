#pragma once
// The picture viewer's image buttons: each tool tip is numbered by the
// button's command.
#include "resources/StringTable.h"

namespace vistello::strings {

inline constexpr StringRow kViewerButtonStrings[] = {
    {40020, u"Rotate right (lossless).\nPress additionally the Ctrl key to rotate the picture in memory only."},
    {40021, u"Rotate left (lossless).\nPress additionally the Ctrl key to rotate the picture in memory only."},
    {40022, u"Flip horizontal (lossless).\nPress additionally the Ctrl key to mirror the picture in memory only."},
    {40023, u"Flip vertical (lossless).\nPress additionally the Ctrl key to mirror the picture in memory only."},
    {40024, u"Mirror along the main diagonal (lossless).\nPress additionally the Ctrl key to mirror the picture in "
            u"memory only."},
    {40025, u"Mirror along the sub diagonal (lossless).\nPress additionally the Ctrl key to mirror the picture in "
            u"memory only."},
    {40081, u"Enable zoom mode"},
    {40082, u"Zoom in"},
    {40083, u"Zoom out"},
    {40084, u"Move down"},
    {40085, u"Move up"},
    {40086, u"Move right"},
    {40087, u"Move left"},
    {40089, u"Disable zoom mode"},
    {40196, u"Back to the normal view"},
    {40204, u"Crop picture.\nSelect the area with the mouse and double click in the selection to crop the picture."},
    {40216, u"Delete this picture.\nPress additionally the Ctrl key to show the confirmation dialog."},
    {40241, u"Restore original picture"},
    {40372, u"Click here to stop the slideshow."},
    {40395, u"Make grayscale.\nThis process of creating a grayscale picture is lossless in this sense that after "
            u"cutting the color information the picture is not recompressed."},
    {40435, u"Loss less auto rotate.\nNote: For a better view switch off the auto rotate feature for displaying in "
            u"the options."},
};

} // namespace vistello::strings
