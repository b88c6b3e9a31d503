// vistello-cli thumbs [--box WxH] [--sound-marks] FOLDER -o OUTDIR: runs the
// overview page's thumbnail loader over the folder's sorted picture list and
// writes one PNG tile per picture, named by its list index ("0000.png").
// Prints "N tiles in M ms" (loading and writing together).
#include "app/cli/CliCommands.h"

#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/PictureList.h"
#include "imaging/decode/BuiltInFormats.h"
#include "imaging/thumbnails/ThumbnailLoader.h"
#include "platform/MediaSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QRegularExpression>

#include <condition_variable>
#include <deque>
#include <mutex>

namespace vistello::cli {

namespace {

constexpr const char* kName = "thumbs";

struct ThumbsArguments {
    QSize box{80, 80};
    bool soundMarks = false;
    QString folder;
    QString outDir;
};

bool parseBox(const QString& text, QSize& box)
{
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,5})x([0-9]{1,5})$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    const int width = match.captured(1).toInt();
    const int height = match.captured(2).toInt();
    if (width < 1 || height < 1 || width > 4096 || height > 4096)
        return false;
    box = QSize(width, height);
    return true;
}

bool parseArguments(const QStringList& args, ThumbsArguments& parsed, QString& error)
{
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == QLatin1String("--box") || a == QLatin1String("-o")) {
            if (i + 1 >= args.size() || args[i + 1].isEmpty()) {
                error = QStringLiteral("%1 needs a value").arg(a);
                return false;
            }
            const QString& value = args[++i];
            if (a == QLatin1String("-o")) {
                parsed.outDir = value;
            } else if (!parseBox(value, parsed.box)) {
                error = QStringLiteral("bad box \"%1\" (WxH, 1 to 4096 each)").arg(value);
                return false;
            }
        } else if (a == QLatin1String("--sound-marks")) {
            parsed.soundMarks = true;
        } else if (a.startsWith(QLatin1Char('-'))) {
            error = QStringLiteral("unknown option \"%1\"").arg(a);
            return false;
        } else if (parsed.folder.isEmpty()) {
            parsed.folder = a;
        } else {
            error = QStringLiteral("only one FOLDER may be given");
            return false;
        }
    }
    if (parsed.folder.isEmpty() || parsed.outDir.isEmpty()) {
        error = parsed.folder.isEmpty() ? QStringLiteral("missing FOLDER")
                                        : QStringLiteral("missing -o OUTDIR");
        return false;
    }
    return true;
}

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
    ThumbsArguments parsed;
    QString error;
    if (!parseArguments(args, parsed, error))
        return usageError(kName, error);

    const QFileInfo info(parsed.folder);
    if (!info.isDir()) {
        err(QStringLiteral("vistello-cli thumbs: no such folder \"%1\"\n").arg(parsed.folder));
        return Failure;
    }
    const QDir outDir(parsed.outDir);
    if (!QDir().mkpath(parsed.outDir)) {
        err(QStringLiteral("vistello-cli thumbs: cannot create \"%1\"\n").arg(parsed.outDir));
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
    options.box = parsed.box;
    options.showMediaMarks = parsed.soundMarks;
    options.belowNormalPriority = false; // no user interface to keep responsive
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
            continue;
        }
        const QString name = QStringLiteral("%1.png").arg(tile.index, 4, 10, QLatin1Char('0'));
        if (!tile.image.save(outDir.filePath(name), "PNG")) {
            err(QStringLiteral("vistello-cli thumbs: cannot write \"%1\"\n").arg(outDir.filePath(name)));
            failed = true;
            continue;
        }
        ++written;
    }
    loader.stop(-1);
    out(QStringLiteral("%1 tiles in %2 ms\n").arg(written).arg(timer.elapsed()));
    return failed ? Failure : Success;
}

} // namespace vistello::cli
