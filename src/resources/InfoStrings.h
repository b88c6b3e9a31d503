#pragma once
// Texts of the picture information: the information text, the picture-data list and the histogram.
#include "resources/StringTable.h"

namespace vistello::strings {

inline constexpr int kPictureDataFor = 32804;
inline constexpr int kNoPictureData = 32806;
inline constexpr int kAverageGreyValue = 33192;
inline constexpr int kWriteProtected = 33221;
inline constexpr int kPictureDataCopied = 33264;
inline constexpr int kPictureDataNameColumn = 33318;
inline constexpr int kPictureDataValueColumn = 33319;
inline constexpr int kSectionExif = 33321;
inline constexpr int kSectionIptc = 33322;
inline constexpr int kSectionApp12 = 33323;
inline constexpr int kSectionComment = 33511;

inline constexpr StringRow kInfoStrings[] = {
    {kPictureDataFor, u"Picture data for picture \"%s\""},
    {kNoPictureData, u"The picture \"%s\"\r\ndoes not have additional picture data."},
    {kAverageGreyValue, u"Average grey value: %d%%"},
    {kWriteProtected, u"(Write protected)"},
    {kPictureDataCopied, u"The picture information are copied as text to the clipboard.\nYou can use this text in any "
                         u"other application by using the\n\"Paste\" command."},
    {kPictureDataNameColumn, u"Name"},
    {kPictureDataValueColumn, u"Assigned value"},
    {kSectionExif, u"EXIF"},
    {kSectionIptc, u"IPTC"},
    {kSectionApp12, u"APP12 info"},
    {kSectionComment, u"Comment"},
};

} // namespace vistello::strings
