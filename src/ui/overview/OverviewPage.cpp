#include "ui/overview/OverviewPage.h"

#include "app/window/overview/DragAutoScroll.h"
#include "app/window/overview/NameLayout.h"
#include "core/lists/PictureLists.h"
#include "app/window/overview/RetireWorker.h"
#include "imaging/thumbnails/ThumbnailLoader.h"
#include "ui/common/FileDrag.h"
#include "ui/common/FlatScrollBar.h"
#include "ui/overview/HoverPreview.h"
#include "ui/overview/OverviewDelegate.h"
#include "app/window/overview/OverviewModel.h"
#include "ui/overview/OverviewSink.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QJsonArray>
#include <QListView>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QTimerEvent>
#include <QToolButton>

namespace vistello {

namespace {

constexpr int kHeaderHeight = 24;

} // namespace

OverviewPage::OverviewPage(PictureLists& lists, bool userSelect, QWidget* parent)
    : WindowPage(parent)
    , lists_(lists)
    , model_(new OverviewModel(lists, this))
    , sink_(new OverviewSink(this))
    , view_(new QListView(this))
    , hoverPreview_(new HoverPreview(this))
    , backButton_(new QToolButton(this))
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
    view_->setMouseTracking(true);
    view_->viewport()->installEventFilter(this);
    makeScrollBarFlat(view_->verticalScrollBar());
    makeScrollBarFlat(view_->horizontalScrollBar());
    backButton_->setObjectName(QStringLiteral("overviewBack"));
    backButton_->setArrowType(Qt::LeftArrow);
    backButton_->setAutoRaise(true);
    backButton_->hide();
    connect(backButton_, &QToolButton::clicked, this, &OverviewPage::back);

    // Tiles come from the loader's thread as values; those of an earlier
    // list (another generation) are dropped.
    connect(sink_, &OverviewSink::tileReady, this, &OverviewPage::tileReady, Qt::QueuedConnection);
    connect(view_->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        stopHover();
        followFirstVisible();
    });
    connect(view_, &QListView::clicked, this, [this](const QModelIndex& index) {
        if (index.isValid() && view_->selectionModel()->selectedIndexes().size() == 1)
            Q_EMIT pictureClickedAlone(index.row());
    });
    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& index) {
        if (syncing_ || !index.isValid())
            return;
        // The window answers by telling every page: the echo keeps the click's selection.
        echo_ = true;
        Q_EMIT pictureChosen(index.row());
        echo_ = false;
    });
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (syncing_)
            return;
        takeSelection();
        Q_EMIT selectionTaken();
    });
    connect(view_, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            Q_EMIT pictureOpened(index.row());
    });
}

OverviewPage::~OverviewPage()
{
    retireWorker(std::move(loader_), kStopTimeoutMs);
}

int OverviewPage::itemCount() const
{
    return model_->rowCount();
}

int OverviewPage::tilesDone() const
{
    return model_->tilesDone();
}

QJsonObject OverviewPage::loaderStateJson() const
{
    constexpr int kKeysShown = 8;
    QJsonArray arrivals;
    for (const int index : model_->firstArrivals())
        arrivals.append(index);
    QJsonArray keys;
    for (int i = 0; i < std::min(kKeysShown, model_->rowCount()); ++i)
        keys.append(QString::number(model_->index(i).data(Qt::DecorationRole).value<QImage>().cacheKey()));
    const QModelIndex first = view_->indexAt(QPoint(1, 1));
    const QRect area = view_->viewport()->rect();
    int lastRow = first.isValid() ? first.row() : -1;
    while (lastRow + 1 < model_->rowCount() && area.intersects(view_->visualRect(model_->index(lastRow + 1))))
        ++lastRow;
    // Where the first item sits in window coordinates (for the pointer).
    QJsonArray firstRect;
    if (model_->rowCount() > 0) {
        const QRect item = view_->visualRect(model_->index(0));
        const QPoint topLeft = view_->viewport()->mapTo(window(), item.topLeft());
        firstRect = {topLeft.x(), topLeft.y(), item.width(), item.height()};
    }
    const QImage firstTile = model_->rowCount() > 0 ? model_->index(0).data(Qt::DecorationRole).value<QImage>()
                                                    : QImage();
    return {{QStringLiteral("tilesReceived"), model_->tilesReceived()},
            {QStringLiteral("tilesDropped"), model_->tilesDropped()},
            {QStringLiteral("tileBytes"), double(model_->tileBytes())},
            {QStringLiteral("lanes"), loader_ ? loader_->laneCount() : 0},
            {QStringLiteral("fromShared"), loader_ ? loader_->madeFrom(ThumbnailSource::Shared) : 0},
            {QStringLiteral("fromEmbedded"), loader_ ? loader_->madeFrom(ThumbnailSource::Embedded) : 0},
            {QStringLiteral("decoded"), loader_ ? loader_->madeFrom(ThumbnailSource::Decoded) : 0},
            {QStringLiteral("firstTilePixels"), QJsonArray{firstTile.width(), firstTile.height()}},
            {QStringLiteral("tileScale"), tileScale_},
            {QStringLiteral("firstItemRect"), firstRect},
            {QStringLiteral("firstArrivals"), arrivals},
            {QStringLiteral("visible"), QJsonArray{first.isValid() ? first.row() : -1, lastRow}},
            {QStringLiteral("tileKeys"), keys}};
}

bool OverviewPage::currentItemVisible() const
{
    const QModelIndex current = view_->currentIndex();
    return current.isValid() && view_->viewport()->rect().contains(view_->visualRect(current));
}

void OverviewPage::currentPictureChanged()
{
    if (captionSource_ && captionSource_() != caption_) {
        caption_ = captionSource_();
        update(0, 0, width(), kHeaderHeight);
    }
    const QStringList paths = lists_.current().entries().toStringList();
    // The view moves its current item off removed rows: that is no choice
    // of the user's.
    syncing_ = true;
    if (paths != model_->paths() && !applyEdit(paths))
        fill(paths);
    syncing_ = false;
    showCurrent();
}

void OverviewPage::setTextColour(const QColor& colour)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, colour);
    colours.setColor(QPalette::Text, colour);
    setPalette(colours);
}

// The view's own layout decides where the current item is.
void OverviewPage::showCurrent()
{
    const PictureList& list = lists_.current();
    if (list.count() == 0)
        return;
    const QModelIndex current = model_->index(list.currentIndex());
    if (!echo_) {
        syncing_ = true;
        if (view_->currentIndex() != current)
            view_->selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
        showListSelection();
        syncing_ = false;
    }
    view_->scrollTo(current);
    followFirstVisible();
}

void OverviewPage::followFirstVisible()
{
    if (!loader_)
        return;
    const QModelIndex firstIndex = view_->indexAt(QPoint(1, 1));
    const int first = firstIndex.isValid() ? firstIndex.row() : 0;
    // The rows shown and as many again above and below stay in memory.
    const int columns = std::max(1, view_->viewport()->width() / OverviewItemLayout::kCellWidth);
    const int rows = view_->viewport()->height() / OverviewItemLayout::kCellHeight + 2;
    const int shown = columns * rows;
    model_->keepRows(first - shown, first + 2 * shown);
    remakeDroppedNear(first - shown, first + 2 * shown);
    loader_->setRequestedIndex(first);
}

void OverviewPage::remakeDroppedNear(int first, int last)
{
    // No pause: the window must not wait for a round of decodes.
    const std::vector<int> dropped = model_->droppedBetween(first, last);
    if (!dropped.empty())
        loader_->remake(loader_->generation(), dropped);
}

void OverviewPage::tileReady(quint64 generation, int index, const QImage& tile, int mark)
{
    if (!loader_ || generation != loader_->generation())
        return;
    QImage shown = tile;
    shown.setDevicePixelRatio(tileScale_);
    model_->setTile(index, shown, mark);
}

void OverviewPage::markSelected(bool on)
{
    if (!userSelect_)
        return;
    for (const QModelIndex& index : view_->selectionModel()->selectedIndexes())
        model_->setData(index, on ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
}

void OverviewPage::setPictureOnly(bool on)
{
    backButton_->setVisible(on);
}

bool OverviewPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != view_->viewport())
        return WindowPage::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = mouse->position().toPoint();
        Q_EMIT pointerMoved(at.x());
        if (pressed_ && (mouse->buttons() & Qt::LeftButton)
            && (at - pressPoint_).manhattanLength() > QApplication::startDragDistance() && dragAllowed_
            && dragAllowed_()) {
            dragCurrent();
            return true;
        }
        if (mouse->buttons() == Qt::NoButton)
            hoverAt(at);
        break;
    }
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        stopHover();
        pressed_ = mouse->button() == Qt::LeftButton && view_->indexAt(mouse->position().toPoint()).isValid();
        pressPoint_ = mouse->position().toPoint();
        break;
    }
    case QEvent::MouseButtonRelease: pressed_ = false; break;
    case QEvent::Leave: stopHover(); break;
    case QEvent::ContextMenu: {
        // From the keyboard the menu opens at the focused item.
        const auto* menu = static_cast<QContextMenuEvent*>(event);
        const bool fromKey = menu->reason() == QContextMenuEvent::Keyboard && view_->currentIndex().isValid();
        showContextMenu(fromKey ? view_->visualRect(view_->currentIndex()).center() : menu->pos());
        return true;
    }
    default: break;
    }
    return WindowPage::eventFilter(watched, event);
}

void OverviewPage::hoverAt(QPoint at)
{
    const QModelIndex index = view_->indexAt(at);
    if (!index.isValid()) {
        stopHover();
        return;
    }
    if (index.row() == lastHover_)
        return;
    lastHover_ = index.row();
    Q_EMIT pictureHovered(model_->paths().at(index.row()));
    QWidget* viewport = view_->viewport();
    const QPoint centre = viewport->mapToGlobal(overviewItemLayout(view_->visualRect(index)).tileRect.center());
    QRect bounds(viewport->mapToGlobal(QPoint()), viewport->size());
    if (const QScreen* shown = screen())
        bounds &= shown->availableGeometry();
    hoverPreview_->start(model_->paths().at(index.row()), centre, bounds);
}

void OverviewPage::stopHover()
{
    hoverPreview_->stop();
    lastHover_ = -1;
}

// Drags the current picture; near the list's top or bottom the list scrolls.
void OverviewPage::dragCurrent()
{
    pressed_ = false;
    stopHover();
    const QModelIndex current = view_->currentIndex();
    if (!current.isValid())
        return;
    dragScroll_.start(DragAutoScroll::kTickMs, this);
    startFileDrag(this, {model_->paths().at(current.row())},
                  QPixmap::fromImage(current.data(Qt::DecorationRole).value<QImage>()));
    dragScroll_.stop();
}

void OverviewPage::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != dragScroll_.timerId())
        return WindowPage::timerEvent(event);
    const QWidget* viewport = view_->viewport();
    const int lines = DragAutoScroll::lines(viewport->mapFromGlobal(QCursor::pos()).y(), viewport->height());
    if (lines != 0)
        view_->verticalScrollBar()->triggerAction(lines < 0 ? QAbstractSlider::SliderSingleStepSub
                                                            : QAbstractSlider::SliderSingleStepAdd);
}

void OverviewPage::hideEvent(QHideEvent* event)
{
    // The preview is a window of its own: it would stay over the next page.
    stopHover();
    WindowPage::hideEvent(event);
}

void OverviewPage::paintEvent(QPaintEvent*)
{
    // The header: the list's caption.
    QPainter painter(this);
    painter.fillRect(QRect(0, 0, width(), kHeaderHeight), palette().color(QPalette::Window));
    QFont captionFont = font();
    captionFont.setBold(true);
    painter.setFont(captionFont);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(10, 6, std::max(width() - 40, 0), kHeaderHeight - 6), Qt::AlignLeft | Qt::AlignTop,
                     caption_);
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
    view_->setGeometry(rect().adjusted(0, kHeaderHeight, 0, 0));
    backButton_->setGeometry(width() - 22, 3, 18, 18);
    followFirstVisible();
}

} // namespace vistello
