// The overview page over a folder of 100,000 pictures (hard links to twelve
// camera-like 12 MP JPEGs with EXIF thumbnails): the page itself on Qt's
// offscreen platform, timed from the folder scan to the first screenful of
// tiles, then scrolled from top to bottom a page every 16 ms while the
// longest stall of its event loop is taken. Ends with the process's peak
// resident size (what /usr/bin/time -v reports as "Maximum resident set
// size").
//
// The folder is generated once beside the executable
// (overview_scroll_bench_pictures/); the shared thumbnails go to a temporary
// cache home. "--count=N" takes N pictures.
#include "CountArgument.h"

#include "app/samples/SamplePicture.h"
#include "app/window/overview/OverviewModel.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/PictureLists.h"
#include "imaging/decode/BuiltInFormats.h"
#include "ui/overview/OverviewPage.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonObject>
#include <QListView>
#include <QScrollBar>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

int pictureCount = 100000;
constexpr int kOriginals = 12;

bool makeFolder(const QString& path)
{
    if (QFile::exists(path + QStringLiteral("complete")))
        return true;
    QDir().mkpath(path);
    std::fprintf(stderr, "generating %d pictures in %s\n", pictureCount, qPrintable(path));
    QStringList names;
    for (int i = 0; i < pictureCount; ++i)
        names << path + QStringLiteral("IMG_%1.JPG").arg(i, 6, 10, QLatin1Char('0'));
    for (int i = 0; i < pictureCount; ++i) {
        QFile::remove(names.at(i));
        if (i >= kOriginals) {
            if (::link(QFile::encodeName(names.at(i % kOriginals)).constData(), QFile::encodeName(names.at(i)).constData())
                != 0)
                return false;
            continue;
        }
        vistello::samples::SamplePictureRecipe recipe;
        recipe.displaySize = i % 3 == 2 ? QSize(3000, 4000) : QSize(4000, 3000);
        recipe.scene.variant = i;
        QFile file(names.at(i));
        const QByteArray bytes = vistello::samples::buildSamplePicture(recipe);
        if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return false;
    }
    QFile done(path + QStringLiteral("complete"));
    return done.open(QIODevice::WriteOnly);
}

// Every item the view shows has its tile.
bool screenfulShown(const QListView& view)
{
    const QModelIndex first = view.indexAt(QPoint(1, 1));
    if (!first.isValid())
        return false;
    const QRect area = view.viewport()->rect();
    for (int row = first.row(); row < view.model()->rowCount(); ++row) {
        const QModelIndex index = view.model()->index(row, 0);
        if (!area.intersects(view.visualRect(index)))
            break;
        if (index.data(vistello::OverviewModel::kTileRole).toInt() == int(vistello::OverviewModel::Tile::Placeholder))
            return false;
    }
    return true;
}

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char** argv)
{
    takeCountArgument(argc, argv, pictureCount);
    // "--no-marks": without the sound marks (no folder listing for them).
    const bool marks = !(argc > 1 && std::strcmp(argv[argc - 1], "--no-marks") == 0);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cache.path()));
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/overview_scroll_bench_pictures/")
        + QString::number(pictureCount) + QLatin1Char('/');
    if (!makeFolder(folder)) {
        std::fprintf(stderr, "cannot create the pictures\n");
        return 1;
    }
    vistello::registerBuiltInFormats(vistello::PictureFileTypes::instance(), false, nullptr);

    QElapsedTimer clock;
    clock.start();
    vistello::PictureLists lists;
    lists.folderPictures().scanFolder(folder, false);
    const double scanMs = clock.nsecsElapsed() / 1e6;
    vistello::OverviewPage page(lists, true, nullptr);
    page.useSharedThumbnails(true);
    page.setMediaMarks(marks);
    page.resize(1280, 1000);
    page.show();
    page.currentPictureChanged();
    const double filledMs = clock.nsecsElapsed() / 1e6;
    QListView& view = *page.view();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const double laidOutMs = clock.nsecsElapsed() / 1e6;
    while (!screenfulShown(view) && clock.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const double firstMs = clock.nsecsElapsed() / 1e6;

    // A page every 16 ms; a stall is the gap between two ticks beyond that.
    QScrollBar& bar = *view.verticalScrollBar();
    QElapsedTimer tick;
    tick.start();
    qint64 longestGapMs = 0;
    int steps = 0;
    while (bar.value() < bar.maximum()) {
        bar.setValue(std::min(bar.maximum(), bar.value() + bar.pageStep()));
        ++steps;
        QElapsedTimer wait;
        wait.start();
        while (wait.elapsed() < 16)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 16 - int(wait.elapsed()));
        longestGapMs = std::max(longestGapMs, tick.restart());
    }
    QElapsedTimer settle;
    settle.start();
    while (!screenfulShown(view) && settle.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const QJsonObject state = page.loaderStateJson();
    std::printf("%d pictures: scan %.0f ms, page filled at %.0f ms, first events done at %.0f ms,\n"
                "first screenful %.0f ms after the scan began (aim <= 1000)\n"
                "scrolled top to bottom in %d steps: longest event-loop gap %lld ms (aim <= 100 + the 16 ms tick)\n"
                "last screenful %s %lld ms after the end; tiles held %.1f MB, dropped %d\n"
                "peak resident size %.0f MB (aim < 400)\n",
                pictureCount, scanMs, filledMs, laidOutMs, firstMs, steps, static_cast<long long>(longestGapMs),
                screenfulShown(view) ? "shown" : "NOT shown", static_cast<long long>(settle.elapsed()),
                state.value(QStringLiteral("tileBytes")).toDouble() / (1 << 20),
                state.value(QStringLiteral("tilesDropped")).toInt(), peakKilobytes() / 1024.0);
    return 0;
}
