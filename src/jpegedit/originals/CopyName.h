#pragma once
// "Copy of NAME", "Copy (2) of NAME", ...: the first free name for a copy
// of a picture in its folder, counting on from a name that already is a
// numbered copy.
#include "jpegedit/originals/FileSteps.h"

#include <QString>

namespace vistello {

// The copy's full path, or empty. With onlyName false the picture is also
// copied there (the copy made writable); a failed copy gives empty.
QString makeCopyName(const QString& picture, bool onlyName, const FileSteps& steps = realFileSteps());

// Where the counting starts for a file name (without folder): the base the
// candidates are made from and the first counter; counter 1 stands for the
// unnumbered "Copy of " candidate.
struct CopyNameStart {
    QString base;
    qint64 counter = 1;
};
CopyNameStart copyNameStart(const QString& fileName);
// The candidate name for a counter (1: "Copy of " + base).
QString copyCandidate(const QString& base, qint64 counter);

} // namespace vistello
