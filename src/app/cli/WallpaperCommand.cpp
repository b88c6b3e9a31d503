// vistello-cli wallpaper [--screen WxH] [--dry-run] (--reset | FILE): makes
// FILE the desktop wallpaper as the wallpaper page does (fitted into the
// screen WxH, written as a new 24-bit BMP in the program's data folder, the
// desktop told through its own programs, the program's earlier bitmap
// removed) and prints the bitmap's path; --reset takes the wallpaper away.
// The screen must be given: the command runs without a display. --dry-run
// writes and runs nothing and prints the bitmap it would write
// ("bitmap<TAB>PATH<TAB>WxH") and the commands, one a line.
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/settings/SettingsStore.h"
#include "imaging/decode/BuiltInFormats.h"
#include "platform/wallpaper/WallpaperPlan.h"
#include "publish/wallpaper/WallpaperBitmap.h"
#include "publish/wallpaper/WallpaperTask.h"

#include <QCoreApplication>

namespace vistello::cli {

namespace {

constexpr const char* kName = "wallpaper";

void printCommands(const QList<DesktopCommand>& commands)
{
    for (const DesktopCommand& command : commands)
        out(displayText(command) + QLatin1Char('\n'));
}

int fail(const QString& message)
{
    err(QStringLiteral("vistello-cli wallpaper: %1\n").arg(message));
    return Failure;
}

int dryRun(const WallpaperContext& context, const QString& picture, QSize screen)
{
    if (context.desktop == WallpaperDesktop::Unsupported)
        return fail(unsupportedDesktopMessage(context.desktop, context.currentDesktop));
    if (picture.isEmpty()) {
        printCommands(wallpaperCommands(context.desktop, WallpaperAction::Reset, {}));
        return Success;
    }
    QString error;
    const std::optional<PixelBuffer> pixels = wallpaperPixels(picture, screen, context.autoRotate, &error);
    if (!pixels)
        return fail(QStringLiteral("\"%1\" cannot be decoded; the wallpaper is unchanged (%2).").arg(picture, error));
    const QString path = freshWallpaperPath(context.folder);
    out(QStringLiteral("bitmap\t%1\t%2x%3\n").arg(path).arg(pixels->width).arg(pixels->height));
    printCommands(wallpaperCommands(context.desktop, WallpaperAction::Set, path));
    return Success;
}

} // namespace

int runWallpaper(const QStringList& args)
{
    const CliArguments parsed = parseArguments(kName, args, {{"--screen", true}, {"--dry-run"}, {"--reset"}});
    if (parsed.exitNow)
        return *parsed.exitNow;
    const bool reset = parsed.has("--reset");
    if (reset && !parsed.plain.isEmpty())
        return usageError(kName, QStringLiteral("--reset takes no file"));
    if (!reset && parsed.plain.size() != 1)
        return usageError(kName, QStringLiteral("one picture file, or --reset"));
    QSize screen;
    if (!reset) {
        if (!parsed.has("--screen"))
            return usageError(kName, QStringLiteral("--screen WxH is needed (there is no display to ask)"));
        const std::optional<QSize> box = parseBox(parsed.value("--screen"));
        if (!box)
            return usageError(kName, badBoxMessage(parsed.value("--screen")));
        screen = *box;
    }

    // The viewer's own data folder, where its wallpaper bitmaps are.
    QCoreApplication::setApplicationName(QString::fromLatin1(SettingsStore::kProductName));
    registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
    const WallpaperContext context = currentWallpaperContext();
    const QString picture = reset ? QString() : parsed.plain.first();
    if (parsed.has("--dry-run"))
        return dryRun(context, picture, screen);

    const WallpaperResult result = reset ? resetWallpaper(context) : setWallpaper(picture, screen, context);
    if (!result.ok)
        return fail(result.message);
    if (!result.writtenPath.isEmpty())
        out(result.writtenPath + QLatin1Char('\n'));
    return Success;
}

} // namespace vistello::cli
