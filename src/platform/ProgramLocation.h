#pragma once
// Where the running executable lies.
#include <QString>

namespace vistello {

// Full path of the executable; empty when it cannot be obtained.
QString executablePath();
// Its folder ending in "/"; "./" when the path cannot be obtained.
QString executableFolder();

} // namespace vistello
