#include "app/window/taskpane/FormatOptions.h"

#include "core/filetypes/PictureFileTypes.h"
#include "core/settings/SettingsStore.h"
#include "imaging/decode/FormatHandler.h"

namespace vistello {

bool formatHasOptionsDialog(const QString& formatName)
{
    return formatName == QLatin1String("Jpeg");
}

namespace {

const PictureFileType* pluginType(const PictureFileTypes& types, const QString& formatName)
{
    for (const PictureFileType& type : types.fileTypes())
        if (type.external && type.factory && !formatName.isEmpty() && type.formatName == formatName)
            return &type;
    return nullptr;
}

} // namespace

bool formatHasSettingsDialog(const PictureFileTypes& types, const QString& formatName)
{
    return formatHasOptionsDialog(formatName) || pluginType(types, formatName);
}

bool editPluginFormatSettings(SettingsStore& store, const PictureFileTypes& types, const QString& formatName)
{
    const PictureFileType* type = pluginType(types, formatName);
    if (!type)
        return false;
    const std::unique_ptr<FormatHandler> handler = type->factory();
    if (!handler)
        return false;
    handler->setProperties(formatOptions(store, formatName));
    if (!handler->showSettingsDialog())
        return false;
    storeFormatOptions(store, types, formatName, handler->properties());
    return true;
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
