#pragma once
// Texts of the format plug-ins and of video and MP3 playback.
#include "resources/StringTable.h"

namespace vistello::strings {

// The info templates handed to every plug-in, in this order.
inline constexpr int kInfoTemplateIds[] = {32918, 32919, 32922, 32924, 32965, 32966};
inline constexpr int kPluginExportsMissing = 33376;
inline constexpr int kPluginWrongVersion = 33402;
inline constexpr int kVideoFormat = 33463;
inline constexpr int kMp3Format = 33504;
inline constexpr int kPlay = 40426;
inline constexpr int kStop = 40427;

inline constexpr StringRow kMediaStrings[] = {
    {32918, u"Picture name:\t%1"},
    {32919, u"File size:\t%1 (%2!d! Bytes)\nModified on:\t%3"},
    {32922, u"Created on:\t%1"},
    {32924, u"Picture size:\t%1!d!x%2!d! pixel"},
    {32965, u"Shutter speed:\t1/%d s"},
    {32966, u"Aperture:\tF%.1f"},
    {kPluginExportsMissing,
     u"The plug-in \"%s\" could not be loaded,\nbecause one or more module functions are not available."},
    {kPluginWrongVersion, u"The plug-in \"%1\" is not version \"%2\"\nand cannot be loaded."},
    {kVideoFormat, u"Video format"},
    {kMp3Format, u"MP3 format"},
    {kPlay, u"Play"},
    {kStop, u"Stop"},
};

// Lines of a media file's information text (they carry no number).
inline constexpr const char16_t* kMediaNameLine = u"Media name\t%s";
inline constexpr const char16_t* kVideoSizeLine = u"Video size:\t%dx%d pixel";
inline constexpr const char16_t* kVideoLengthLine = u"Video length:\t%d s";

} // namespace vistello::strings
