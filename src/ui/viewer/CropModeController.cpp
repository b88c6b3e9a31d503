#include "ui/viewer/CropModeController.h"

#include "app/window/taskpane/CropPageRules.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/prompts/Prompts.h"
#include "core/settings/SettingKeys.h"
#include "core/settings/SettingsStore.h"
#include "imaging/decode/BuiltInFormats.h"
#include "imaging/decode/FormatHandler.h"
#include "jpegedit/crop/CropExecution.h"
#include "organize/filecommands/FileCommands.h"
#include "platform/WriteProtection.h"
#include "resources/EditStrings.h"
#include "ui/taskpane/CropPage.h"
#include "ui/viewer/PictureView.h"

#include <QApplication>

namespace vistello {

CropModeController::CropModeController(SettingsStore& store, Prompts& prompts, FileCommands& files,
                                       CropModeHost host, QObject* parent)
    : QObject(parent)
    , store_(store)
    , prompts_(prompts)
    , files_(files)
    , host_(std::move(host))
{
}

void CropModeController::toggle(PictureView* view)
{
    if (view_ && view_->cropOn())
        leave(page_ && page_->applying());
    else if (view)
        enter(view);
}

void CropModeController::enter(PictureView* view)
{
    const QString path = view->path();
    if (!view->pictureOk() || path.isEmpty() || isWriteProtected(path))
        return;
    std::unique_ptr<FormatHandler> handler = createFormatHandler(PictureFileTypes::instance(), path);
    if (!handler)
        return;
    handler->readHeader(path);
    if (!handler->valid || handler->imageWidth < 1 || handler->imageHeight < 1)
        return;
    const CropFrame frame =
        CropFrame{handler->imageWidth, handler->imageHeight, handler->mcuWidth, handler->mcuHeight}.sanitised();
    ratio_ = CropRatio{store_.get(setting::CropAspectRatio), store_.get(setting::CropAspectRatioZ),
                       store_.get(setting::CropAspectRatioN)}
                 .clamped();
    CropSelection selection;
    if (ratio_.locked) {
        ratio_ = turnedToShape(ratio_, frame.width, frame.height);
        selection = startingSelection(frame, ratio_, nullptr);
    } else {
        CropSelection stored;
        selection = startingSelection(frame, ratio_, loadCropRect(store_, stored) ? &stored : nullptr);
    }
    view->enterCrop(frame, ratio_, selection);
    if (!view->cropOn())
        return;
    view_ = view;
    connect(view, &PictureView::cropSelectionChanged, this, &CropModeController::viewerSelection,
            Qt::UniqueConnection);
    connect(view, &PictureView::cropApplyRequested, this, &CropModeController::applyFromViewer, Qt::UniqueConnection);
    connect(view, &PictureView::cropPictureChanged, this, &CropModeController::pictureChanged,
            Qt::UniqueConnection);
    connect(view, &PictureView::cropCancelRequested, this, &CropModeController::cancelFromViewer,
            Qt::UniqueConnection);
    page_ = host_.openPage ? host_.openPage() : nullptr;
    if (page_) {
        page_->start(frame, ratio_, view->cropTracker().selection());
        connect(page_, &CropPage::edited, this, &CropModeController::pageEdited);
        connect(page_, &CropPage::applyRequested, this, [this] { leave(true); });
        connect(page_, &CropPage::cancelRequested, this, [this] { leave(false); });
    }
}

void CropModeController::leave(bool apply)
{
    if (!view_ || !view_->cropOn())
        return;
    const QString path = view_->path();
    const CropSelection selection = view_->cropTracker().selection();
    view_->leaveCrop();
    store_.set(setting::CropAspectRatio, ratio_.locked);
    store_.set(setting::CropAspectRatioZ, ratio_.z);
    store_.set(setting::CropAspectRatioN, ratio_.n);
    if (page_) {
        page_->disconnect(this);
        page_ = nullptr;
        if (host_.closePage)
            host_.closePage();
    }
    if (apply)
        execute(path, selection);
    if (host_.updateButtons)
        host_.updateButtons();
}

void CropModeController::execute(const QString& path, const CropSelection& selection)
{
    CropRun run;
    run.selection = selection;
    run.makeCopy = store_.get(setting::CropMakeCopy);
    run.copyOriginal = store_.get(setting::CopyOriginal);
    run.adjustThumbnails = store_.get(setting::CropModifyExifImage);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const PictureTransformResult result = executeCrop(path, run);
    QApplication::restoreOverrideCursor();
    storeCropRect(store_, selection); // kept even when the crop failed
    if (result.outcome.failure == TransformFailure::WriteProtected)
        prompts_.inform(QString::fromLatin1(SettingsStore::kProductName), strings::text(strings::kCropWriteProtected));
    if (!result.ok())
        return;
    if (result.writtenPath != path) {
        files_.addPicture(result.writtenPath, true);
        if (host_.currentPictureChanged)
            host_.currentPictureChanged();
    } else {
        files_.pictureChanged(path);
    }
}

void CropModeController::applyFromViewer()
{
    leave(true);
}

void CropModeController::cancelFromViewer()
{
    leave(false);
}

void CropModeController::viewerSelection(const CropSelection& selection)
{
    if (page_)
        page_->fromViewer(selection);
}

void CropModeController::pageEdited(const CropSelection& selection, const CropRatio& ratio)
{
    ratio_ = ratio;
    if (view_)
        view_->setCrop(selection, ratio);
}

void CropModeController::pictureChanged()
{
    if (page_) {
        page_->disconnect(this);
        page_ = nullptr;
    }
    // The new picture gets its own starting selection and a fresh page;
    // one that cannot be cropped ends crop mode.
    if (view_)
        enter(view_);
    if (!page_ && host_.closePage)
        host_.closePage();
}

} // namespace vistello
