#pragma once
// Which settings file a start reads: "-x FILE" (read-only, never written
// back), else "-b PATH" (personal folder), else the default file.
#include <QString>
#include <QStringList>

namespace vistello {

class SettingsStore;

struct SettingsChoice {
    enum class Source { DefaultFile, NamedFile, PersonalFolder };
    Source source = Source::DefaultFile;
    QString settingsFile;   // NamedFile: as given
    QString personalFolder; // PersonalFolder: full path ending in "/"
};

// Only the first "-x" with a follower counts, and it wins over any "-b";
// otherwise the first "-b" with a follower.
SettingsChoice chooseSettings(const QStringList& parameters);

void loadChosenSettings(SettingsStore& store, const SettingsChoice& choice);

} // namespace vistello
