#include "app/startup/DisplaySettingsCommand.h"

#include <QStandardPaths>

namespace vistello {
namespace {

struct DisplaySettingsProgram {
    const char* desktop; // as named in XDG_CURRENT_DESKTOP, compared case-insensitively
    const char* program;
    const char* argument; // may be empty
};

// First installed program of the first matching desktop wins.
constexpr DisplaySettingsProgram kPrograms[] = {
    {"GNOME", "gnome-control-center", "display"},
    {"Unity", "gnome-control-center", "display"},
    {"Budgie", "budgie-control-center", "display"},
    {"KDE", "systemsettings", "kcm_kscreen"},
    {"KDE", "kcmshell6", "kcm_kscreen"},
    {"KDE", "kcmshell5", "kcm_kscreen"},
    {"XFCE", "xfce4-display-settings", ""},
    {"X-Cinnamon", "cinnamon-settings", "display"},
    {"MATE", "mate-display-properties", ""},
    {"LXQt", "lxqt-config-monitor", ""},
};

} // namespace

QStringList displaySettingsCommand(QStringView currentDesktop,
                                   const std::function<bool(const QString&)>& programExists)
{
    for (QStringView desktop : currentDesktop.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        for (const DisplaySettingsProgram& entry : kPrograms) {
            if (desktop.compare(QLatin1StringView(entry.desktop), Qt::CaseInsensitive) != 0)
                continue;
            const QString program = QString::fromLatin1(entry.program);
            if (!programExists(program))
                continue;
            QStringList command{program};
            if (*entry.argument)
                command << QString::fromLatin1(entry.argument);
            return command;
        }
    }
    return {};
}

QStringList displaySettingsCommand()
{
    return displaySettingsCommand(qEnvironmentVariable("XDG_CURRENT_DESKTOP"), [](const QString& program) {
        return !QStandardPaths::findExecutable(program).isEmpty();
    });
}

} // namespace vistello
