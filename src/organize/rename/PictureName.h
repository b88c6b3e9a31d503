#pragma once
// New names for pictures: the parts of a path the engine splits and joins,
// the names it refuses, and the pattern it numbers with.
#include <QString>

namespace vistello {

struct PathParts {
    QString folder;    // up to and with the last "/"; empty for a bare name
    QString base;      // the name up to its last "."
    QString extension; // from the last "." of the name on, dot included; may be empty
};
PathParts splitPicturePath(const QString& path);

// A name (without extension) that keeps the file in its folder and visible:
// not empty, no "/", no "..", no NUL, no leading ".".
bool isSafePictureName(const QString& name);

// The pattern used for several pictures: one whose formatting with 1 and with
// 2 gives the same text (no usable number placeholder) is replaced by the
// default "Picture_%04d".
QString effectiveNamePattern(const QString& pattern);

// Where a picture waits between the two phases of a rename.
inline QString temporaryPath(const QString& finalPath) { return finalPath + QLatin1Char('_'); }

} // namespace vistello
