#pragma once
// File-type filters come as the string table and the file-type list write
// them: pairs "description|patterns|" ending in "|" ("JPEG (*.jpg;*.jpeg)|
// *.jpg;*.jpeg|"). Qt's file dialog wants one "description (patterns)" per
// type with the patterns split by blanks, and reads only the last
// parentheses: given the table's form as is, it hides every file.
#include <QString>
#include <QStringList>

namespace vistello {

// A filter already in Qt's form (no "|") is kept as it is.
QStringList dialogNameFilters(const QString& filter);

} // namespace vistello
