#include "imaging/thumbnails/SoundMarkIndex.h"

#include <QFile>

#include <dirent.h>
#include <strings.h>

#include <cstring>

namespace vistello {

namespace {

bool endsWithWav(const char* name)
{
    const size_t length = std::strlen(name);
    return length >= 4 && ::strcasecmp(name + length - 4, ".wav") == 0;
}

} // namespace

bool SoundMarkIndex::holdsSoundFiles(const QString& folder)
{
    const auto known = soundFolders_.constFind(folder);
    if (known != soundFolders_.constEnd())
        return *known;
    bool found = false;
    DIR* listing = ::opendir(QFile::encodeName(folder.isEmpty() ? QStringLiteral(".") : folder).constData());
    if (!listing) {
        found = true; // cannot tell: the full lookup decides
    } else {
        while (const dirent* entry = ::readdir(listing)) {
            if (endsWithWav(entry->d_name)) {
                found = true;
                break;
            }
        }
        ::closedir(listing);
    }
    soundFolders_.insert(folder, found);
    return found;
}

bool SoundMarkIndex::hasCompanionSound(const QString& path)
{
    std::lock_guard lock(mutex_);
    if (!holdsSoundFiles(path.left(path.lastIndexOf(QLatin1Char('/')) + 1)))
        return false;
    return !findCompanionSound(path, false, index_.get()).isEmpty();
}

void SoundMarkIndex::forgetListings()
{
    std::lock_guard lock(mutex_);
    soundFolders_.clear();
    index_ = std::make_unique<CompanionSoundIndex>();
}

} // namespace vistello
