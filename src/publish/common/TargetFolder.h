#pragma once
// The folder a publishing job writes into must be named in full: an empty
// or relative one would resolve against whatever the working directory is.
#include <QString>

namespace vistello {

bool isUsableTargetFolder(const QString& folder);

} // namespace vistello
