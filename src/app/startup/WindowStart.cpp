#include "app/startup/WindowStart.h"

#include "core/settings/SettingsStore.h"

namespace vistello {

WindowStart decideWindowStart(const StartupOptions& options, SettingsStore& store)
{
    WindowStart start;
    start.startAutoShow = store.get(setting::AutoShow);
    start.focusFolderTree = !start.startAutoShow;
    // A single picture opens its folder already: no need to point at the tree.
    start.showFolderViewHint = options.showFirstRunHints && options.commandLinePictures.size() != 1;
    return start;
}

QString folderViewHintTitle()
{
    return QStringLiteral("Folder view");
}

QString folderViewHintText()
{
    return QStringLiteral("Click on a folder to display the pictures\nin this folder. Click the '+' symbol\n"
                          "to display sub folders.");
}

} // namespace vistello
