#include "ui/viewer/PicturePage.h"

#include "app/window/frame/DisplayStyle.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/PictureLists.h"
#include "ui/pictureinfo/BinaryViewPage.h"
#include "ui/pictureinfo/HistogramPage.h"
#include "ui/pictureinfo/PictureDataPage.h"
#include "ui/viewer/MediaPlayerView.h"
#include "ui/viewer/PictureView.h"
#include "ui/strip/PreviewStrip.h"
#include "ui/common/TabRow.h"

#include <QJsonArray>

namespace vistello {

namespace {

constexpr int kPreviewBorder = 10;

} // namespace

PicturePage::PicturePage(PictureLists& lists, QWidget* parent)
    : WindowPage(parent)
    , lists_(lists)
    , tabs_(new TabRow(TabRowId::Picture, this))
    , preview_(new PreviewStrip(lists, this))
    , binaryView_(new BinaryViewPage(this))
    , histogramView_(new HistogramPage(this))
    , pictureData_(new PictureDataPage(this))
    , view_(new PictureView(this))
    , player_(new MediaPlayerView(this))
{
    player_->hide();
    setObjectName(QStringLiteral("picturePage"));
    pictureData_->setObjectName(QStringLiteral("pictureDataView"));
    // The picture's other tabs need a picture.
    tabs_->setAvailability([this](uint64_t style) { return style == style::Picture || lists_.current().count() > 0; });
    connect(tabs_, &TabRow::styleChosen, this, &PicturePage::styleChosen);
    connect(view_, &PictureView::doubleClicked, this, &PicturePage::viewDoubleClicked);
    connect(preview_, &PreviewStrip::showPicture, this, &PicturePage::showPicture);
    view_->setNeighbourSource([this](int index) {
        const PictureList& list = lists_.current();
        return index >= 0 && index < list.count() ? list.entries().at(index) : QString();
    });
}

void PicturePage::showStyle(uint64_t style)
{
    // A tab shown again reads its file again: the picture may have been rewritten meanwhile.
    const bool tabChanged = style != style_;
    style_ = style;
    tabs_->setSelected(style);
    showTabPicture(tabChanged);
    arrange();
}

void PicturePage::setPictureOnly(bool on)
{
    pictureOnly_ = on;
    view_->setBackground(on ? pictureOnlyBackground_ : background_);
    player_->setBackground(on ? pictureOnlyBackground_ : background_);
    arrange();
}

void PicturePage::setBackgrounds(QColor normal, QColor pictureOnly)
{
    background_ = normal;
    pictureOnlyBackground_ = pictureOnly;
    view_->setBackground(pictureOnly_ ? pictureOnly : normal);
    player_->setBackground(pictureOnly_ ? pictureOnly : normal);
}

void PicturePage::showCurrent()
{
    const PictureList& list = lists_.current();
    const bool empty = list.count() == 0;
    view_->showPicture(empty ? QString() : list.currentPath(), empty ? 0 : list.currentIndex(), list.count());
    placePlayer();
}

void PicturePage::placePlayer()
{
    const PictureList& list = lists_.current();
    const QString path = list.count() > 0 ? list.currentPath() : QString();
    if (!isVisible() || view_->isHidden() || !PictureFileTypes::instance().isMediaFile(path)) {
        if (!player_->path().isEmpty())
            player_->close();
        player_->hide();
        return;
    }
    player_->setGeometry(view_->geometry());
    if (player_->path() != path)
        player_->open(path);
    player_->show();
    player_->raise();
}

void PicturePage::showEvent(QShowEvent* event)
{
    WindowPage::showEvent(event);
    placePlayer();
}

void PicturePage::hideEvent(QHideEvent* event)
{
    WindowPage::hideEvent(event);
    placePlayer(); // leaving the page ends the playback
}

void PicturePage::currentPictureChanged()
{
    showCurrent();
    preview_->listChanged();
    showTabPicture(false);
    tabs_->update();
}

void PicturePage::refreshAll()
{
    view_->reload();
    showCurrent();
    showTabPicture(true);
}

void PicturePage::pictureChanged(const QString& path)
{
    if (path == view_->path())
        view_->reload();
    const PictureList& list = lists_.current();
    if (list.count() > 0 && list.currentPath() == path)
        showTabPicture(true);
}

void PicturePage::pictureRemoved(const QString&, int)
{
    showCurrent();
}

void PicturePage::pictureAdded(const QString&, int)
{
    showCurrent();
}

void PicturePage::pictureReplaced(const QString&, int)
{
    showCurrent();
}

bool PicturePage::pageCommand(int id)
{
    return style_ == style::PictureData && pictureData_->pageCommand(id);
}

bool PicturePage::stripShown() const
{
    return style_ == style::Picture && !pictureOnly_ && preview_->isVisible();
}

bool PicturePage::pageKey(int key)
{
    if (style_ == style::Binary && !pictureOnly_)
        return binaryView_->handleKey(key);
    return stripShown() && preview_->handleKey(key);
}

void PicturePage::showFocused()
{
    if (stripShown())
        preview_->showFocused();
}

void PicturePage::resizeEvent(QResizeEvent* event)
{
    WindowPage::resizeEvent(event);
    arrange();
}

void PicturePage::arrange()
{
    arrangeParts();
    placePlayer();
}

void PicturePage::arrangeParts()
{
    const bool onPicture = style_ == style::Picture;
    if (pictureOnly_ && onPicture) {
        tabs_->hide();
        preview_->hide();
        hideTabViews();
        view_->setGeometry(rect());
        view_->show();
        return;
    }
    const int tabHeight = tabs_->heightForWidth(width());
    tabs_->setGeometry(0, 0, width(), tabHeight);
    tabs_->show();
    const QRect below(0, tabHeight, width(), std::max(height() - tabHeight, 0));
    if (onPicture) {
        hideTabViews();
        // The strip sits in a border of the background colour.
        const int previewHeight = std::min(preview_->preferredHeight() + 2 * kPreviewBorder, below.height());
        preview_->setGeometry(QRect(below.x(), below.y(), below.width(), previewHeight)
                                  .adjusted(kPreviewBorder, kPreviewBorder, -kPreviewBorder, -kPreviewBorder));
        view_->setGeometry(below.adjusted(0, previewHeight, 0, 0));
        preview_->show();
        view_->show();
    } else {
        preview_->hide();
        view_->hide();
        hideTabViews();
        tabView()->setGeometry(below);
        tabView()->show();
    }
}

QWidget* PicturePage::tabView() const
{
    if (style_ == style::Binary)
        return binaryView_;
    if (style_ == style::Histogram)
        return histogramView_;
    return pictureData_;
}

void PicturePage::hideTabViews()
{
    for (QWidget* view : {static_cast<QWidget*>(pictureData_), static_cast<QWidget*>(binaryView_),
                             static_cast<QWidget*>(histogramView_)})
        view->hide();
}

void PicturePage::showTabPicture(bool force)
{
    // Only the shown tab reads its file: a video's bytes or a huge decode wait until asked for.
    const PictureList& list = lists_.current();
    const QString path = list.count() > 0 ? list.currentPath() : QString();
    if (style_ == style::Binary)
        binaryView_->showFile(path, force);
    else if (style_ == style::Histogram)
        histogramView_->showFile(path, force);
    else if (style_ == style::PictureData)
        pictureData_->showPath(path, force);
}

QJsonObject PicturePage::tabsJson() const
{
    QJsonObject tabs;
    for (const TabEntry& tab : tabsOf(TabRowId::Picture)) {
        const QRect r = tabs_->tabRect(tab.style).translated(tabs_->mapTo(window(), QPoint(0, 0)));
        tabs.insert(QString::number(tab.style), QJsonArray{r.x(), r.y(), r.width(), r.height()});
    }
    return tabs;
}

} // namespace vistello
