#include "ui/PicturePage.h"

#include "app/window/DisplayStyle.h"
#include "core/lists/PictureLists.h"
#include "ui/PictureDataPage.h"
#include "ui/PictureView.h"
#include "ui/PlaceholderPage.h"
#include "ui/PreviewStrip.h"
#include "ui/TabRow.h"

namespace vistello {

namespace {

constexpr int kPreviewBorder = 10;

} // namespace

PicturePage::PicturePage(PictureLists& lists, QWidget* parent)
    : WindowPage(parent)
    , lists_(lists)
    , tabs_(new TabRow(TabRowId::Picture, this))
    , preview_(new PreviewStrip(lists, this))
    , dataView_(new PlaceholderPage(QString(), this))
    , pictureData_(new PictureDataPage(this))
    , view_(new PictureView(this))
{
    setObjectName(QStringLiteral("picturePage"));
    dataView_->setObjectName(QStringLiteral("pictureDataView"));
    // The picture's other tabs need a picture.
    tabs_->setAvailability([this](uint64_t style) { return style == style::Picture || lists_.current().count() > 0; });
    connect(tabs_, &TabRow::styleChosen, this, &PicturePage::styleChosen);
    connect(view_, &PictureView::doubleClicked, this, &PicturePage::viewDoubleClicked);
    connect(preview_, &PreviewStrip::showPicture, this, &PicturePage::showPicture);
}

void PicturePage::showStyle(uint64_t style)
{
    style_ = style;
    tabs_->setSelected(style);
    if (style != style::Picture)
        dataView_->showStyle(style);
    arrange();
    // The picture may have been rewritten on another tab since.
    showPictureData(true);
}

void PicturePage::setPictureOnly(bool on)
{
    pictureOnly_ = on;
    view_->setBackground(on ? pictureOnlyBackground_ : background_);
    arrange();
}

void PicturePage::setBackgrounds(QColor normal, QColor pictureOnly)
{
    background_ = normal;
    pictureOnlyBackground_ = pictureOnly;
    view_->setBackground(pictureOnly_ ? pictureOnly : normal);
}

void PicturePage::currentPictureChanged()
{
    const PictureList& list = lists_.current();
    const bool empty = list.count() == 0;
    view_->showPicture(empty ? QString() : list.currentPath(), empty ? 0 : list.currentIndex(), list.count());
    preview_->listChanged();
    tabs_->update();
    showPictureData(false);
}

// The list follows the current picture only while its tab shows.
void PicturePage::showPictureData(bool force)
{
    if (style_ != style::PictureData)
        return;
    const PictureList& list = lists_.current();
    pictureData_->showPath(list.count() > 0 ? list.currentPath() : QString(), force);
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
    const bool onPicture = style_ == style::Picture;
    if (pictureOnly_ && onPicture) {
        tabs_->hide();
        preview_->hide();
        dataView_->hide();
        pictureData_->hide();
        view_->setGeometry(rect());
        view_->show();
        return;
    }
    const int tabHeight = tabs_->heightForWidth(width());
    tabs_->setGeometry(0, 0, width(), tabHeight);
    tabs_->show();
    const QRect below(0, tabHeight, width(), std::max(height() - tabHeight, 0));
    if (onPicture) {
        dataView_->hide();
        pictureData_->hide();
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
        const bool onData = style_ == style::PictureData;
        (onData ? static_cast<WindowPage*>(dataView_) : pictureData_)->hide();
        WindowPage* shown = onData ? static_cast<WindowPage*>(pictureData_) : dataView_;
        shown->setGeometry(below);
        shown->show();
    }
}

} // namespace vistello
