// What a scripted run reads of the main window: its state as JSON, and
// whether loaders and transitions are done.
#include "ui/frame/MainWindow.h"

#include "app/window/frame/DisplayStyle.h"
#include "app/window/script/StateJson.h"
#include "app/window/taskpane/JobLauncher.h"
#include "app/window/taskpane/JobStateJson.h"
#include "core/lists/PictureLists.h"
#include "ui/common/WindowPage.h"
#include "ui/folders/AddressField.h"
#include "ui/folders/FolderTree.h"
#include "ui/options/OptionsPage.h"
#include "ui/frame/TopBar.h"
#include "ui/overview/OverviewPage.h"
#include "ui/pictureinfo/BinaryViewPage.h"
#include "ui/pictureinfo/HistogramPage.h"
#include "ui/pictureinfo/PictureDataPage.h"
#include "ui/redeye/RedEyePage.h"
#include "ui/strip/PreviewStrip.h"
#include "ui/taskpane/TaskPaneController.h"
#include "ui/viewer/AutoShowController.h"
#include "ui/viewer/MediaPlayerView.h"
#include "ui/viewer/PicturePage.h"
#include "ui/viewer/PictureView.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QJsonArray>
#include <QLabel>
#include <QScreen>
#include <algorithm>

namespace vistello {

namespace {

QJsonArray rectJson(QRect rect)
{
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

} // namespace

QJsonObject MainWindow::stateJson() const
{
    QJsonObject window = windowStateJson(state_, areas_.central);
    window.insert(QStringLiteral("frameRect"), rectJson(frameGeometry()));
    window.insert(QStringLiteral("clientSize"), QJsonArray{width(), height()});
    window.insert(QStringLiteral("screenRect"), rectJson(screen()->geometry()));
    const QWidget* focused = focusWidget();
    window.insert(QStringLiteral("focus"), focused ? focused->objectName() : QString());
    QJsonObject state{{QStringLiteral("window"), window},
                      {QStringLiteral("list"), listStateJson(lists_)},
                      {QStringLiteral("autoShow"), QJsonObject{{QStringLiteral("running"), autoShow_->running()}}}};
    if (const auto found = pages_.find(PageId::Picture); found != pages_.end()) {
        const auto* page = static_cast<const PicturePage*>(found->second);
        state.insert(QStringLiteral("viewer"), page->view()->stateJson());
        state.insert(QStringLiteral("mediaPlayer"), page->mediaPlayer()->stateJson());
        state.insert(QStringLiteral("preview"), previewStateJson(page->previewStrip()->model()));
        state.insert(QStringLiteral("pictureTabs"), page->tabsJson());
        state.insert(QStringLiteral("binary"), page->binaryView()->stateJson());
        state.insert(QStringLiteral("histogram"), page->histogramView()->stateJson());
        state.insert(QStringLiteral("pictureData"), page->pictureData()->stateJson());
    }
    if (const auto found = pages_.find(PageId::Overview); found != pages_.end()) {
        const auto* overview = static_cast<const OverviewPage*>(found->second);
        QJsonObject overviewState =
            overviewStateJson(overview->itemCount(), overview->tilesDone(), overview->currentItemVisible());
        const QJsonObject loader = overview->loaderStateJson();
        for (auto it = loader.begin(); it != loader.end(); ++it)
            overviewState.insert(it.key(), it.value());
        state.insert(QStringLiteral("overview"), overviewState);
    }
    if (const auto found = pages_.find(PageId::Options); found != pages_.end()) {
        QJsonObject options = static_cast<const OptionsPage*>(found->second)->stateJson();
        options.insert(QStringLiteral("refreshes"), optionsRefreshes_);
        state.insert(QStringLiteral("options"), options);
    }
    if (const auto found = pages_.find(PageId::RedEye); found != pages_.end())
        state.insert(QStringLiteral("redEye"), static_cast<const RedEyePage*>(found->second)->stateJson());
    const AddressField* address = topBar_->addressField();
    state.insert(QStringLiteral("address"),
                 QJsonObject{{QStringLiteral("text"), address->currentText()},
                             {QStringLiteral("history"), QJsonArray::fromStringList(address->history().entries())},
                             {QStringLiteral("suggestions"), QJsonArray::fromStringList(address->shownSuggestions())}});
    state.insert(QStringLiteral("clipboardText"), QGuiApplication::clipboard()->text());
    QJsonObject tree = folderTree_->stateJson();
    tree.insert(QStringLiteral("driveLine"), driveLine_->text());
    state.insert(QStringLiteral("tree"), tree);
    state.insert(QStringLiteral("taskPane"), taskPane_->stateJson());
    state.insert(QStringLiteral("jobs"), jobsRunningJson(jobs_->progress()));
    state.insert(QStringLiteral("jobsFinished"), jobsFinishedJson(jobs_->progress()));
    return state;
}

bool MainWindow::overviewComplete() const
{
    const auto found = pages_.find(PageId::Overview);
    if (found == pages_.end())
        return false;
    const auto* overview = static_cast<const OverviewPage*>(found->second);
    return overview->tilesDone() == overview->itemCount();
}

bool MainWindow::idle() const
{
    const PictureView* view = pictureView();
    const bool overviewLoading = pages_.count(PageId::Overview) > 0 && !overviewComplete();
    return !overviewLoading && !(view && view->transitionRunning());
}

bool MainWindow::selectForScript(bool all, const std::vector<int>& indices)
{
    if (all) {
        selectAll();
        return true;
    }
    PictureList& list = lists_.current();
    for (const int index : indices)
        if (index < 0 || index >= list.count())
            return false;
    // In list order, as the overview hands its selected items on.
    std::vector<int> rows = indices;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    PathArray& selection = list.selection();
    selection.clear(false);
    for (const int row : rows)
        selection.append(list.entries().at(row));
    if (indices.empty()) {
        // The current picture stays; only the views learn that nothing is selected.
        for (const auto& [id, created] : pages_)
            created->currentPictureChanged();
        updateButtons();
        return true;
    }
    list.entries().setCurrentIndex(indices.front());
    currentPictureChanged();
    return true;
}

} // namespace vistello
