#include "app/window/frame/MainWindowState.h"

#include "app/window/frame/DisplayStyle.h"
#include "core/settings/SettingsStore.h"

namespace vistello {

namespace {

// A stored style inside `allowed`, else the fallback.
uint64_t storedStyle(SettingsStore& store, const QString& key, uint64_t allowed, uint64_t fallback)
{
    const uint64_t mask = store.getFlag(key, fallback);
    return style::isKnown(mask) && (mask & allowed) ? mask : fallback;
}

} // namespace

int MainWindowState::leftPaneWidth() const
{
    if (pictureOnly || !selectionViewVisible)
        return 0;
    return appFullScreen ? paneWidthFullScreen : paneWidth;
}

MainWindowState loadMainWindowState(SettingsStore& store)
{
    MainWindowState state;
    state.lastPictureStyle = storedStyle(store, QStringLiteral("JpegMode"), style::PictureStyles, style::Picture);
    state.lastMainStyle = storedStyle(store, QStringLiteral("JpegDisplayMode"), style::Picture | style::Overview,
                                      style::Picture);
    // The window opens on the picture page or the overview; anything else
    // returns to the picture style used last.
    state.displayStyle = storedStyle(store, QStringLiteral("Screen"), style::PictureStyles, state.lastPictureStyle);
    state.pictureOnly = store.getBool(QStringLiteral("FullScreen"), false);
    state.appFullScreen = store.getBool(QStringLiteral("AppFullScreenMode"), false);
    state.selectionViewVisible = store.getBool(QStringLiteral("SelectionViewVisible"), true);
    state.autoSelectionView = store.getBool(QStringLiteral("AutoSelectionView"), false);
    state.paneWidth = store.getInt(QStringLiteral("SelectionViewWidth"), 200);
    state.paneWidthFullScreen = store.getInt(QStringLiteral("SelectionViewWidthFullScreen"), 200);
    state.paneSplit = store.getInt(QStringLiteral("SelectionViewHeight"), 5000);
    state.paneSplitFullScreen = store.getInt(QStringLiteral("SelectionViewHeightFullScreen"), 5000);
    return state;
}

void storeMainWindowState(const MainWindowState& state, SettingsStore& store)
{
    store.setFlag(QStringLiteral("Screen"), state.displayStyle);
    store.setFlag(QStringLiteral("JpegMode"), state.lastPictureStyle);
    store.setFlag(QStringLiteral("JpegDisplayMode"), state.lastMainStyle);
    store.setBool(QStringLiteral("FullScreen"), state.pictureOnly);
    store.setBool(QStringLiteral("AppFullScreenMode"), state.appFullScreen);
    store.setBool(QStringLiteral("SelectionViewVisible"), state.selectionViewVisible);
    store.setBool(QStringLiteral("AutoSelectionView"), state.autoSelectionView);
    store.setInt(QStringLiteral("SelectionViewWidth"), state.paneWidth);
    store.setInt(QStringLiteral("SelectionViewWidthFullScreen"), state.paneWidthFullScreen);
    store.setInt(QStringLiteral("SelectionViewHeight"), state.paneSplit);
    store.setInt(QStringLiteral("SelectionViewHeightFullScreen"), state.paneSplitFullScreen);
}

} // namespace vistello
