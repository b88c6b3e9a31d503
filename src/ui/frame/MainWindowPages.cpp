// The main window's pages: made when first shown and wired to the window,
// the display style that chooses one, and the group tab rows.
#include "ui/frame/MainWindow.h"

#include "app/window/frame/CommandIds.h"
#include "app/window/frame/DisplayStyle.h"
#include "app/window/frame/StyleMachine.h"
#include "core/lists/PictureLists.h"
#include "core/settings/SettingsStore.h"
#include "ui/common/PlaceholderPage.h"
#include "ui/common/TabRow.h"
#include "ui/frame/LeftPane.h"
#include "ui/information/InformationPage.h"
#include "ui/overview/OverviewPage.h"
#include "ui/overview/OverviewStripController.h"
#include "ui/pictureinfo/BinaryViewPage.h"
#include "ui/strip/PreviewStrip.h"
#include "ui/viewer/AutoShowController.h"
#include "ui/viewer/MediaPlayerView.h"
#include "ui/viewer/PicturePage.h"
#include "ui/viewer/PictureView.h"
#include "ui/viewer/ViewerController.h"

namespace vistello {

WindowPage* MainWindow::page(PageId id)
{
    if (const auto found = pages_.find(id); found != pages_.end())
        return found->second;
    WindowPage* created = nullptr;
    if (id == PageId::Picture) {
        auto* picture = new PicturePage(lists_, this);
        picture->setBackgrounds(background_, pictureOnlyBackground_);
        listViews_->setUpStrip(*picture->previewStrip());
        connect(picture, &PicturePage::showPicture, this, &MainWindow::showPicture);
        connect(picture, &PicturePage::styleChosen, this, &MainWindow::setDisplayStyle);
        connect(picture, &PicturePage::viewDoubleClicked, this, [this] { runCommand(command::PictureOnly); });
        picture->binaryView()->setSettings(&store_);
        viewer_->attach(*picture);
        created = picture;
    } else if (id == PageId::Information) {
        auto* information = new InformationPage(this);
        connect(information, &InformationPage::back, this,
                [this] { setDisplayStyle(state_.lastPictureStyle); });
        created = information;
    } else if (id == PageId::Overview) {
        auto* overview = new OverviewPage(lists_, store_.get(setting::UserSelect), this);
        listViews_->setUpOverview(*overview);
        created = overview;
    } else if (id == PageId::Search) {
        created = createSearchPage();
    } else if (id == PageId::Options) {
        created = createOptionsPage();
    } else if (id == PageId::RedEye) {
        created = createRedEyePage();
    } else {
        created = new PlaceholderPage(pageTitle(id), this);
    }
    created->hide();
    created->currentPictureChanged();
    pages_.emplace(id, created);
    return created;
}

void MainWindow::setDisplayStyle(uint64_t mask)
{
    WindowPage* old = currentPage_;
    const StyleChange change = vistello::setDisplayStyle(state_, mask);
    if (!change.changed)
        return;
    // Pictures the action list handed to a command are not carried into
    // another view, where a later command would act on them unseen.
    if (!lists_.selectedPictures().entries().isEmpty()) {
        lists_.selectedPictures().entries().clear(false);
        selectionChanged();
    }
    if (change.oldPageHides && old)
        old->hide();
    applyTabRowChange(int(change.tabRow));
    if (state_.displayStyle & style::OptionsGroup)
        store_.setFlag(SettingsStore::name(setting::OptionsSelection), state_.displayStyle);
    if (autoShow_->running() && state_.displayStyle != style::Picture)
        autoShow_->stop(); // the show needs the picture page
    currentPage_ = page(pageOf(state_.displayStyle));
    currentPage_->showStyle(state_.displayStyle);
    currentPage_->setPictureOnly(state_.pictureOnly);
    currentPage_->show();
    layoutAreas();
    updateButtons();
    viewer_->playSoundOfShownPicture();
}

void MainWindow::applyTabRowChange(int change)
{
    using Row = StyleChange::TabRow;
    switch (Row(change)) {
    case Row::CreateOptions:
    case Row::CreateHtml:
        delete groupTabs_;
        groupTabs_ = new TabRow(Row(change) == Row::CreateOptions ? TabRowId::Options : TabRowId::Html, this);
        connect(groupTabs_, &TabRow::styleChosen, this, &MainWindow::setDisplayStyle);
        groupTabs_->show();
        break;
    case Row::Destroy:
        delete groupTabs_;
        groupTabs_ = nullptr;
        break;
    case Row::Select:
    case Row::Keep:
        break;
    }
    if (groupTabs_)
        groupTabs_->setSelected(state_.displayStyle);
}

PictureView* MainWindow::pictureView() const
{
    if (state_.displayStyle != style::Picture || !currentPage_)
        return nullptr;
    auto* picture = qobject_cast<PicturePage*>(currentPage_);
    return picture ? picture->view() : nullptr;
}

void MainWindow::applyViewerModes()
{
    if (const auto found = pages_.find(PageId::Picture); found != pages_.end()) {
        auto* page = static_cast<PicturePage*>(found->second);
        page->view()->setModes(state_.pictureOnly, autoShow_->running());
        page->mediaPlayer()->setModes(state_.pictureOnly, store_.get(setting::ControlButtonsInFullscreen),
                                      autoShow_->running());
    }
}

bool MainWindow::mediaPlaying() const
{
    const auto found = pages_.find(PageId::Picture);
    return found != pages_.end() && static_cast<const PicturePage*>(found->second)->mediaPlayer()->mediaPlaying();
}

} // namespace vistello
