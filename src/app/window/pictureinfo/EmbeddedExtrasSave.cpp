#include "app/window/pictureinfo/EmbeddedExtrasSave.h"

#include "core/filetypes/PictureFileTypes.h"
#include "core/prompts/Prompts.h"
#include "imaging/decode/FormatHandler.h"
#include "jpegmeta/extras/EmbeddedSound.h"
#include "jpegmeta/segments/IccProfile.h"
#include "jpegmeta/segments/SavedMarkerReader.h"
#include "platform/FileReplace.h"
#include "resources/MetaStrings.h"
#include "resources/PublishStrings.h"

#include <QDir>
#include <QFileInfo>

namespace vistello {

namespace {

// The chosen file is written whole, never in place: a file the user agreed
// to overwrite is replaced (dated now), otherwise a new file must get the
// name. A failure is reported with the system's reason.
bool writeWhole(const QString& target, const QByteArray& bytes, Prompts& prompts)
{
    QString error;
    if (writeProductFile(target, bytes, &error))
        return true;
    QString text = strings::text(strings::kCannotCreate).arg(QDir::toNativeSeparators(target));
    if (!error.isEmpty())
        text += QLatin1Char('\n') + error;
    prompts.inform(QString(), text);
    return false;
}

} // namespace

std::optional<QByteArray> savableThumbnail(const QString& path)
{
    const PictureFileType* type = path.isEmpty() ? nullptr : PictureFileTypes::instance().typeOf(path);
    if (!type || !type->factory)
        return std::nullopt;
    const std::unique_ptr<FormatHandler> handler = type->factory();
    // A thumbnail handed over as pixels cannot be saved as it is.
    ThumbnailData thumbnail = handler ? handler->embeddedThumbnail(path, false) : ThumbnailData{};
    if (thumbnail.jpeg.isEmpty() || !thumbnail.pixels.empty())
        return std::nullopt;
    if (!thumbnail.jpeg.endsWith("\xFF\xD9"))
        thumbnail.jpeg.append("\xFF\xD9", 2);
    return thumbnail.jpeg;
}

std::optional<QByteArray> embeddedColourProfile(const QString& path)
{
    const std::optional<SavedMarkerList> markers = SavedMarkerList::read(path);
    if (!markers)
        return std::nullopt;
    return assembleIccProfile(markers->views());
}

std::optional<QByteArray> embeddedSound(const QString& path)
{
    return path.isEmpty() ? std::nullopt : extractEmbeddedSound(path);
}

QString thumbnailSaveName(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return (dot > slash ? path.left(dot) : path) + QStringLiteral("_t.jpg");
}

QString extraSaveName(const QString& path, const QString& suffix)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > 0 ? name.left(dot) : QString();
    return (stem.isEmpty() ? QStringLiteral("Vistello_LE") : stem) + suffix;
}

QString saveEmbeddedThumbnail(const QString& path, Prompts& prompts)
{
    const std::optional<QByteArray> thumbnail = savableThumbnail(path);
    if (!thumbnail)
        return {};
    const QString target = prompts.chooseSaveFile(
        {QString(), QStringLiteral("Jpeg (*.jpg;*.jpeg;*.jpe)|*.jpg;*.jpeg;*.jpe||"), QStringLiteral("jpg"),
         thumbnailSaveName(path)});
    return !target.isEmpty() && writeWhole(target, *thumbnail, prompts) ? target : QString();
}

QString saveEmbeddedSound(const QString& path, Prompts& prompts)
{
    const std::optional<QByteArray> sound = embeddedSound(path);
    if (!sound) {
        prompts.inform(QString(), strings::formatInserts(strings::text(strings::kNoEmbeddedAudio), {path}));
        return {};
    }
    const QString target = prompts.chooseSaveFile({QString(), QStringLiteral("Audio (*.wav) |*.wav||"),
                                                   QStringLiteral("wav"), extraSaveName(path, QStringLiteral(".wav"))});
    return !target.isEmpty() && writeWhole(target, *sound, prompts) ? target : QString();
}

QString saveColourProfile(const QString& path, Prompts& prompts)
{
    const std::optional<QByteArray> profile = embeddedColourProfile(path);
    if (!profile) {
        prompts.inform(QString(), strings::formatInserts(strings::text(strings::kNoColourProfile), {path}));
        return {};
    }
    const QString target = prompts.chooseSaveFile({QString(), strings::text(strings::kColourProfileFilter),
                                                   QStringLiteral("icm"), extraSaveName(path, QStringLiteral(".icm"))});
    return !target.isEmpty() && writeWhole(target, *profile, prompts) ? target : QString();
}

} // namespace vistello
