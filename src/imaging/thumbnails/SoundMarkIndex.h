#pragma once
// The companion-sound lookups of every lane of one loader: each folder is
// listed once per fill, not once per lane (a folder of 100,000 pictures
// takes a while to list).
#include "core/filetypes/CompanionSound.h"

#include <QHash>
#include <QString>

#include <memory>
#include <mutex>

namespace vistello {

class SoundMarkIndex {
public:
    // Any lane.
    bool hasCompanionSound(const QString& path);
    // Files may have come and gone: the next lookup lists the folder again.
    // Only while no lane works.
    void forgetListings();

private:
    // A folder without any ".wav" file (most are) needs no full listing.
    bool holdsSoundFiles(const QString& folder);

    std::mutex mutex_;
    QHash<QString, bool> soundFolders_;
    std::unique_ptr<CompanionSoundIndex> index_ = std::make_unique<CompanionSoundIndex>();
};

} // namespace vistello
