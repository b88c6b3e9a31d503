#pragma once
// Texts of the picture metadata: dates, picture-data commands, comments,
// the embedded extras.
#include "resources/StringTable.h"

namespace vistello::strings {

inline constexpr int kNoEmbeddedAudio = 32845;
inline constexpr int kColourProfileFilter = 32896;
inline constexpr int kDateAtTime = 32921;
inline constexpr int kNoColourProfile = 33478;
inline constexpr int kPictureDataFilter = 34701;
inline constexpr int kRemovePictureDataQuestion = 34702;
inline constexpr int kCommentTooLong = 34703;

inline constexpr StringRow kMetaStrings[] = {
    {kNoEmbeddedAudio, u"The picture \"%1\"\ndoes not contain embedded audio data."},
    {kColourProfileFilter, u"Color profile (*.icm;*.icc)|*.icm;*.icc||"},
    {kDateAtTime, u"%s at %s"},
    {kNoColourProfile, u"The picture \"%1\"\ndoes not contain a color profile."},
    {kPictureDataFilter, u"Picture information (*.app) |*.app||"},
    {kRemovePictureDataQuestion, u"Are you sure to remove additional picture information like\nEXIF information or color profiles?"},
    {kCommentTooLong, u"The comment is too long to be stored in the picture file."},
};

} // namespace vistello::strings
