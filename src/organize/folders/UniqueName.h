#pragma once
// The label of a new tree item: "New Folder", then "New Folder (2)",
// "New Folder (3)", ... the first one no sibling has (exact comparison).
#include <QString>
#include <functional>

namespace vistello {

QString uniqueLabel(const QString& base, const std::function<bool(const QString& label)>& taken);

} // namespace vistello
