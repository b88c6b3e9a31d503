#include "core/lists/ListKind.h"

#include "resources/StringTable.h"

#include <QStringList>

namespace vistello {

namespace {

struct KindCaption {
    ListKind kind;
    int textId;
};

constexpr KindCaption kCaptions[] = {
    {ListKind::Folder, 32996},          // "%1!d! picture(s) in \"%2\""
    {ListKind::FavouriteFolder, 32996},
    {ListKind::FavouritesNode, 32996},
    {ListKind::CommandLine, 33003},     // "%1!d! picture(s) from command line"
    {ListKind::SearchResult, 32998},    // "%1!d! picture(s) by search result"
    {ListKind::DragAndDrop, 33499},     // "%1!d! picture(s) from Drag&Drop"
};

} // namespace

QString listCaption(ListKind kind, int count, const QString& currentFolder)
{
    int id = kCaptions[0].textId;
    for (const KindCaption& c : kCaptions)
        if (c.kind == kind)
            id = c.textId;
    return strings::formatInserts(strings::text(id), QStringList{QString::number(count), currentFolder});
}

} // namespace vistello
