#include "app/window/options/OptionsRules.h"

#include "app/startup/ColourComponents.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/settings/SeasonalColours.h"
#include "core/settings/SettingsStore.h"
#include "core/settings/StringNormalization.h"
#include "resources/OptionsStrings.h"

#include <algorithm>

namespace vistello {
namespace {

constexpr int kOneDay = 86400;

const setting::IntKey& colourKey(ColourRow row)
{
    switch (row) {
    case ColourRow::Text: return setting::TextColor;
    case ColourRow::Background: return setting::BackgroundColor;
    case ColourRow::FullScreen: return setting::BackgroundColorFullScreen;
    }
    return setting::TextColor;
}

std::optional<int> backupOf(SettingsStore& store, const setting::IntKey& key)
{
    const QString backup = seasonalBackupKey(SettingsStore::name(key));
    if (backup.isEmpty() || !store.contains(backup))
        return std::nullopt;
    return store.getIntRaw(backup, 0);
}

void restoreColour(SettingsStore& store, const setting::IntKey& key, int colour, std::optional<int> backup)
{
    if (store.get(key) == colour && backupOf(store, key) == backup)
        return;
    store.set(key, colour); // drops the backup
    if (backup)
        store.setIntRaw(seasonalBackupKey(SettingsStore::name(key)), *backup);
}

} // namespace

int autoShowDelayFromField(int seconds)
{
    // 0 would run a 0-ms timer; the timer counts milliseconds in an int.
    return std::clamp(seconds, 1, kOneDay);
}

GeneralOptions readGeneral(SettingsStore& store, bool folderView)
{
    GeneralOptions o;
    o.autoShowDelay = store.get(setting::AutoShowDelay);
    o.folderView = folderView;
    o.audio = store.get(setting::PicturesWithAudio);
    o.transitions = store.get(setting::Transitions);
    o.transitionDelay = store.get(setting::TransitionsDelay);
    o.orientation = store.get(setting::Orientation);
    o.copyOriginal = store.get(setting::CopyOriginal);
    o.modifyThumbnail = store.get(setting::TransformModifyExifImage);
    o.makeCopy = store.get(setting::TransformMakeCopy);
    o.panoramaScroll = store.get(setting::PanoramaAutoScroll);
    o.panoramaSpeed = store.get(setting::PanoramaAutoScrollSpeed);
    return o;
}

OptionsEffects applyGeneral(const GeneralOptions& page, const GeneralOptions& remembered, SettingsStore& store)
{
    OptionsEffects effects;
    effects.refreshAll = page.orientation != remembered.orientation;
    store.set(setting::Orientation, page.orientation);
    store.set(setting::AutoShowDelay, autoShowDelayFromField(page.autoShowDelay));
    if (page.folderView != remembered.folderView)
        effects.folderView = page.folderView;
    const bool audioBefore = store.get(setting::PicturesWithAudio);
    store.set(setting::PicturesWithAudio, page.audio);
    if (audioBefore != page.audio)
        effects.refreshAll = true;
    effects.stopSound = !page.audio;
    store.set(setting::Transitions, page.transitions);
    store.set(setting::TransitionsDelay, page.transitionDelay);
    store.set(setting::PanoramaAutoScroll, page.panoramaScroll);
    store.set(setting::PanoramaAutoScrollSpeed, page.panoramaSpeed);
    store.set(setting::CopyOriginal, page.copyOriginal);
    store.set(setting::TransformModifyExifImage, page.modifyThumbnail);
    store.set(setting::TransformMakeCopy, page.makeCopy);
    effects.viewerSettings = true;
    return effects;
}

OptionsEffects restoreGeneral(const GeneralOptions& shown, const GeneralOptions& remembered, SettingsStore& store)
{
    store.set(setting::Transitions, remembered.transitions);
    store.set(setting::TransitionsDelay, remembered.transitionDelay);
    store.set(setting::PanoramaAutoScroll, remembered.panoramaScroll);
    store.set(setting::PanoramaAutoScrollSpeed, remembered.panoramaSpeed);
    store.set(setting::Orientation, remembered.orientation);
    store.set(setting::CopyOriginal, remembered.copyOriginal);
    OptionsEffects effects;
    if (shown.folderView != remembered.folderView)
        effects.folderView = remembered.folderView;
    return effects;
}

AdvancedOptions readAdvanced(SettingsStore& store)
{
    AdvancedOptions o;
    o.previewCache = store.get(setting::PreviewCacheSize);
    o.pictureCache = store.get(setting::PictureCacheSize);
    o.listExtension = store.get(setting::PictureListExtension);
    o.previewTooltip = store.get(setting::PreviewTooltip);
    o.splitLines = store.get(setting::ShowSplitLines);
    o.folderInfo = store.get(setting::ShellTreeJpegInfo);
    o.controlButtons = store.get(setting::ControlButtonsInFullscreen);
    o.pictureText = store.get(setting::PicturetextInFullscreen);
    o.userSelect = store.get(setting::UserSelect);
    return o;
}

ListExtensionCheck checkListExtension(const QString& fieldText, const PictureFileTypes& types)
{
    const QString extension =
        normalizeSettingString(SettingsStore::name(setting::PictureListExtension), fieldText.trimmed());
    // A registered extension would make every such picture of a folder read
    // as a list on each scan; kept originals are pictures too.
    const QString probe = QLatin1Char('x') + extension;
    if (types.typeOf(probe) || extension.compare(QLatin1String(".original"), Qt::CaseInsensitive) == 0)
        return {{}, strings::formatInserts(strings::text(strings::kListExtensionRefused), {extension})};
    return {extension, {}};
}

OptionsEffects applyAdvanced(const AdvancedOptions& page, const QString& openedExtension, SettingsStore& store,
                             PictureFileTypes& types)
{
    OptionsEffects effects;
    const ListExtensionCheck check = checkListExtension(page.listExtension, types);
    if (!check.refusal.isEmpty()) {
        effects.refusal = check.refusal;
        return effects;
    }
    store.set(setting::PreviewCacheSize, page.previewCache);
    store.set(setting::PictureCacheSize, page.pictureCache);
    store.set(setting::PictureListExtension, check.extension);
    types.setListExtension(check.extension);
    effects.extensionChanged = check.extension != openedExtension;
    store.set(setting::PreviewTooltip, page.previewTooltip);
    store.set(setting::ShowSplitLines, page.splitLines);
    store.set(setting::ShellTreeJpegInfo, page.folderInfo);
    store.set(setting::PicturetextInFullscreen, page.pictureText);
    store.set(setting::ControlButtonsInFullscreen, page.controlButtons);
    store.set(setting::UserSelect, page.userSelect);
    effects.frameFlags = true;
    effects.listViews = true;
    effects.viewerSettings = true;
    return effects;
}

OptionsEffects restoreAdvanced(const AdvancedOptions& remembered, SettingsStore& store)
{
    store.set(setting::ShowSplitLines, remembered.splitLines);
    store.set(setting::ShellTreeJpegInfo, remembered.folderInfo);
    store.set(setting::UserSelect, remembered.userSelect);
    OptionsEffects effects;
    effects.frameFlags = true;
    return effects;
}

ColourOptions readColours(SettingsStore& store)
{
    ColourOptions o;
    o.text = store.get(setting::TextColor);
    o.background = store.get(setting::BackgroundColor);
    o.fullScreen = store.get(setting::BackgroundColorFullScreen);
    o.textBackup = backupOf(store, setting::TextColor);
    o.backgroundBackup = backupOf(store, setting::BackgroundColor);
    o.fullScreenBackup = backupOf(store, setting::BackgroundColorFullScreen);
    return o;
}

ColourOptions chooseColour(ColourOptions current, ColourRow row, int colour, SettingsStore& store)
{
    (row == ColourRow::Text ? current.text : row == ColourRow::Background ? current.background : current.fullScreen) =
        colour;
    store.set(colourKey(row), colour);
    if (row != ColourRow::FullScreen && current.text == current.background) {
        current.text = inverseColour(current.background);
        store.set(setting::TextColor, current.text);
    }
    return readColours(store);
}

void restoreColours(const ColourOptions& remembered, SettingsStore& store)
{
    restoreColour(store, setting::TextColor, remembered.text, remembered.textBackup);
    restoreColour(store, setting::BackgroundColor, remembered.background, remembered.backgroundBackup);
    restoreColour(store, setting::BackgroundColorFullScreen, remembered.fullScreen, remembered.fullScreenBackup);
}

} // namespace vistello
