// The main window's search page: the search's results become the
// search-result list of the folder tree, shown when the user asks.
#include "ui/frame/MainWindow.h"

#include "app/window/frame/DisplayStyle.h"
#include "core/jobs/BackgroundJob.h"
#include "core/lists/PictureLists.h"
#include "ui/folders/FolderPaneController.h"
#include "ui/folders/FolderTree.h"
#include "ui/search/SearchController.h"
#include "ui/search/SearchPage.h"

#include <QStandardPaths>

namespace vistello {

WindowPage* MainWindow::createSearchPage()
{
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    auto* page = new SearchPage(pictures, this);
    using Kind = FolderTreeModel::ItemKind;
    new SearchController(*page, store_, lists_, prompts_, pictures,
                         {[this](std::unique_ptr<BackgroundJob> job) { startJob(std::move(job)); },
                          [this] {
                              if (state_.displayStyle == style::Search)
                                  setDisplayStyle(state_.lastPictureStyle);
                          },
                          [this] { currentPictureChanged(); },
                          [this] {
                              folderPane_->openList(Kind::SearchList);
                              folderTree_->showList(Kind::SearchList);
                          }});
    return page;
}

} // namespace vistello
