#pragma once
// The line grammar of picture-list files: one picture name per line, each
// optionally followed by a separator ("," ";" "=") and a comment; either
// field may be quoted.
#include <QString>
#include <QStringView>
#include <vector>

namespace vistello {

struct ListFileRecord {
    QString name;    // as written: absolute or relative to the list's folder
    QString comment; // empty when the line has none
};

// Every record of the text, empty names included, in file order.
std::vector<ListFileRecord> parseListText(QStringView text);

} // namespace vistello
