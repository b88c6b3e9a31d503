// The options pages in the window: the values they change at once and what
// their Apply and Cancel ask of the frame and the views.
#include "ui/frame/MainWindow.h"

#include "app/window/frame/DisplayStyle.h"
#include "app/window/frame/SettingColour.h"
#include "app/window/options/OptionsRules.h"
#include "core/lists/PictureLists.h"
#include "core/settings/SettingsStore.h"
#include "ui/folders/FolderTree.h"
#include "ui/frame/FileCommandRunner.h"
#include "ui/frame/LeftPane.h"
#include "ui/options/OptionsPage.h"
#include "ui/strip/PreviewStrip.h"
#include "ui/viewer/PicturePage.h"
#include "ui/viewer/ViewerController.h"

namespace vistello {

WindowPage* MainWindow::createOptionsPage()
{
    OptionsHost host;
    host.store = &store_;
    host.prompts = &prompts_;
    host.folderViewShown = [this] { return state_.selectionViewVisible; };
    host.showFolderView = [this](bool on) { setSelectionViewVisible(on); };
    host.frameFlagsChanged = [this] {
        leftPane_->setShowSplitLines(store_.get(setting::ShowSplitLines));
        folderTree_->folders().setShowInfo(store_.get(setting::ShellTreeJpegInfo));
        update();
    };
    host.coloursChanged = [this] { applyColours(); };
    host.carryOut = [this, frameFlags = host.frameFlagsChanged](const OptionsEffects& effects) {
        if (effects.folderView) {
            state_.autoSelectionView = false;
            setSelectionViewVisible(*effects.folderView);
        }
        if (effects.frameFlags)
            frameFlags();
        if (effects.stopSound)
            viewer_->stopSound();
        const auto picture = pages_.find(PageId::Picture);
        auto* picturePage = picture == pages_.end() ? nullptr : static_cast<PicturePage*>(picture->second);
        if (picturePage && effects.listViews) {
            picturePage->previewStrip()->setToolTips(store_.get(setting::PreviewTooltip));
            picturePage->previewStrip()->setUserSelect(store_.get(setting::UserSelect));
        }
        if (picturePage && (effects.viewerSettings || effects.refreshAll))
            viewer_->applySettings(*picturePage->view());
        if (effects.refreshAll) {
            ++optionsRefreshes_;
            fileRunner_->update(QString(), false);
        }
    };
    host.rescan = [this] {
        // The folder goes into the current list whatever made it, so that
        // list files of the new extension join at once.
        if (const QString folder = pictureFolder(); !folder.isEmpty())
            lists_.current().rescanKeepingIndex(folder, includeSubfolders_);
        ++optionsRefreshes_;
        fileRunner_->update(QString(), false);
    };
    host.leave = [this] { setDisplayStyle(state_.lastPictureStyle); };
    host.jobsRunning = [this] { return jobsRunning(); };
    return new OptionsPage(host, this);
}

void MainWindow::applyColours()
{
    background_ = settingColour(store_.get(setting::BackgroundColor), Qt::white);
    pictureOnlyBackground_ = settingColour(store_.get(setting::BackgroundColorFullScreen), Qt::black);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, background_);
    colours.setColor(QPalette::Window, background_);
    setPalette(colours);
    if (const auto picture = pages_.find(PageId::Picture); picture != pages_.end()) {
        auto* page = static_cast<PicturePage*>(picture->second);
        page->setBackgrounds(background_, pictureOnlyBackground_);
        viewer_->applySettings(*page->view());
    }
    update();
}

} // namespace vistello
