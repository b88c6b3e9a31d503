#include "app/startup/StartupDecisions.h"

#include "app/startup/ColourComponents.h"
#include "core/settings/SettingsStore.h"

namespace vistello {

void applyStartFolderPrecedence(StartupOptions& options)
{
    if (!options.startFolder.isEmpty())
        options.commandLinePictures.clear();
}

bool endsWithoutWindow(const StartupOptions& options)
{
    return options.pathsGiven && options.commandLinePictures.isEmpty() && options.startFolder.isEmpty();
}

void applyStartupSettings(const QStringList& parameters, SettingsStore& store, StartupOptions& options,
                          PathArgumentSink pathArgument)
{
    applyColourSanity(store);
    OptionProcessor(parameters, store, options, std::move(pathArgument)).run();
    applyStartFolderPrecedence(options);
}

bool applyColourSanity(SettingsStore& store)
{
    const int background = store.get(setting::BackgroundColor);
    const int text = store.get(setting::TextColor);
    if (background != text)
        return false;
    store.set(setting::TextColor, inverseColour(background));
    return true;
}

} // namespace vistello
