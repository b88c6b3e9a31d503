#include "ui/overview/OverviewStripController.h"

#include "app/window/frame/AutoFolderView.h"
#include "app/window/frame/MainWindowState.h"
#include "app/window/strip/ViewColours.h"
#include "core/lists/PictureLists.h"
#include "core/settings/SettingsStore.h"
#include "ui/overview/OverviewPage.h"
#include "ui/strip/PictureExtrasMenu.h"
#include "ui/strip/PreviewStrip.h"

#include <QWidget>

namespace vistello {

namespace {

QColor textColour(SettingsStore& store)
{
    const QColor background = colourSetting(store.get(setting::BackgroundColor), Qt::white);
    return viewTextColour(store.get(setting::TextColor), background);
}

} // namespace

OverviewStripController::OverviewStripController(QWidget& window, SettingsStore& store, PictureLists& lists,
                                                 Prompts& prompts, const MainWindowState& state, ListViewHooks hooks)
    : QObject(&window)
    , window_(window)
    , store_(store)
    , lists_(lists)
    , prompts_(prompts)
    , state_(state)
    , hooks_(std::move(hooks))
{
}

void OverviewStripController::setUpStrip(PreviewStrip& strip)
{
    strip.setUserSelect(store_.get(setting::UserSelect));
    strip.setToolTips(store_.get(setting::PreviewTooltip));
    strip.setSoundMarks(store_.get(setting::PicturesWithAudio));
    strip.setCacheSize(store_.get(setting::PreviewCacheSize));
    strip.setDragAllowed(hooks_.dragAllowed);
    strip.setTextColour(textColour(store_));
    connect(&strip, &PreviewStrip::extrasMenuRequested, this, &OverviewStripController::showPictureExtrasMenu);
    connect(&strip, &PreviewStrip::pointerMoved, this, &OverviewStripController::pointerInList);
    connect(&strip, &PreviewStrip::pictureHovered, this, [this](const QString& path) { hooks_.pictureHovered(path); });
}

void OverviewStripController::setUpOverview(OverviewPage& overview)
{
    connect(&overview, &OverviewPage::pictureChosen, this, [this](int index) { hooks_.showPicture(index); });
    connect(&overview, &OverviewPage::pictureOpened, this, [this](int index) { hooks_.openPicture(index); });
    overview.setCaptionSource(hooks_.caption);
    overview.setDragAllowed(hooks_.dragAllowed);
    overview.setTextColour(textColour(store_));
    overview.setMediaMarks(store_.get(setting::PicturesWithAudio));
    overview.useSharedThumbnails(store_.get(setting::WriteSharedThumbnails));
    connect(&overview, &OverviewPage::back, this, [this] { hooks_.back(); });
    connect(&overview, &OverviewPage::pictureClickedAlone, this, &OverviewStripController::pictureSoundFor);
    connect(&overview, &OverviewPage::pointerMoved, this, &OverviewStripController::pointerInList);
    connect(&overview, &OverviewPage::selectionTaken, this, [this] { hooks_.selectionChanged(); });
    connect(&overview, &OverviewPage::pictureHovered, this, [this](const QString& path) { hooks_.pictureHovered(path); });
}

void OverviewStripController::showPictureExtrasMenu(const QString& path, QPoint globalPos)
{
    const QString saved = execPictureExtrasMenu(&window_, globalPos, path, prompts_);
    if (saved.isEmpty())
        return;
    lists_.current().addPicture(saved, true);
    hooks_.currentPictureChanged();
}

void OverviewStripController::pictureSoundFor(int index)
{
    const PathArray& entries = lists_.current().entries();
    if (index >= 0 && index < entries.count())
        hooks_.playSoundOf(entries.at(index));
}

void OverviewStripController::pointerInList(int x)
{
    const AutoFolderViewContext context{state_.autoSelectionView, state_.pictureOnly, lists_.current().count() == 0,
                                        state_.selectionViewVisible};
    switch (autoFolderView(x, context)) {
    case AutoPane::Show: hooks_.setSelectionViewVisible(true); break;
    case AutoPane::Hide: hooks_.setSelectionViewVisible(false); break;
    case AutoPane::Keep: break;
    }
}

} // namespace vistello
