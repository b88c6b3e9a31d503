#pragma once
// Texts of the task pane's list of running jobs.
#include "resources/StringTable.h"

namespace vistello::strings {

inline constexpr int kJobCancel = 32819;
inline constexpr int kJobCancelTip = 40363;

inline constexpr StringRow kJobListStrings[] = {
    {kJobCancel, u"Cancel"},
    {kJobCancelTip, u"Click here to cancel this operation."},
};

} // namespace vistello::strings
