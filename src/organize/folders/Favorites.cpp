#include "organize/folders/Favorites.h"

#include "core/settings/SettingsStore.h"
#include "organize/folders/UniqueName.h"
#include "platform/FolderPath.h"

namespace vistello {
namespace {

constexpr QChar kSeparator = u'|';

QString cleanName(QString name)
{
    return name.replace(kSeparator, u' ');
}

} // namespace

FavoritesList FavoritesList::fromStoredText(const QString& stored)
{
    FavoritesList favorites;
    const QStringList pieces = stored.split(kSeparator);
    for (qsizetype i = 0; i + 1 < pieces.size(); i += 2) {
        const QString name = cleanName(pieces.at(i));
        const QString& path = pieces.at(i + 1);
        if (!name.isEmpty() && !path.isEmpty())
            favorites.items_.push_back({name, path});
    }
    return favorites;
}

QString FavoritesList::storedText() const
{
    QString text;
    for (const Favorite& f : items_) {
        if (f.path.contains(kSeparator)) // a folder renamed to hold "|" since it was added
            continue;
        text += cleanName(f.name) + kSeparator + f.path + kSeparator;
    }
    return text;
}

void FavoritesList::load(SettingsStore& settings)
{
    *this = fromStoredText(settings.getString(SettingsStore::name(setting::FavoritesList)));
}

void FavoritesList::save(SettingsStore& settings) const
{
    settings.setString(SettingsStore::name(setting::FavoritesList), storedText());
}

int FavoritesList::indexOfName(const QString& name) const
{
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].name == name)
            return int(i);
    return -1;
}

int FavoritesList::add(const QString& folder, const QString& baseName)
{
    if (folder.isEmpty() || folder.contains(kSeparator))
        return -1;
    const QString name = uniqueLabel(cleanName(baseName), [&](const QString& n) { return indexOfName(n) >= 0; });
    items_.push_back({name, folder});
    return count() - 1;
}

FavoritesList::RenameResult FavoritesList::rename(int index, const QString& newName)
{
    const QString name = cleanName(newName);
    if (index < 0 || index >= count() || name.isEmpty())
        return RenameResult::Refused;
    const int holder = indexOfName(name);
    if (holder >= 0 && holder != index)
        return RenameResult::NameTaken;
    items_[size_t(index)].name = name;
    return RenameResult::Renamed;
}

void FavoritesList::remove(int index)
{
    if (index >= 0 && index < count())
        items_.erase(items_.begin() + index);
}

bool FavoritesList::renameFolder(const QString& oldFolder, const QString& newFolder)
{
    bool changed = false;
    for (Favorite& f : items_)
        if (std::optional<QString> moved = pathAfterFolderMove(f.path, oldFolder, newFolder)) {
            f.path = *moved;
            changed = true;
        }
    return changed;
}

} // namespace vistello
