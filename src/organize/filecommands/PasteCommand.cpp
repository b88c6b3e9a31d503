#include "organize/filecommands/FileCommands.h"

#include "core/filetypes/PictureFileTypes.h"
#include "core/prompts/Prompts.h"
#include "core/settings/SettingsStore.h"
#include "imaging/decode/FormatHandler.h"
#include "imaging/decode/PictureWriteRequest.h"
#include "imaging/scale/PixelBuffer.h"
#include "resources/OrganizeStrings.h"

#include <QFileInfo>
#include <cstring>

namespace vistello {

namespace {

const QString kPasteName = QStringLiteral("PasteFromClipboardName");

PixelBuffer pixelsOf(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    PixelBuffer pixels;
    pixels.width = rgb.width();
    pixels.height = rgb.height();
    pixels.data = std::make_unique<std::uint8_t[]>(pixels.byteCount());
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(pixels.data.get() + std::size_t(y) * pixels.rowBytes(), rgb.constScanLine(y), pixels.rowBytes());
    return pixels;
}

bool writeNewPicture(const QString& path, const PixelBuffer& pixels)
{
    const PictureFileType* type = PictureFileTypes::instance().typeOf(path);
    if (!type || !type->writable || !type->factory)
        return false;
    const std::unique_ptr<FormatHandler> handler = type->factory();
    PictureWriteRequest request;
    request.path = path;
    request.pixels = &pixels;
    return handler && handler->writePicture(request);
}

} // namespace

QString nextPasteName(const QString& name)
{
    int end = int(name.size());
    while (end > 0 && !name.at(end - 1).isDigit())
        --end;
    int start = end;
    while (start > 0 && name.at(start - 1).isDigit())
        --start;
    if (start == end)
        return name;
    // Count up digit by digit, so that no run is too long for a number.
    QString digits = name.mid(start, end - start);
    int i = int(digits.size()) - 1;
    for (; i >= 0 && digits.at(i) == u'9'; --i)
        digits[i] = u'0';
    if (i >= 0)
        digits[i] = QChar(digits.at(i).unicode() + 1);
    else
        digits.prepend(u'1');
    return name.left(start) + digits + name.mid(end);
}

bool FileCommands::pasteFromClipboard(const QImage& image, const QString& folder)
{
    if (image.isNull() || image.width() <= 0 || image.height() <= 0) {
        c_.prompts.inform(QString(), strings::text(strings::kNoClipboardPicture));
        return false;
    }
    const QString suggested = nextPasteName(c_.settings.getString(kPasteName, QStringLiteral("Picture0")));
    FileChoice choice{QString(), PictureFileTypes::instance().writeFilter(), QStringLiteral("jpg"),
                      (folder.endsWith(u'/') ? folder : folder + u'/') + suggested};
    QString path = c_.prompts.chooseSaveFile(choice);
    if (path.isEmpty())
        return false;
    c_.settings.setString(kPasteName, QFileInfo(path).completeBaseName());
    // A name no format can write becomes a JPEG; that name was not the one
    // the dialog asked about, so it is asked again.
    while (!PictureFileTypes::instance().isWritableFormat(path)) {
        path += QStringLiteral(".jpg");
        if (!QFileInfo::exists(path))
            break;
        choice.proposedPath = path;
        path = c_.prompts.chooseSaveFile(choice);
        if (path.isEmpty())
            return false;
    }
    if (!writeNewPicture(path, pixelsOf(image))) {
        c_.prompts.inform(QString(), strings::formatInserts(strings::text(strings::kPastedPictureNotWritten), {path}));
        return false;
    }
    addPicture(path, true);
    return true;
}

} // namespace vistello
