#pragma once
// Texts of start-up: usage, first-run dialog, splash window.
#include "resources/StringTable.h"

namespace vistello::strings {

inline constexpr StringRow kAppStrings[] = {
    {32948, u"%s - %s"},
    {33020, u"The compact Software for digital camera pictures."},
    {33107, u"Loading folder structure..."},
    {33108, u"Launching Vistello LE..."},
    {33109, u"Update display..."},
    {33421, u"Vistello (%s)\n\n-p PATH\t\tdisplay images in the selected PATH\n-i\t\tinclude all images in the subfolders\n"
            u"-l 1|2\t\tsets the display style:\n\t\t  1=normal\n\t\t  2=overview page\n"
            u"-v 1|2|3\tsets the display mode:\n\t\t  1=normal\n\t\t  2=normal without selection view\n\t\t  3=full screen\n"
            u"-a\t\tstarts with automatic display mode\n-d time in sec\tsets the delay for automatic display mode\n"
            u"-c 1|2|3 R|G|B\tset the background/foreground color\n\t\t  1=background color\n\t\t  2=full screen background color\n\t\t  3=foreground color\n"
            u"-e .ext\t\tset the file extension for picture lists\n-b PATH\t\tset the PATH for the personal folder"},
    {34100, u"The display resolution should be at least 640x480 or higher!"},
    {34101, u"The display resolution is %dx%d pixel [OK]."},
    {34102, u"The color depth is %d Bit (%d colors) [OK]."},
    {34103, u"You need a higher color depth for an optimal display of the picture!"},
    {34104, u"Media playback support is installed [OK]."},
    {34105, u"Media playback support is necessary to view videos. The video functions are disabled."},
    {34106, u"Make shortcut to Vistello LE on your desktop and in the start menu?"},
    {34107, u"Click on \"Settings\" to open the display settings of your desktop."},
    {34108, u"Settings"},
};

} // namespace vistello::strings
