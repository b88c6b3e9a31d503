#pragma once
// Texts of the action list page.
#include "resources/StringTable.h"

namespace vistello::strings {

inline constexpr int kRemoveAllQuestion = 33550;
inline constexpr int kExecuteAction = 40360;

inline constexpr StringRow kActionListStrings[] = {
    {kRemoveAllQuestion, u"Are you sure to remove all pictures\nfrom the list and to switch back to the\npicture view?"},
    {kExecuteAction, u"Execute action for selected pictures"},
};

} // namespace vistello::strings
