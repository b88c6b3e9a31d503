#include "jpegedit/resize/ResizePicture.h"

#include "core/filetypes/PictureFileTypes.h"
#include "core/settings/SettingsStore.h"
#include "jpegedit/originals/CopyName.h"
#include "jpegedit/originals/OriginalBackup.h"
#include "jpegedit/resize/ResizeRules.h"
#include "platform/FileReplace.h"

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

    const QString target = options.makeCopy ? makeCopyName(picture, true) : picture;
    if (target.isEmpty())
        return failed(ResizeStatus::WriteFailed, picture, QStringLiteral("No free name for a copy"));
    if (!options.makeCopy && !backUpOriginalIfWanted(picture, options.copyOriginal))
        return failed(ResizeStatus::BackupFailed, picture);
    const EncodedPicture& encoded = encoding.chosen->encoded;
    const std::optional<QDateTime> modified = encoded.modified.isValid() ? std::optional(encoded.modified) : std::nullopt;
    NewFileAttributes attributes;
    if (modified)
        attributes.modificationTime = NewFileAttributes::at(*modified);
    // A copy takes a free name and never replaces a file that took it meanwhile.
    const bool written = options.makeCopy ? createNewFile(target, encoded.bytes, &error, attributes)
                                          : replaceFileKeepingTimes(target, encoded.bytes, &error, modified);
    if (!written)
        return failed(ResizeStatus::WriteFailed, target, error);

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
