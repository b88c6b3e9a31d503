#pragma once
// Texts of the organizing commands: renaming.
#include "resources/StringTable.h"

namespace vistello::strings {

inline constexpr int kRenameNameTaken = 33601;
inline constexpr int kRenameWouldOverride = 33602;
inline constexpr int kRenameUnsafeName = 33603;

inline constexpr StringRow kOrganizeStrings[] = {
    {kRenameNameTaken, u"The picture \"%1\"\nalready exist.\nChoose another name."},
    {kRenameWouldOverride,
     u"At least one renamed picture would override an existing picture.\nChoose another name or select a different starting number."},
    {kRenameUnsafeName, u"The name \"%1\" cannot be used for a picture: it is empty, hidden or leaves the folder."},
};

} // namespace vistello::strings
