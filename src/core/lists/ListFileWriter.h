#pragma once
// Writing picture-list files (the export of the current pictures): one line
// per picture, its full path and, when the picture has a comment, "," and
// the comment. Fields that the reader would cut are quoted.
#include <QString>
#include <QStringList>
#include <functional>

namespace vistello {

class PictureList;

// One line ending in CR LF. A field is quoted exactly when it holds a
// separator, a double quote or leading blanks; quotes inside are doubled.
// Line breaks inside a comment become spaces, since a comment ends at one.
QString listFileLine(const QString& path, const QString& comment);

// The comment to export with a picture (the comment store's, passed in by the caller).
using PictureCommentLookup = std::function<QString(const QString& path)>;

// False when the file could not be written; an old file is then kept.
bool writeListFile(const QString& file, const QStringList& pictures, const PictureCommentLookup& commentOf);

// What an export takes from the current list: every entry on the picture
// page, else the selection, else every entry.
QStringList picturesToExport(const PictureList& current, bool picturePage);

} // namespace vistello
