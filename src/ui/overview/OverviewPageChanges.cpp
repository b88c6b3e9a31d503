// The overview page's part that follows the list: filling, single edits,
// changed pictures and the selection shared with the list.
#include "ui/overview/OverviewPage.h"

#include "app/window/frame/ListEdit.h"
#include "app/window/overview/OverviewModel.h"
#include "app/window/overview/RetireWorker.h"
#include "core/lists/PictureLists.h"
#include "imaging/sharedthumbs/SharedThumbnails.h"
#include "imaging/thumbnails/ThumbnailLoader.h"
#include "imaging/thumbnails/ThumbnailTile.h"
#include "ui/overview/OverviewSink.h"

#include <QItemSelectionModel>
#include <QListView>
#include <QSet>

#include <algorithm>

namespace vistello {

void OverviewPage::fill(const QStringList& paths)
{
    // A decode stuck on a hung mount must not hold the window.
    retireWorker(std::move(loader_), kStopTimeoutMs);
    model_->setPaths(paths);
    if (paths.isEmpty())
        return;
    ThumbnailOptions options;
    options.showMediaMarks = mediaMarks_;
    options.shared = shared_;
    // Tiles with the detail of the screen's pixels, drawn at their size.
    tileScale_ = std::max<qreal>(1, devicePixelRatioF());
    const int side = qRound(kThumbnailTileSize * tileScale_);
    options.box = {side, side};
    options.markScale = std::max(1, qRound(tileScale_));
    loader_ = std::make_unique<ThumbnailLoader>(*sink_, paths, options);
    loader_->start();
}

bool OverviewPage::applyEdit(const QStringList& paths)
{
    const std::optional<ListEdit> edit = singleEdit(model_->paths(), paths);
    if (!edit || !loader_)
        return false;
    applyEdit(*edit, edit->kind == ListEdit::Inserted ? paths.at(edit->index) : QString());
    return true;
}

void OverviewPage::applyEdit(const ListEdit& edit, const QString& path)
{
    loader_->pause();
    if (edit.kind == ListEdit::Removed) {
        model_->removeItem(edit.index);
        loader_->removeAt(edit.index);
    } else {
        model_->insertItem(edit.index, path);
        loader_->insertAt(edit.index, path);
    }
    // Tiles still on their way carry the old generation and are dropped:
    // every item without its tile is made again.
    for (int i = 0; i < model_->rowCount(); ++i)
        if (!model_->hasTile(i))
            loader_->invalidate(i);
    loader_->resume();
}

void OverviewPage::useSharedThumbnails(bool write)
{
    shared_ = std::make_shared<SharedThumbnails>(SharedThumbnails::defaultRoot(), write);
}

void OverviewPage::setMediaMarks(bool on)
{
    if (on == mediaMarks_)
        return;
    mediaMarks_ = on;
    if (loader_)
        fill(model_->paths());
}

void OverviewPage::refreshAll()
{
    syncing_ = true;
    fill(lists_.current().entries().toStringList());
    syncing_ = false;
    showCurrent();
}

void OverviewPage::pictureChanged(const QString& path)
{
    if (!loader_)
        return;
    // Rewrites keep the date: whoever made the shared thumbnails, theirs of
    // this picture now look fresh and are not.
    if (shared_)
        shared_->forget(path);
    loader_->pause();
    loader_->fileChanged(path);
    const QStringList& paths = model_->paths();
    for (int i = 0; i < paths.size(); ++i)
        if (paths.at(i) == path) {
            model_->resetTile(i);
            loader_->invalidate(i);
        }
    loader_->resume();
    loader_->wake();
}

// The list is already edited; the model follows when it held the list before.
void OverviewPage::pictureRemoved(const QString& path, int index)
{
    if (!loader_ || index < 0 || index >= model_->rowCount() || model_->paths().at(index) != path)
        return;
    syncing_ = true;
    applyEdit({ListEdit::Removed, index}, {});
    syncing_ = false;
}

void OverviewPage::pictureAdded(const QString& path, int index)
{
    if (!loader_ || index < 0 || index > model_->rowCount() || lists_.current().count() != model_->rowCount() + 1)
        return;
    syncing_ = true;
    applyEdit({ListEdit::Inserted, index}, path);
    syncing_ = false;
}

void OverviewPage::pictureReplaced(const QString& path, int index)
{
    if (!loader_ || index < 0 || index >= model_->rowCount())
        return;
    syncing_ = true;
    applyEdit({ListEdit::Removed, index}, {});
    applyEdit({ListEdit::Inserted, index}, path);
    syncing_ = false;
}

// Another command chose the selection (Ctrl+A, a new current picture): the
// view shows it.
void OverviewPage::showListSelection()
{
    const QStringList chosen = lists_.current().selection().toStringList();
    const QSet<QString> selected(chosen.begin(), chosen.end());
    QItemSelection wanted;
    const QStringList& paths = model_->paths();
    for (int row = 0; row < paths.size(); ++row)
        if (selected.contains(paths.at(row)))
            wanted.select(model_->index(row), model_->index(row));
    view_->selectionModel()->select(wanted, QItemSelectionModel::ClearAndSelect);
}

// The items selected here are the list's selection: what Del and the
// other commands on several pictures work on.
void OverviewPage::takeSelection()
{
    QList<int> rows;
    for (const QModelIndex& index : view_->selectionModel()->selectedIndexes())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    PathArray& selection = lists_.current().selection();
    selection.clear(false);
    const QStringList& paths = model_->paths();
    for (const int row : rows)
        if (row >= 0 && row < paths.size())
            selection.append(paths.at(row));
}

} // namespace vistello
