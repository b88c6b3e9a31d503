#pragma once
// What the main window does once its first picture list is shown: start the
// automatic display or give the folder tree the keyboard focus, and on the
// first run point at the folder tree with a balloon.
#include "app/startup/StartupOptions.h"

#include <QString>

namespace vistello {

class SettingsStore;

struct WindowStart {
    bool startAutoShow = false;   // "AutoShow": the automatic display starts at once
    bool focusFolderTree = false; // otherwise the folder tree takes the focus
    bool showFolderViewHint = false;
};

WindowStart decideWindowStart(const StartupOptions& options, SettingsStore& store);

// The first-run balloon at the folder tree.
inline constexpr int kFolderViewHintMs = 10000;
QString folderViewHintTitle();
QString folderViewHintText();

} // namespace vistello
