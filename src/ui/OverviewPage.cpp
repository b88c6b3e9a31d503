#include "ui/OverviewPage.h"

#include "app/window/ListEdit.h"
#include "app/window/NameLayout.h"
#include "core/lists/PictureLists.h"
#include "imaging/thumbnails/ThumbnailLoader.h"
#include "ui/OverviewDelegate.h"
#include "ui/OverviewModel.h"
#include "ui/OverviewSink.h"

#include <QListView>
#include <QMenu>
#include <QScrollBar>

namespace vistello {

namespace {

constexpr int kStopTimeoutMs = 2000;

} // namespace

OverviewPage::OverviewPage(PictureLists& lists, bool userSelect, QWidget* parent)
    : WindowPage(parent)
    , lists_(lists)
    , model_(new OverviewModel(lists, this))
    , sink_(new OverviewSink(this))
    , view_(new QListView(this))
    , userSelect_(userSelect)
{
    setObjectName(QStringLiteral("overviewPage"));
    view_->setObjectName(QStringLiteral("overviewList"));
    model_->setUserSelect(userSelect);
    view_->setViewMode(QListView::IconMode);
    view_->setMovement(QListView::Static);
    view_->setResizeMode(QListView::Adjust);
    view_->setWrapping(true);
    view_->setUniformItemSizes(true);
    view_->setGridSize({OverviewItemLayout::kCellWidth, OverviewItemLayout::kCellHeight});
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setItemDelegate(new OverviewDelegate(view_));
    view_->setModel(model_);
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(view_, &QWidget::customContextMenuRequested, this, &OverviewPage::showContextMenu);

    // Tiles come from the loader's thread as values; those of an earlier
    // list (another generation) are dropped.
    connect(sink_, &OverviewSink::tileReady, this, &OverviewPage::tileReady, Qt::QueuedConnection);
    connect(view_->verticalScrollBar(), &QScrollBar::valueChanged, this, &OverviewPage::followFirstVisible);
    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& index) {
        if (!syncing_ && index.isValid())
            Q_EMIT pictureChosen(index.row());
    });
    connect(view_, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            Q_EMIT pictureOpened(index.row());
    });
}

OverviewPage::~OverviewPage()
{
    if (loader_)
        loader_->stop(kStopTimeoutMs);
}

int OverviewPage::itemCount() const
{
    return model_->rowCount();
}

int OverviewPage::tilesDone() const
{
    return model_->tilesDone();
}

bool OverviewPage::currentItemVisible() const
{
    const QModelIndex current = view_->currentIndex();
    return current.isValid() && view_->viewport()->rect().contains(view_->visualRect(current));
}

void OverviewPage::currentPictureChanged()
{
    const QStringList paths = lists_.current().entries().toStringList();
    // The view moves its current item off removed rows: that is no choice
    // of the user's.
    syncing_ = true;
    if (paths != model_->paths() && !applyEdit(paths))
        fill(paths);
    syncing_ = false;
    showCurrent();
}

void OverviewPage::fill(const QStringList& paths)
{
    if (loader_) {
        loader_->stop(kStopTimeoutMs);
        loader_.reset();
    }
    model_->setPaths(paths);
    if (paths.isEmpty())
        return;
    loader_ = std::make_unique<ThumbnailLoader>(*sink_, paths);
    loader_->start();
}

bool OverviewPage::applyEdit(const QStringList& paths)
{
    const std::optional<ListEdit> edit = singleEdit(model_->paths(), paths);
    if (!edit || !loader_)
        return false;
    loader_->pause();
    if (edit->kind == ListEdit::Removed) {
        model_->removeItem(edit->index);
        loader_->removeAt(edit->index);
    } else {
        model_->insertItem(edit->index, paths.at(edit->index));
        loader_->insertAt(edit->index, paths.at(edit->index));
    }
    // Tiles still on their way carry the old generation and are dropped:
    // every item without its tile is made again.
    for (int i = 0; i < model_->rowCount(); ++i)
        if (!model_->hasTile(i))
            loader_->invalidate(i);
    loader_->resume();
    return true;
}

// The view's own layout decides where the current item is.
void OverviewPage::showCurrent()
{
    const PictureList& list = lists_.current();
    if (list.count() == 0)
        return;
    const QModelIndex current = model_->index(list.currentIndex());
    syncing_ = true;
    view_->selectionModel()->setCurrentIndex(current, QItemSelectionModel::ClearAndSelect);
    syncing_ = false;
    view_->scrollTo(current);
    followFirstVisible();
}

void OverviewPage::followFirstVisible()
{
    if (!loader_)
        return;
    const QModelIndex first = view_->indexAt(QPoint(1, 1));
    loader_->setRequestedIndex(first.isValid() ? first.row() : 0);
}

void OverviewPage::tileReady(quint64 generation, int index, const QImage& tile, int mark)
{
    if (loader_ && generation == loader_->generation())
        model_->setTile(index, tile, mark);
}

void OverviewPage::markSelected(bool on)
{
    if (!userSelect_)
        return;
    for (const QModelIndex& index : view_->selectionModel()->selectedIndexes())
        model_->setData(index, on ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
}

void OverviewPage::showContextMenu(QPoint at)
{
    // The marker entries are all this menu holds so far.
    if (!userSelect_ || !view_->selectionModel()->hasSelection())
        return;
    QMenu menu(this);
    connect(menu.addAction(QStringLiteral("Set marker")), &QAction::triggered, this, [this] { markSelected(true); });
    connect(menu.addAction(QStringLiteral("Reset marker")), &QAction::triggered, this,
            [this] { markSelected(false); });
    menu.exec(view_->viewport()->mapToGlobal(at));
}

void OverviewPage::resizeEvent(QResizeEvent* event)
{
    WindowPage::resizeEvent(event);
    view_->setGeometry(rect());
    followFirstVisible();
}

} // namespace vistello
