#include "app/window/options/ColourProfileRules.h"

#include "core/settings/SettingsStore.h"
#include "imaging/colour/DisplayProfile.h"
#include "resources/OptionsStrings.h"

#include <QFile>
#include <QFileInfo>

namespace vistello {

ProfileFieldProblem checkProfileField(bool use, const QString& path)
{
    if (!use)
        return {};
    if (path.trimmed().isEmpty())
        return {strings::kEmptyFileNameTitle, strings::kEnterFileName};
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {strings::kMissingFileTitle, strings::kEnterValidFileName};
    return {};
}

QString profileDialogFilter(const QString& stored)
{
    QString filter = stored.section(QLatin1Char('|'), 0, 0);
    filter.replace(QLatin1Char(';'), QLatin1Char(' '));
    return filter;
}

void applyColourProfile(bool use, const QString& path, SettingsStore& store)
{
    store.set(setting::UseDisplayProfile, use);
    if (use)
        setDisplayProfile(path, &store);
    else
        releaseDisplayProfile();
}

} // namespace vistello
