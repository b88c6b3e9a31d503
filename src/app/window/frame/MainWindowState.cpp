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
    state.lastPictureStyle = storedStyle(store, SettingsStore::name(setting::JpegMode), style::PictureStyles, style::Picture);
    state.lastMainStyle = storedStyle(store, SettingsStore::name(setting::JpegDisplayMode), style::Picture | style::Overview,
                                      style::Picture);
    // The window opens on the picture page or the overview; anything else
    // returns to the picture style used last.
    state.displayStyle = storedStyle(store, SettingsStore::name(setting::Screen), style::PictureStyles, state.lastPictureStyle);
    state.pictureOnly = store.get(setting::FullScreen);
    state.appFullScreen = store.get(setting::AppFullScreenMode);
    state.selectionViewVisible = store.get(setting::SelectionViewVisible);
    state.autoSelectionView = store.get(setting::AutoSelectionView);
    state.paneWidth = store.get(setting::SelectionViewWidth);
    state.paneWidthFullScreen = store.get(setting::SelectionViewWidthFullScreen);
    state.paneSplit = store.get(setting::SelectionViewHeight);
    state.paneSplitFullScreen = store.get(setting::SelectionViewHeightFullScreen);
    return state;
}

void storeMainWindowState(const MainWindowState& state, SettingsStore& store)
{
    store.setFlag(SettingsStore::name(setting::Screen), state.displayStyle);
    store.setFlag(SettingsStore::name(setting::JpegMode), state.lastPictureStyle);
    store.setFlag(SettingsStore::name(setting::JpegDisplayMode), state.lastMainStyle);
    store.set(setting::FullScreen, state.pictureOnly);
    store.set(setting::AppFullScreenMode, state.appFullScreen);
    store.set(setting::SelectionViewVisible, state.selectionViewVisible);
    store.set(setting::AutoSelectionView, state.autoSelectionView);
    store.set(setting::SelectionViewWidth, state.paneWidth);
    store.set(setting::SelectionViewWidthFullScreen, state.paneWidthFullScreen);
    store.set(setting::SelectionViewHeight, state.paneSplit);
    store.set(setting::SelectionViewHeightFullScreen, state.paneSplitFullScreen);
}

} // namespace vistello
