#pragma once
// The command that opens the desktop's own display settings.
#include <QString>
#include <QStringList>
#include <functional>

namespace vistello {

// currentDesktop is the colon-separated XDG_CURRENT_DESKTOP value; programExists
// tells whether a program is installed. Returns the program followed by its
// arguments, or an empty list when no display settings are known here.
QStringList displaySettingsCommand(QStringView currentDesktop,
                                   const std::function<bool(const QString&)>& programExists);

// The same for this session (environment and PATH).
QStringList displaySettingsCommand();

} // namespace vistello
