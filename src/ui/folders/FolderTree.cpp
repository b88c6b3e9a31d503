#include "ui/folders/FolderTree.h"

#include "core/prompts/Prompts.h"
#include "core/settings/SettingsStore.h"
#include "organize/folders/Favorites.h"
#include "resources/FolderStrings.h"
#include "ui/common/FileDrag.h"
#include "ui/folders/PropertiesDialog.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QJsonArray>
#include <QMenu>
#include <QMimeData>
#include <utility>

namespace vistello {
namespace {

using Kind = FolderTreeModel::ItemKind;

bool isListKind(Kind kind)
{
    return kind == Kind::CommandLineList || kind == Kind::DroppedList || kind == Kind::SearchList;
}

} // namespace

FolderTree::FolderTree(FavoritesList& favorites, Prompts& prompts, QWidget* parent)
    : QTreeView(parent), favorites_(favorites), prompts_(prompts), model_(favorites)
{
    setObjectName(QStringLiteral("folderTree"));
    setModel(&model_);
    header()->hide();
    setUniformRowHeights(true); // long folders lay out without measuring every row
    setEditTriggers(QAbstractItemView::EditKeyPressed);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
    connect(&model_, &FolderTreeModel::favoriteNameTaken, this, [this](const QString& name) {
        inform(strings::formatInserts(strings::text(strings::kFavoriteNameTaken), {name}));
    });
}

void FolderTree::inform(const QString& text)
{
    prompts_.inform(QString::fromLatin1(SettingsStore::kProductName), text);
}

template <class Change> void FolderTree::quietly(Change change)
{
    const bool was = std::exchange(quiet_, true);
    change();
    quiet_ = was;
}

void FolderTree::selectQuietly(const QModelIndex& index)
{
    quietly([&] { setCurrentIndex(index); });
    scrollTo(index);
}

void FolderTree::setListCount(Kind list, int count)
{
    quietly([&] { model_.setListCount(list, count); });
}

void FolderTree::reloadFavorites()
{
    quietly([&] { model_.reloadFavorites(); });
}

bool FolderTree::showFolder(const QString& folder)
{
    const QModelIndex index = model_.indexOfFolder(folder);
    if (!index.isValid())
        return false;
    selectQuietly(index);
    expand(index);
    return true;
}

void FolderTree::showList(Kind list)
{
    for (int row = 0; row < model_.rowCount(); ++row)
        if (model_.kindOf(model_.index(row, 0)) == list)
            selectQuietly(model_.index(row, 0));
}

QString FolderTree::currentFolder() const
{
    const QModelIndex current = currentIndex();
    const Kind kind = model_.kindOf(current);
    return current.isValid() && (kind == Kind::Folder || kind == Kind::Favorite) ? model_.pathOf(current) : QString();
}

void FolderTree::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTreeView::currentChanged(current, previous);
    if (quiet_ || !current.isValid())
        return;
    const Kind kind = model_.kindOf(current);
    if (kind == Kind::Folder || kind == Kind::Favorite) // a favorite stands for its folder
        Q_EMIT folderChosen(model_.pathOf(current), false);
    else if (isListKind(kind))
        Q_EMIT listChosen(kind);
}

void FolderTree::contextMenuEvent(QContextMenuEvent* event)
{
    const QModelIndex index = indexAt(viewport()->mapFrom(this, event->pos()));
    const Kind kind = model_.kindOf(index);
    if (!index.isValid() || (kind != Kind::Folder && kind != Kind::Favorite))
        return;
    QList<MenuCommand> commands;
    if (kind == Kind::Favorite) {
        const int which = favorites_.indexOfName(index.data(Qt::EditRole).toString());
        if (which < 0)
            return;
        commands = favoriteMenu(favorites_.items()[size_t(which)]);
    } else {
        commands = folderMenu(model_.factsOf(index));
    }
    QMenu menu(this);
    for (const MenuCommand& command : std::as_const(commands))
        menu.addAction(command.text)->setData(command.id);
    if (const QAction* chosen = menu.exec(event->globalPos()))
        runMenuCommand(QPersistentModelIndex(index), chosen->data().toInt());
}

void FolderTree::runMenuCommand(const QModelIndex& index, int command)
{
    using namespace strings;
    const QString path = model_.pathOf(index);
    switch (command) {
    case kCmdAddNewFolder: {
        const QModelIndex made = model_.addNewFolder(index, text(kNewFolderName));
        if (!made.isValid()) {
            inform(formatInserts(text(kFolderNotAdded), {path + text(kNewFolderName)}));
            return;
        }
        expand(index);
        setCurrentIndex(made);
        return;
    }
    case kCmdRemoveFolder:
        if (!model_.removeFolder(index))
            inform(formatInserts(text(kFolderNotDeleted), {path}));
        return;
    case kCmdRename:
        edit(index);
        return;
    case kCmdRescanFolder:
    case kCmdRescanWithSubfolders:
        Q_EMIT folderChosen(path, command == kCmdRescanWithSubfolders);
        return;
    case kCmdAddToFavorites: {
        QModelIndex added;
        quietly([&] { added = model_.addFavorite(index, text(kNewFavoriteName)); });
        if (added.isValid()) {
            expand(added.parent());
            selectQuietly(added);
            edit(added);
        }
        return;
    }
    case kCmdRemoveFavorite:
        quietly([&] { model_.removeFavorite(index); });
        return;
    case kCmdGoToFavorite:
        if (const QModelIndex folder = model_.indexOfFolder(path); folder.isValid()) {
            setCurrentIndex(folder);
            scrollTo(folder);
        }
        return;
    case kCmdProperties: {
        auto* dialog = new PropertiesDialog(path, prompts_, window());
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        dialog->show();
        return;
    }
    default:
        return;
    }
}

QString FolderTree::dropFolderAt(QPoint viewportPoint) const
{
    const QModelIndex index = indexAt(viewportPoint);
    const Kind kind = model_.kindOf(index);
    return index.isValid() && (kind == Kind::Folder || kind == Kind::Favorite) ? model_.pathOf(index) : QString();
}

void FolderTree::dragEnterEvent(QDragEnterEvent* event)
{
    if (draggedFilePaths(event->mimeData()).isEmpty())
        event->ignore();
    else
        event->acceptProposedAction();
}

void FolderTree::dragMoveEvent(QDragMoveEvent* event)
{
    if (dropFolderAt(event->position().toPoint()).isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
}

void FolderTree::dropEvent(QDropEvent* event)
{
    const QPoint at = event->position().toPoint();
    const QString folder = dropFolderAt(at);
    const QStringList paths = draggedFilePaths(event->mimeData());
    if (folder.isEmpty() || paths.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    Q_EMIT filesDropped(paths, folder, viewport()->mapToGlobal(at));
}

QJsonObject FolderTree::stateJson() const
{
    QJsonArray rows;
    const QWidget* top = window();
    for (QModelIndex index = indexAt({1, 1}); index.isValid() && rows.size() < 500; index = indexBelow(index)) {
        const QRect rect = visualRect(index);
        if (rect.top() >= viewport()->height())
            break;
        const QPoint at = viewport()->mapTo(top, rect.topLeft());
        rows.append(QJsonObject{{QStringLiteral("text"), index.data().toString()},
                                {QStringLiteral("path"), model_.pathOf(index)},
                                {QStringLiteral("rect"), QJsonArray{at.x(), at.y(), rect.width(), rect.height()}}});
    }
    return {{QStringLiteral("current"), currentFolder()}, {QStringLiteral("rows"), rows}};
}

void FolderTree::refreshAll()
{
    if (const QString folder = currentFolder(); !folder.isEmpty())
        model_.refreshFolder(folder);
}

void FolderTree::pictureChanged(const QString& path)
{
    model_.refreshFolder(QFileInfo(path).path());
}

} // namespace vistello
