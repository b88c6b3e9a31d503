#include "app/window/script/StateJson.h"

#include "app/window/strip/PreviewStripModel.h"
#include "core/lists/PictureLists.h"

#include <QJsonArray>

namespace vistello {

namespace {

QString kindName(ListKind kind)
{
    switch (kind) {
    case ListKind::Folder: return QStringLiteral("folder");
    case ListKind::FavouriteFolder: return QStringLiteral("favouriteFolder");
    case ListKind::FavouritesNode: return QStringLiteral("favouritesNode");
    case ListKind::CommandLine: return QStringLiteral("commandLine");
    case ListKind::SearchResult: return QStringLiteral("searchResult");
    case ListKind::DragAndDrop: return QStringLiteral("dragAndDrop");
    }
    return {};
}

} // namespace

QJsonObject windowStateJson(const MainWindowState& state, QRect central)
{
    return {
        {QStringLiteral("displayStyle"), double(state.displayStyle)},
        {QStringLiteral("pictureOnly"), state.pictureOnly},
        {QStringLiteral("fullScreen"), state.appFullScreen},
        {QStringLiteral("centralRect"), QJsonArray{central.x(), central.y(), central.width(), central.height()}},
        {QStringLiteral("paneWidth"), state.leftPaneWidth()},
    };
}

QJsonObject listStateJson(const PictureLists& lists)
{
    const PictureList& list = lists.current();
    const bool empty = list.count() == 0;
    return {
        {QStringLiteral("kind"), kindName(list.kind())},
        {QStringLiteral("count"), list.count()},
        {QStringLiteral("currentIndex"), empty ? -1 : list.currentIndex()},
        {QStringLiteral("currentPath"), empty ? QString() : list.currentPath()},
        {QStringLiteral("selection"), QJsonArray::fromStringList(list.selection().toStringList())},
        {QStringLiteral("marked"), QJsonArray::fromStringList(lists.list(ListId::MarkedPictures).entries().toStringList())},
    };
}

QJsonObject previewStateJson(const PreviewStripModel& strip)
{
    return {
        {QStringLiteral("focusIndex"), strip.focusIndex()},
        {QStringLiteral("focusSlot"), strip.focusSlot()},
        {QStringLiteral("slots"), strip.slots()},
        {QStringLiteral("label"), strip.counterText()},
    };
}

QJsonObject overviewStateJson(int items, int tilesDone, bool currentVisible)
{
    return {
        {QStringLiteral("items"), items},
        {QStringLiteral("tilesDone"), tilesDone},
        {QStringLiteral("currentVisible"), currentVisible},
    };
}

} // namespace vistello
