#pragma once
// The favorites: user-named shortcuts to folders, in display order, kept in
// "FavoritesList" as alternating name and path separated by "|". Names are
// unique (exact comparison); a "|" in a name becomes a blank. A path holding
// "|" cannot be stored without shifting every later pair, so such a favorite
// is refused.
#include <QString>
#include <QStringList>
#include <vector>

namespace vistello {

class SettingsStore;

struct Favorite {
    QString name;
    QString path;
};

class FavoritesList {
public:

    // Pairs with an empty name or path are dropped; so is a lone last name.
    static FavoritesList fromStoredText(const QString& stored);
    QString storedText() const;
    void load(SettingsStore& settings);
    void save(SettingsStore& settings) const;

    const std::vector<Favorite>& items() const { return items_; }
    int count() const { return int(items_.size()); }
    int indexOfName(const QString& name) const;

    // Appends a favorite named "New favorite" (made unique) for folder.
    // Returns its index, or -1 when the path is empty or holds "|".
    int add(const QString& folder, const QString& baseName);

    enum class RenameResult { Renamed, Refused, NameTaken };
    // An empty name is refused silently; the name of another favorite is
    // NameTaken (the caller shows the message); its own name is accepted.
    RenameResult rename(int index, const QString& newName);
    void remove(int index);

    // Favorites inside a renamed folder follow it. True when one changed.
    bool renameFolder(const QString& oldFolder, const QString& newFolder);

private:
    std::vector<Favorite> items_;
};

} // namespace vistello
