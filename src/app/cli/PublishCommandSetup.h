#pragma once
// What the gallery and index commands share: the picture formats with their
// writers, the settings (-x names a file that must be readable, -b the
// personal folder) and a target folder (-o) in which files can be created.
#include "app/cli/CliArguments.h"
#include "core/settings/SettingsStore.h"

#include <QString>
#include <memory>
#include <optional>

namespace vistello {
class PictureFileTypes;
}

namespace vistello::cli {

struct PublishSetup {
    PictureFileTypes* types = nullptr;
    SettingsStore settings;
    QString targetFolder; // absolute, ending in "/"
};

// Prints why and returns nothing when the settings file cannot be read or
// no file can be created in the target folder.
std::optional<PublishSetup> preparePublishing(const char* command, const CliArguments& parsed);

// The integer value of an option when it is given and within min..max.
std::optional<int> optionInRange(const CliArguments& parsed, const char* name, int min, int max);

} // namespace vistello::cli
