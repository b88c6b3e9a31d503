#pragma once
// Reading a picture-list file: which listed pictures exist, resolved against
// the list's folder, and the comments that came with them.
#include <QString>

namespace vistello {

class ListFileComments;
class PathArray;

// Appends the existing listed pictures to pending and stores their comments
// as list-file comments (when comments is given). True when at least one
// picture was found. Files over 64 MiB and unreadable files give nothing.
bool readListFile(const QString& path, PathArray& pending, ListFileComments* comments);

} // namespace vistello
