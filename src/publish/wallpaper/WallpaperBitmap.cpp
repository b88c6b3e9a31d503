#include "publish/wallpaper/WallpaperBitmap.h"

#include "imaging/decode/BmpHandler.h"
#include "jpegedit/resize/ResizeOperation.h"
#include "platform/FileReplace.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

namespace vistello {

namespace {

// A few tries are plenty: the random part makes a clash all but impossible.
constexpr int kNameTries = 8;

} // namespace

std::optional<PixelBuffer> wallpaperPixels(const QString& picture, QSize screen, bool autoRotate, QString* error)
{
    ResizeRequest request;
    request.boxWidth = screen.width();
    request.boxHeight = screen.height();
    request.luminanceQuality = 90;
    request.chrominanceQuality = 90;
    request.upright = true;
    request.autoRotate = autoRotate;
    std::optional<ResizeSource> source = loadForResize(picture, request, nullptr, error);
    if (!source)
        return std::nullopt;
    return std::move(source->pixels);
}

QString freshWallpaperPath(const QString& folder)
{
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmsszzz"));
    for (;;) {
        const QString random = QString::number(QRandomGenerator::global()->generate(), 16).rightJustified(8, QLatin1Char('0'));
        const QString path = folder + QLatin1String(kWallpaperPrefix) + stamp + QLatin1Char('_') + random
                             + QStringLiteral(".bmp");
        if (!QFileInfo::exists(path))
            return path;
    }
}

std::optional<QString> writeWallpaperBitmap(const PixelBuffer& pixels, const QString& folder, QString* error)
{
    const std::optional<QByteArray> bmp = encodeBmp(pixels);
    if (!bmp) {
        if (error)
            *error = QStringLiteral("The picture is too large for a BMP file");
        return std::nullopt;
    }
    QString reason;
    for (int attempt = 0; attempt < kNameTries; ++attempt) {
        // A file that takes the name meanwhile is kept: then another name is tried.
        const QString path = freshWallpaperPath(folder);
        if (createNewFile(path, *bmp, &reason))
            return path;
        if (QFileInfo::exists(path))
            continue;
        break;
    }
    if (error)
        *error = QStringLiteral("The wallpaper file could not be written in \"%1\": %2").arg(folder, reason);
    return std::nullopt;
}

QStringList wallpaperBitmapsIn(const QString& folder)
{
    if (folder.isEmpty())
        return {};
    const QDir dir(folder);
    QStringList paths;
    const QString pattern = QLatin1String(kWallpaperPrefix) + QStringLiteral("*.bmp");
    for (const QFileInfo& file : dir.entryInfoList({pattern}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name))
        if (!file.isSymLink() && file.isFile())
            paths << file.absoluteFilePath();
    return paths;
}

QStringList removeWallpaperBitmaps(const QString& folder, const QString& keep)
{
    const QString kept = keep.isEmpty() ? QString() : QFileInfo(keep).absoluteFilePath();
    QStringList left;
    for (const QString& path : wallpaperBitmapsIn(folder))
        if (path != kept && !QFile::remove(path))
            left << path;
    return left;
}

} // namespace vistello
