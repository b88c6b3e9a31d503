#pragma once
// The program's numbered texts. Every message, label and caption the user
// sees is looked up here by its number, so texts live in one place.
#include <QString>

namespace vistello::strings {

struct StringRow {
    int id;
    const char16_t* text;
};

// The text with this number, or an empty string when there is none.
QString text(int id);

// Replaces FormatMessage-style inserts "%1", "%2!d!", ... by the arguments.
QString formatInserts(const QString& pattern, const QStringList& args);

} // namespace vistello::strings
