#pragma once
// Whether a picture may be changed. A file without any write permission bit
// counts as write-protected even for a user the system would let write it
// (root), as a read-only attribute would.
#include <QString>

namespace vistello {

bool isWriteProtected(const QString& path);

} // namespace vistello
