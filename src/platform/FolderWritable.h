#pragma once
// Whether files can be created in a folder.
#include <QString>

namespace vistello {

// Creates and removes a uniquely named temporary file in the folder, so that
// no file of the user's is ever touched.
bool isFolderWritable(const QString& folder);

} // namespace vistello
