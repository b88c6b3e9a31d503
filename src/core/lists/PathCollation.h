#pragma once
// The order in which picture paths are shown: case-insensitive and
// locale-aware (the user's locale), with an exact comparison deciding ties so
// that the order never depends on the input order.
#include <QString>
#include <QStringList>
#include <vector>

class QCollator;

namespace vistello {

// The collator paths are sorted with: the user's locale, case-insensitive,
// numeric mode off. The "C" locale falls back to English rules, because its
// collation ignores the case setting.
QCollator pathCollator();

// Sorts in place; sort keys are computed once per entry.
void sortPaths(std::vector<QString>& paths);
void sortPaths(QStringList& paths);

} // namespace vistello
