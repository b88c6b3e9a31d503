#include "jpegedit/resize/ResizePicture.h"

#include "core/filetypes/PictureFileTypes.h"
#include "core/settings/SettingsStore.h"
#include "jpegedit/originals/EncodedPlacement.h"
#include "jpegedit/resize/ResizeRules.h"

namespace vistello {

namespace {

ResizeResult failed(ResizeStatus status, const QString& target, const QString& message = {})
{
    ResizeResult result;
    result.status = status;
    result.targetPath = target;
    result.message = message;
    return result;
}

} // namespace

ResizeOptions resizeOptionsFrom(SettingsStore& settings, const PictureFileTypes& types, const ResizeSettings& record,
                                bool makeCopy)
{
    ResizeOptions options;
    options.request = resizeRequestFrom(validResizeSettings(record));
    options.request.autoRotate = settings.get(setting::Orientation);
    options.makeCopy = makeCopy;
    options.copyOriginal = settings.get(setting::CopyOriginal);
    for (const FormatListEntry& format : types.formats())
        if (format.writable && !format.formatName.isEmpty())
            options.formatOptions.insert(format.formatName,
                                         settings.getString(format.formatName + QStringLiteral("_property")));
    return options;
}

ResizeResult resizePicture(const PictureFileTypes& types, const QString& picture, const ResizeOptions& options)
{
    const PictureFileType* type = types.typeOf(picture);
    if (!type || !type->writable || !type->factory)
        return failed(ResizeStatus::NotWritable, picture);

    QString error;
    const std::optional<ResizeSource> source = loadForResize(picture, options.request, options.stopFlag, &error);
    if (!source)
        return failed(ResizeStatus::DecodeFailed, picture, error);
    std::unique_ptr<FormatHandler> writer = type->factory();
    writer->setProperties(options.formatOptions.value(type->formatName));
    ResizeEncoding encoding = encodeResized(*writer, *source, options.request, picture, options.trace);
    if (!encoding.chosen)
        return failed(ResizeStatus::WriteFailed, picture, encoding.error);

    const PlacedPicture placed =
        placeEncodedPicture(picture, encoding.chosen->encoded, options.makeCopy, options.copyOriginal);
    if (!placed.ok())
        return failed(placed.failure == PlacementFailure::Backup ? ResizeStatus::BackupFailed : ResizeStatus::WriteFailed,
                      placed.targetPath, placed.message);
    const QString& target = placed.targetPath;

    ResizeResult result;
    result.status = encoding.limitMet ? ResizeStatus::Written : ResizeStatus::LimitNotMet;
    result.targetPath = target;
    result.width = encoding.chosen->width;
    result.height = encoding.chosen->height;
    result.bytes = encoding.chosen->size();
    result.qualities = encoding.chosen->qualities;
    return result;
}

} // namespace vistello
