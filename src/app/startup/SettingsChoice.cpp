#include "app/startup/SettingsChoice.h"

#include "app/startup/CommandLine.h"
#include "core/settings/SettingsStore.h"

namespace vistello {
namespace {

// Index of the value after the first parameter named option, or -1.
qsizetype valueOfFirst(const QStringList& parameters, QLatin1StringView option)
{
    for (qsizetype i = 0; i + 1 < parameters.size(); ++i)
        if (isOption(parameters.at(i), option))
            return i + 1;
    return -1;
}

} // namespace

SettingsChoice chooseSettings(const QStringList& parameters)
{
    SettingsChoice choice;
    if (const qsizetype file = valueOfFirst(parameters, QLatin1StringView("x")); file >= 0) {
        choice.source = SettingsChoice::Source::NamedFile;
        choice.settingsFile = parameterText(parameters.at(file));
        return choice;
    }
    if (const qsizetype folder = valueOfFirst(parameters, QLatin1StringView("b")); folder >= 0) {
        choice.source = SettingsChoice::Source::PersonalFolder;
        // An empty value means the current folder rather than the root.
        const QString given = parameterText(parameters.at(folder));
        choice.personalFolder = makeFullPath(given.isEmpty() ? QStringLiteral(".") : given);
        if (!choice.personalFolder.endsWith(QLatin1Char('/')))
            choice.personalFolder += QLatin1Char('/');
    }
    return choice;
}

void loadChosenSettings(SettingsStore& store, const SettingsChoice& choice)
{
    switch (choice.source) {
    case SettingsChoice::Source::NamedFile:
        // An empty name would mean the default file and a writable store;
        // "." names no readable file and keeps the run read-only.
        store.load(choice.settingsFile.isEmpty() ? QStringLiteral(".") : choice.settingsFile);
        return;
    case SettingsChoice::Source::PersonalFolder:
        store.setPersonalFolder(choice.personalFolder);
        store.load();
        return;
    case SettingsChoice::Source::DefaultFile:
        store.load();
        return;
    }
}

} // namespace vistello
