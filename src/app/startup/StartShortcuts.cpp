#include "app/startup/StartShortcuts.h"

#include "core/settings/SettingsStore.h"
#include "platform/DesktopEntry.h"
#include "resources/StringTable.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vistello {
namespace {

constexpr int kDescriptionId = 33020;

bool writeInto(const QString& folder, const DesktopEntry& entry, QStringList& written)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return false;
    const QString path = QDir(folder).filePath(shortcutFileName());
    if (!writeDesktopEntry(path, entry))
        return false;
    written << path;
    return true;
}

} // namespace

QString shortcutFileName()
{
    return QString::fromLatin1(SettingsStore::kProductName) + QStringLiteral(".desktop");
}

QStringList createStartShortcuts(const QString& executable, const QString& desktopFolder,
                                 const QString& applicationsFolder)
{
    const DesktopEntry entry{QString::fromLatin1(SettingsStore::kProductName), strings::text(kDescriptionId),
                             executable};
    QStringList written;
    writeInto(desktopFolder, entry, written);
    if (!applicationsFolder.isEmpty())
        QDir().mkpath(applicationsFolder);
    writeInto(applicationsFolder, entry, written);
    return written;
}

QStringList createStartShortcuts(const QString& executable)
{
    QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    // A desktop folder set to the home folder means there is no desktop.
    if (QDir(desktop) == QDir::home())
        desktop.clear();
    return createStartShortcuts(executable, desktop,
                                QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation));
}

} // namespace vistello
