#include "app/window/taskpane/FormatOptions.h"

#include "core/filetypes/PictureFileTypes.h"
#include "core/settings/SettingsStore.h"

namespace vistello {

bool formatHasOptionsDialog(const QString& formatName)
{
    return formatName == QLatin1String("Jpeg");
}

QString formatOptions(SettingsStore& store, const QString& formatName)
{
    return store.getString(formatName + QStringLiteral("_property"));
}

void storeFormatOptions(SettingsStore& store, const PictureFileTypes& types, const QString& formatName,
                        const QString& options)
{
    store.setString(formatName + QStringLiteral("_property"), options);
    for (const FormatListEntry& format : types.formats())
        if (format.formatName == formatName)
            if (const PictureFileType* type = types.typeOf(format.firstExtension); type && type->setProperties)
                type->setProperties(options);
}

} // namespace vistello
