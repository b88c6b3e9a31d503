#pragma once
// "-b DIR" of the commands that keep files in the personal folder (comment
// list, error list): DIR when given, else the viewer's default.
#include "app/cli/CliArguments.h"

#include <QString>

namespace vistello::cli {

// Ends in "/".
QString personalFolderFrom(const CliArguments& parsed);

} // namespace vistello::cli
