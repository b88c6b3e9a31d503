#include "platform/wallpaper/DisplaySettings.h"

#include "platform/wallpaper/WallpaperPlan.h"

#include <QProcess>
#include <QStandardPaths>

namespace vistello {

bool openDesktopBackgroundSettings(WallpaperDesktop desktop, QString* message)
{
    for (const QStringList& program : displaySettingsPrograms(desktop)) {
        const QString found = QStandardPaths::findExecutable(program.first());
        if (found.isEmpty())
            continue;
        if (QProcess::startDetached(found, program.mid(1)))
            return true;
        if (message)
            *message = QStringLiteral("The display settings (\"%1\") could not be started.").arg(displayText(program));
        return false;
    }
    if (message)
        *message = QStringLiteral("No display settings program of this desktop is installed.");
    return false;
}

} // namespace vistello
