#include "publish/wallpaper/WallpaperTask.h"

#include "platform/FolderPath.h"
#include "platform/wallpaper/DesktopCommandRunner.h"
#include "platform/wallpaper/WallpaperPlan.h"
#include "publish/wallpaper/WallpaperBitmap.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace vistello {

namespace {

WallpaperResult failed(const QString& message)
{
    return {false, {}, message};
}

} // namespace

WallpaperContext currentWallpaperContext()
{
    WallpaperContext context;
    context.currentDesktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    context.desktop = wallpaperDesktopFrom(context.currentDesktop);
    // Named only: the folder is made when a bitmap is written (a dry run makes nothing).
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    context.folder = folder.isEmpty() ? QString() : withTrailingSlash(folder);
    return context;
}

WallpaperResult setWallpaper(const QString& picture, QSize screen, const WallpaperContext& context)
{
    if (context.desktop == WallpaperDesktop::Unsupported)
        return failed(unsupportedDesktopMessage(context.desktop, context.currentDesktop));
    if (screen.width() <= 0 || screen.height() <= 0)
        return failed(QStringLiteral("The screen size is not known."));
    if (context.folder.isEmpty() || !QDir().mkpath(context.folder))
        return failed(QStringLiteral("The program's data folder \"%1\" cannot be created.").arg(context.folder));
    QString error;
    const std::optional<PixelBuffer> pixels = wallpaperPixels(picture, screen, context.autoRotate, &error);
    if (!pixels) {
        WallpaperResult result =
            failed(QStringLiteral("\"%1\" cannot be decoded; the wallpaper is unchanged (%2).").arg(picture, error));
        result.unreadable = true;
        return result;
    }
    const std::optional<QString> written = writeWallpaperBitmap(*pixels, context.folder, &error);
    if (!written)
        return failed(error);
    const CommandsOutcome told =
        runDesktopCommands(wallpaperCommands(context.desktop, WallpaperAction::Set, *written), context.timeoutMs);
    if (!told.ok) {
        QFile::remove(*written);
        return failed(QStringLiteral("The desktop did not take the new wallpaper: %1").arg(told.message));
    }
    removeWallpaperBitmaps(context.folder, *written);
    return {true, *written, {}};
}

WallpaperResult resetWallpaper(const WallpaperContext& context)
{
    if (context.desktop == WallpaperDesktop::Unsupported)
        return failed(unsupportedDesktopMessage(context.desktop, context.currentDesktop));
    const CommandsOutcome told =
        runDesktopCommands(wallpaperCommands(context.desktop, WallpaperAction::Reset, {}), context.timeoutMs);
    if (!told.ok)
        return failed(QStringLiteral("The desktop did not reset its wallpaper: %1").arg(told.message));
    // The desktop shows none of them any more.
    removeWallpaperBitmaps(context.folder);
    return {true, {}, {}};
}

} // namespace vistello
