#include "ui/viewer/ViewerController.h"

#include "app/window/frame/CommandIds.h"
#include "app/window/frame/SettingColour.h"
#include "app/window/viewer/ColourMeasure.h"
#include "app/window/viewer/TurnConfirmation.h"
#include "app/window/viewer/ViewerKeys.h"
#include "app/window/viewer/ViewerMouse.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/PictureLists.h"
#include "core/prompts/Prompts.h"
#include "core/settings/SettingsStore.h"
#include "imaging/decode/DecodedPicture.h"
#include "media/SoundPlayer.h"
#include "organize/comments/CommentStore.h"
#include "organize/filecommands/FileCommands.h"
#include "platform/MediaSupport.h"
#include "ui/pictureinfo/PictureDataPage.h"
#include "ui/strip/PreviewStrip.h"
#include "ui/taskpane/JpegOptionsDialog.h"
#include "ui/viewer/AutoShowController.h"
#include "ui/viewer/CropModeController.h"
#include "ui/viewer/PicturePage.h"
#include "ui/viewer/PictureView.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace vistello {

ViewerController::ViewerController(SettingsStore& store, Prompts& prompts, PictureLists& lists, FileCommands& files,
                                   AutoShowController& autoShow, ViewerHost host, QObject* parent)
    : QObject(parent)
    , store_(store)
    , prompts_(prompts)
    , lists_(lists)
    , files_(files)
    , autoShow_(autoShow)
    , host_(std::move(host))
    , crop_(new CropModeController(store, prompts, files,
                                   {host_.openCropPage, host_.closeCropPage, host_.currentPictureChanged,
                                    host_.updateButtons},
                                   this))
{
}

void ViewerController::applySettings(PictureView& view)
{
    ViewerSettings settings;
    settings.infoBoxState = store_.get(setting::ExifInfoInPicture);
    settings.textInPictureOnly = store_.get(setting::PicturetextInFullscreen);
    settings.buttonsInPictureOnly = store_.get(setting::ControlButtonsInFullscreen);
    settings.textColour = settingColour(store_.get(setting::TextColor), Qt::black);
    settings.transitions = store_.get(setting::Transitions);
    settings.transitionDelay = store_.get(setting::TransitionsDelay);
    settings.panoramaAutoScroll = store_.get(setting::PanoramaAutoScroll);
    settings.panoramaSpeed = store_.get(setting::PanoramaAutoScrollSpeed);
    settings.antiAlias = store_.get(setting::AntiAliasResizing);
    settings.autoRotate = store_.get(setting::Orientation);
    settings.cacheSize = store_.get(setting::PictureCacheSize);
    view.setSettings(settings);
}

void ViewerController::attach(PicturePage& page)
{
    PictureView* view = page.view();
    view->setCommentSource([](const QString& path) { return CommentStore::instance().get(path); });
    applySettings(*view);
    connect(view, &PictureView::scrolled, &autoShow_, &AutoShowController::restartDelay);
    connect(view, &PictureView::commandChosen, this, &ViewerController::command);
    connect(view, &PictureView::stepRequested, this, [this](int delta) {
        host_.runCommand(delta > 0 ? command::NextPicture : command::PreviousPicture);
    });
    PreviewStrip* strip = page.previewStrip();
    connect(view, &PictureView::stripFocusRequested, strip,
            [strip](int delta) { strip->handleKey(delta > 0 ? Qt::Key_Right : Qt::Key_Left); });
    connect(view, &PictureView::infoBoxStateChanged, this,
            [this](int state) { store_.set(setting::ExifInfoInPicture, state); });
    connect(view, &PictureView::coloursMeasured, this, &ViewerController::coloursMeasured);
    page.pictureData()->setServices(prompts_, store_);
    connect(page.pictureData(), &PictureDataPage::pictureRewritten, this,
            [this](const QString& path) { files_.pictureChanged(path); });
}

bool ViewerController::key(const QKeyEvent& key, const std::function<bool(int)>& pageKey)
{
    PictureView* view = host_.shownView();
    if (!view)
        return false;
    view->finishTransition();
    view->startKeyClock();
    const ViewerKeyContext context{host_.pictureOnly(), view->zoomOn(), key.isAutoRepeat()};
    const ViewerKey action = viewerKey(key.keyCombination(), context);
    // While the preview strip is shown these keys move its focus only.
    if ((action == ViewerKey::FocusNext || action == ViewerKey::FocusPrevious) && pageKey(key.key()))
        return true;
    switch (action) {
    case ViewerKey::ZoomIn: view->zoomIn(); return true;
    case ViewerKey::ZoomOut: view->zoomOut(); return true;
    case ViewerKey::MoveDown: view->moveZoomed({0, ZoomView::kMoveStep}); return true;
    case ViewerKey::MoveUp: view->moveZoomed({0, -ZoomView::kMoveStep}); return true;
    case ViewerKey::MoveRight: view->moveZoomed({ZoomView::kMoveStep, 0}); return true;
    case ViewerKey::MoveLeft: view->moveZoomed({-ZoomView::kMoveStep, 0}); return true;
    case ViewerKey::Ignore: return key.isAutoRepeat(); // a held key steps once per press
    case ViewerKey::ShowNext:
    case ViewerKey::FocusNext: // no strip: the shown picture steps
        host_.runCommand(command::NextPicture);
        return true;
    case ViewerKey::ShowPrevious:
    case ViewerKey::FocusPrevious:
        host_.runCommand(command::PreviousPicture);
        return true;
    case ViewerKey::ShowFirst:
        if (lists_.current().count() > 0) {
            lists_.current().entries().setCurrentIndex(0);
            host_.currentPictureChanged();
        }
        return true;
    default: return false;
    }
}

void ViewerController::command(int id, bool withCtrl)
{
    PictureView* view = host_.shownView();
    if (!view)
        return;
    if (losslessRequest(id)) {
        if (withCtrl)
            view->editInMemory(id);
        else
            transformShownPicture(id);
        return;
    }
    switch (id) {
    case command::Invert:
    case command::ColourMosaic: view->editInMemory(id); break;
    case command::InfoBox: view->cycleInfoBox(); break;
    case command::ZoomMode: view->toggleZoom(); break;
    case viewer::AutoRotate: transformShownPicture(id); break;
    case viewer::Crop: crop_->toggle(view); break;
    case viewer::Delete: deleteShownPicture(); break;
    case viewer::RestoreOriginal: restoreShownPicture(); break;
    case viewer::BackToNormal: host_.runCommand(command::PictureOnly); break;
    case viewer::StopShow: autoShow_.stop(); break;
    case viewer::EnableZoom:
    case viewer::DisableZoom: view->toggleZoom(); break;
    case viewer::ZoomIn: view->zoomIn(); break;
    case viewer::ZoomOut: view->zoomOut(); break;
    case viewer::MoveDown: view->moveZoomed({0, ZoomView::kMoveStep}); break;
    case viewer::MoveUp: view->moveZoomed({0, -ZoomView::kMoveStep}); break;
    case viewer::MoveRight: view->moveZoomed({ZoomView::kMoveStep, 0}); break;
    case viewer::MoveLeft: view->moveZoomed({-ZoomView::kMoveStep, 0}); break;
    case kFormatSettingsCommand:
        if (const PictureFileType* type = PictureFileTypes::instance().typeOf(view->path()))
            editFormatSettings(view, store_, PictureFileTypes::instance(), type->formatName);
        break;
    default: break;
    }
}

void ViewerController::transformShownPicture(int id)
{
    PictureView* view = host_.shownView();
    if (!view || !view->pictureOk())
        return;
    const QString path = view->path();
    const std::optional<PictureTransformResult> result = turnPicture(prompts_, store_, id, path);
    if (!result)
        return; // cancelled: nothing changed
    if (!result->ok() && !result->skipped)
        prompts_.inform(QString::fromLatin1(SettingsStore::kProductName),
                        result->outcome.libraryMessage.isEmpty() ? path : result->outcome.libraryMessage);
    if (result->ok() && result->writtenPath != path) {
        // The turned copy joins the list and is shown; the picture is as it was.
        files_.resultWritten(result->writtenPath, 1);
        host_.currentPictureChanged();
    } else {
        // Every view, the caches and the folder tree learn that the file changed.
        files_.pictureChanged(path);
    }
    host_.updateButtons();
}

void ViewerController::deleteShownPicture()
{
    const PictureView* view = host_.shownView();
    const bool ctrlHeld = QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier;
    if (view && files_.deletePicture(view->path(), ctrlHeld))
        host_.currentPictureChanged();
}

void ViewerController::restoreShownPicture()
{
    if (const PictureView* view = host_.shownView())
        files_.restoreOriginalOf(view->path()); // tells the views itself
    host_.updateButtons();
}

void ViewerController::coloursMeasured(const ColourAverages& averages)
{
    if (!offerRawMultipliers(prompts_, store_, averages))
        return;
    clearEverywhere(); // raw pictures decode with the new multipliers
    if (PictureView* view = host_.shownView())
        view->reload();
}

void ViewerController::playSoundOfShownPicture()
{
    if (const PictureView* view = host_.shownView())
        playSoundOf(view->path());
}

// One rule for the viewer and the overview: a picture's sound starts once, and stops the one playing.
void ViewerController::playSoundOf(const QString& path)
{
    const SoundPlan plan = soundRule_.pictureShown(path, store_.get(setting::PicturesWithAudio));
    if (plan.stopPlaying && soundPlayer_)
        soundPlayer_->stop();
    if (!plan.plays() || !mediaPlaybackAvailable())
        return;
    if (!soundPlayer_)
        soundPlayer_ = new SoundPlayer(this);
    if (!plan.file.isEmpty())
        soundPlayer_->playFile(plan.file);
    else
        soundPlayer_->playData(plan.data);
}

void ViewerController::stopSound()
{
    if (soundPlayer_)
        soundPlayer_->stop();
}

bool ViewerController::soundPlaying() const
{
    return soundPlayer_ && soundPlayer_->playing();
}

} // namespace vistello
