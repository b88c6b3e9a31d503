#pragma once
// What Enter in the address field hands to the desktop's "open" action when
// the tree has no folder of that path: an http(s) address, or an existing
// regular file that is not executable. Never a program, never anything else.
#include <QString>
#include <QUrl>
#include <optional>

namespace vistello {

std::optional<QUrl> addressToOpen(const QString& text);

} // namespace vistello
