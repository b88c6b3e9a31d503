#pragma once
// Texts of the picture metadata: dates, picture-data commands, comments.
#include "resources/StringTable.h"

namespace vistello::strings {

inline constexpr int kDateAtTime = 32921;
inline constexpr int kPictureDataFilter = 34701;
inline constexpr int kRemovePictureDataQuestion = 34702;
inline constexpr int kCommentTooLong = 34703;

inline constexpr StringRow kMetaStrings[] = {
    {kDateAtTime, u"%s at %s"},
    {kPictureDataFilter, u"Picture information (*.app) |*.app||"},
    {kRemovePictureDataQuestion, u"Are you sure to remove additional picture information like\nEXIF information or color profiles?"},
    {kCommentTooLong, u"The comment is too long to be stored in the picture file."},
};

} // namespace vistello::strings
