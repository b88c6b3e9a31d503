#include "app/window/viewer/TurnConfirmation.h"

#include "app/window/viewer/ViewerButtons.h"
#include "core/settings/SettingsStore.h"

#include <QFileInfo>

namespace vistello {

namespace {

const QString kModifyThumbnail = QStringLiteral("Modify thumbnail image");
const QString kModifyThumbnailTip = QStringLiteral(
    "If the thumbnail image overlaps with Makernote information, the thumbnail will be inserted in the existing "
    "EXIF-Header. If necessary the thumbnail image will be cropped at the right/bottom side to fit in.");
const QString kMakeCopy = QStringLiteral("Make copy");
const QString kMakeCopyTip = QStringLiteral(
    "Click here to save the changed picture as a copy. the original will be changed if you deactivate this function.");

} // namespace

QString turnCommandName(int command)
{
    switch (command) {
    case viewer::RotateRight: return QStringLiteral("Rotate right");
    case viewer::RotateLeft: return QStringLiteral("Rotate left");
    case viewer::FlipHorizontal: return QStringLiteral("Flip horizontal");
    case viewer::FlipVertical: return QStringLiteral("Flip vertical");
    case viewer::MainDiagonal: return QStringLiteral("Mirror along the main diagonal");
    case viewer::SubDiagonal: return QStringLiteral("Mirror along the sub diagonal");
    case viewer::Greyscale: return QStringLiteral("Greyscale");
    case viewer::AutoRotate: return QStringLiteral("Auto rotate");
    default: return {};
    }
}

PromptQuestion turnQuestion(int command, const QString& path, const TurnChoice& shown)
{
    PromptQuestion question;
    question.title = turnCommandName(command);
    question.text = QStringLiteral("Change the picture \"%1\"?").arg(QFileInfo(path).fileName());
    question.buttons = PromptButtons::OkCancel;
    question.defaultAnswer = PromptAnswer::Ok;
    question.checkBoxes = {{kModifyThumbnail, kModifyThumbnailTip, shown.adjustThumbnails},
                           {kMakeCopy, kMakeCopyTip, shown.makeCopy}};
    return question;
}

std::optional<TurnChoice> askTurn(Prompts& prompts, SettingsStore& settings, int command, const QString& path)
{
    const TurnChoice stored{settings.get(setting::TransformModifyExifImage), settings.get(setting::TransformMakeCopy)};
    const PromptReply reply = prompts.ask(turnQuestion(command, path, stored));
    if (reply.answer != PromptAnswer::Ok || reply.checkBoxStates.size() != 2)
        return std::nullopt;
    const TurnChoice chosen{reply.checkBoxStates[0], reply.checkBoxStates[1]};
    settings.set(setting::TransformModifyExifImage, chosen.adjustThumbnails);
    settings.set(setting::TransformMakeCopy, chosen.makeCopy);
    return chosen;
}

std::optional<PictureTransformResult> turnPicture(Prompts& prompts, SettingsStore& settings, int command,
                                                  const QString& path, const FileSteps& steps)
{
    PictureTransformOptions options;
    options.autoRotate = command == viewer::AutoRotate;
    if (!options.autoRotate) {
        const std::optional<TransformRequest> request = losslessRequest(command);
        if (!request)
            return std::nullopt;
        options.request = *request;
    }
    const std::optional<TurnChoice> choice = askTurn(prompts, settings, command, path);
    if (!choice)
        return std::nullopt;
    options.request.adjustThumbnails = choice->adjustThumbnails;
    options.makeCopy = choice->makeCopy;
    options.copyOriginal = settings.get(setting::CopyOriginal);
    options.removeFailedCopy = true; // a single picture's copy goes with its failed change
    return transformPicture(path, options, steps);
}

} // namespace vistello
