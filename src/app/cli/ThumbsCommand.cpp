// vistello-cli thumbs [--box WxH] [--sound-marks] [--no-shared-cache] FOLDER
// -o OUTDIR: runs the overview page's thumbnail loader over the folder's
// sorted picture list and writes one PNG tile per picture, named by its list
// index ("0000.png"). The desktop's shared thumbnails are read and filled
// unless --no-shared-cache. Prints "N tiles in M ms" (loading and writing
// together), then how many tiles came from each source; an unreadable
// picture gets no tile, is named on stderr and makes the exit status 1.
#include "app/cli/CliArguments.h"
#include "app/cli/CliCommands.h"

#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/PictureList.h"
#include "imaging/decode/BuiltInFormats.h"
#include "imaging/sharedthumbs/SharedThumbnails.h"
#include "imaging/thumbnails/ThumbnailLoader.h"
#include "platform/MediaSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <condition_variable>
#include <deque>
#include <mutex>

namespace vistello::cli {

namespace {

constexpr const char* kName = "thumbs";

// Tiles arrive on the loader's thread; the command's thread writes them.
class TileQueue : public ThumbnailSink {
public:
    struct Tile {
        int index;
        QImage image;
    };

    void thumbnailReady(quint64 /*generation*/, int index, const QImage& tile, int /*mark*/) override
    {
        std::lock_guard lock(mutex_);
        tiles_.push_back({index, tile});
        changed_.notify_all();
    }
    void allThumbnailsDone(quint64 /*generation*/) override
    {
        std::lock_guard lock(mutex_);
        allDone_ = true;
        changed_.notify_all();
    }

    // The next tile; false once every tile has been taken.
    bool take(Tile& tile)
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return !tiles_.empty() || allDone_; });
        if (tiles_.empty())
            return false;
        tile = std::move(tiles_.front());
        tiles_.pop_front();
        return true;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Tile> tiles_;
    bool allDone_ = false;
};

QStringList sortedPictures(const QString& folder)
{
    PictureList list;
    list.scanFolder(folder, false);
    QStringList paths;
    paths.reserve(list.count());
    for (int i = 0; i < list.count(); ++i)
        paths.append(list.entries().at(i));
    return paths;
}

} // namespace

int runThumbs(const QStringList& args)
{
    const CliArguments parsed = parseArguments(kName, args, {{"--box", true}, {"--sound-marks"}, {"--no-shared-cache"}, {"-o", true}});
    if (parsed.exitNow)
        return *parsed.exitNow;
    QSize box(80, 80);
    if (parsed.has("--box")) {
        const std::optional<QSize> given = parseBox(parsed.value("--box"));
        if (!given)
            return usageError(kName, badBoxMessage(parsed.value("--box")));
        box = *given;
    }
    if (parsed.plain.isEmpty())
        return usageError(kName, QStringLiteral("missing FOLDER"));
    if (parsed.plain.size() > 1)
        return usageError(kName, QStringLiteral("only one FOLDER may be given"));
    const QString outDir = parsed.value("-o");
    if (outDir.isEmpty())
        return usageError(kName, QStringLiteral("missing -o OUTDIR"));

    const QFileInfo info(parsed.plain.front());
    if (!info.isDir()) {
        err(QStringLiteral("vistello-cli thumbs: no such folder \"%1\"\n").arg(parsed.plain.front()));
        return Failure;
    }
    if (!QDir().mkpath(outDir)) {
        err(QStringLiteral("vistello-cli thumbs: cannot create \"%1\"\n").arg(outDir));
        return Failure;
    }
    QString folder = info.absoluteFilePath();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');

    PictureFileTypes& types = PictureFileTypes::instance();
    types.clear();
    registerBuiltInFormatsDeferringMedia(types, mediaPlaybackAvailable, nullptr);

    QElapsedTimer timer;
    timer.start();
    const QStringList paths = sortedPictures(folder);
    ThumbnailOptions options;
    options.box = box;
    options.showMediaMarks = parsed.has("--sound-marks");
    options.belowNormalPriority = false; // no user interface to keep responsive
    if (!parsed.has("--no-shared-cache"))
        options.shared = std::make_shared<SharedThumbnails>();
    TileQueue queue;
    ThumbnailLoader loader(queue, paths, options);
    loader.start();

    int written = 0;
    bool failed = false;
    TileQueue::Tile tile;
    while (queue.take(tile)) {
        const QString& picture = paths.at(tile.index);
        if (tile.image.isNull()) {
            err(QStringLiteral("vistello-cli thumbs: cannot read \"%1\"\n").arg(picture));
            failed = true;
            continue;
        }
        const QString name = QStringLiteral("%1.png").arg(tile.index, 4, 10, QLatin1Char('0'));
        const QString tilePath = QDir(outDir).filePath(name);
        // Fast deflate: the tiles are small, and writing them is not the work measured.
        if (!tile.image.save(tilePath, "PNG", 80)) {
            err(QStringLiteral("vistello-cli thumbs: cannot write \"%1\"\n").arg(tilePath));
            failed = true;
            continue;
        }
        ++written;
    }
    loader.stop(-1);
    out(QStringLiteral("%1 tiles in %2 ms\n").arg(written).arg(timer.elapsed()));
    out(QStringLiteral("from shared cache %1, embedded thumbnail %2, decoded %3, unreadable %4\n")
            .arg(loader.madeFrom(ThumbnailSource::Shared))
            .arg(loader.madeFrom(ThumbnailSource::Embedded))
            .arg(loader.madeFrom(ThumbnailSource::Decoded))
            .arg(loader.madeFrom(ThumbnailSource::Unreadable)));
    return failed ? Failure : Success;
}

} // namespace vistello::cli
