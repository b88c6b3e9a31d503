// The overview page of a folder of 2,000 camera-like 12-24 MP JPEGs without
// EXIF thumbnails (scans, exports): the page's thumbnail loader in this
// process, opened first with an empty shared thumbnail cache (every picture
// decoded, its thumbnail written) and then again with the cache filled,
// beside `vipsthumbnail -s 80x80` making the same tiles in the same run. The
// last lines give the times and the ratios.
//
// Twelve originals are generated once and kept beside the executable
// (overview_bench_pictures/); the rest are hard links to them under other
// names, so the folder costs no more disk than twelve pictures. Both tools
// read the same files from a warm cache. The shared cache lives in a
// temporary folder. "--count=N" takes N pictures.
#include "BestOfReporter.h"
#include "CountArgument.h"

#include "app/samples/SamplePicture.h"
#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "imaging/sharedthumbs/SharedThumbnails.h"
#include "imaging/thumbnails/ThumbnailLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <mutex>

namespace {

int pictureCount = 2000;
constexpr int kOriginals = 12;
// A 1280 x 1024 window shows 9 columns of 7 rows next to the folder view.
constexpr int kScreenful = 63;

QStringList pictures;
QString outDir;
QString cacheRoot; // the shared thumbnails of the run
double bestFirstMs = 0;
double bestAllMs = 0;
double bestSecondMs = 0;

QSize originalSize(int i)
{
    constexpr QSize kSizes[] = {{4000, 3000}, {4608, 3456}, {5184, 3456}, {6000, 4000}};
    const QSize size = kSizes[i % 4];
    return i % 3 == 2 ? size.transposed() : size;
}

bool makeFolder(const QString& path)
{
    QDir().mkpath(path);
    for (int i = 0; i < pictureCount; ++i)
        pictures << path + QStringLiteral("IMG_%1.JPG").arg(i, 4, 10, QLatin1Char('0'));
    if (QFile::exists(path + QStringLiteral("complete")))
        return true;
    std::fprintf(stderr, "generating %d pictures in %s\n", pictureCount, qPrintable(path));
    for (int i = 0; i < pictureCount; ++i) {
        const QString& target = pictures.at(i);
        QFile::remove(target);
        if (i >= kOriginals) {
            if (::link(QFile::encodeName(pictures.at(i % kOriginals)).constData(),
                       QFile::encodeName(target).constData())
                != 0)
                return false;
            continue;
        }
        vistello::samples::SamplePictureRecipe recipe;
        recipe.displaySize = originalSize(i);
        recipe.scene.variant = i;
        recipe.quality = 92;
        recipe.thumbnail = false;
        QFile file(target);
        const QByteArray bytes = vistello::samples::buildSamplePicture(recipe);
        if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return false;
    }
    QFile done(path + QStringLiteral("complete"));
    return done.open(QIODevice::WriteOnly);
}

// Notes when the first screenful and the last tile arrive.
class TimingSink : public vistello::ThumbnailSink {
public:
    void thumbnailReady(quint64, int, const QImage&, int) override
    {
        if (++tiles_ == kScreenful)
            firstMs = clock.nsecsElapsed() / 1e6;
    }
    void allThumbnailsDone(quint64) override
    {
        std::lock_guard lock(mutex_);
        allMs = clock.nsecsElapsed() / 1e6;
        done_ = true;
        finished_.notify_all();
    }
    void waitUntilDone()
    {
        std::unique_lock lock(mutex_);
        finished_.wait(lock, [this] { return done_; });
    }

    QElapsedTimer clock;
    double firstMs = 0;
    double allMs = 0;

private:
    int tiles_ = 0;
    bool done_ = false;
    std::mutex mutex_;
    std::condition_variable finished_;
};

void keepBest(double& best, double value)
{
    if (best == 0 || value < best)
        best = value;
}

// The page's loader over the folder with the run's shared cache; returns
// the time to the last tile and notes the first screenful.
double openOverview(double& firstMs)
{
    TimingSink sink;
    sink.clock.start();
    vistello::ThumbnailOptions options;
    options.shared = std::make_shared<vistello::SharedThumbnails>(cacheRoot);
    vistello::ThumbnailLoader loader(sink, pictures, options);
    loader.start();
    sink.waitUntilDone();
    loader.stop(2000);
    firstMs = sink.firstMs;
    return sink.allMs;
}

void BM_OverviewFirstOpening(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        QDir(cacheRoot).removeRecursively();
        state.ResumeTiming();
        double firstMs = 0;
        const double allMs = openOverview(firstMs);
        state.SetIterationTime(allMs / 1000);
        state.counters["first_screenful_ms"] = firstMs;
        keepBest(bestFirstMs, firstMs);
        keepBest(bestAllMs, allMs);
    }
}

// After a first opening: every tile from the shared cache.
void BM_OverviewSecondOpening(benchmark::State& state)
{
    double firstMs = 0;
    if (!QDir(cacheRoot + QStringLiteral("/normal")).exists())
        openOverview(firstMs);
    for (auto _ : state) {
        const double allMs = openOverview(firstMs);
        state.SetIterationTime(allMs / 1000);
        state.counters["first_screenful_ms"] = firstMs;
        keepBest(bestSecondMs, allMs);
    }
}

bool runVips()
{
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(QStringLiteral("vipsthumbnail"),
            QStringList{QStringLiteral("-s"), QStringLiteral("80x80"), QStringLiteral("-o"),
                        outDir + QStringLiteral("%s.jpg")}
                + pictures);
    return p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

void BM_VipsThumbnail(benchmark::State& state)
{
    if (QStandardPaths::findExecutable(QStringLiteral("vipsthumbnail")).isEmpty()) {
        state.SkipWithError("vipsthumbnail is not installed (Debian: libvips-tools)");
        return;
    }
    for (auto _ : state)
        if (!runVips())
            state.SkipWithError("vipsthumbnail failed");
}

BENCHMARK(BM_OverviewFirstOpening)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(2)->UseManualTime();
BENCHMARK(BM_OverviewSecondOpening)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->UseManualTime();
// Minutes per run: once is enough.
BENCHMARK(BM_VipsThumbnail)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(1)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    takeCountArgument(argc, argv, pictureCount);
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    vistello::registerBuiltInFormats(vistello::PictureFileTypes::instance(), false, nullptr);
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/overview_bench_pictures/plain-")
        + QString::number(pictureCount) + QLatin1Char('/');
    if (!makeFolder(folder)) {
        std::fprintf(stderr, "cannot create the pictures\n");
        return 1;
    }
    QTemporaryDir out;
    if (!out.isValid())
        return 1;
    outDir = out.path() + QStringLiteral("/tiles/");
    QDir().mkpath(outDir);
    cacheRoot = out.path() + QStringLiteral("/cache/thumbnails");

    BestOfReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto vips = reporter.best.find("BM_VipsThumbnail");
    std::printf("\n%d pictures without EXIF thumbnails: first opening: first screenful (%d tiles) %.0f ms, all tiles "
                "%.0f ms; second opening (shared cache filled): all tiles %.0f ms, %.3f of the first (aim <= 0.05)\n",
                pictureCount, kScreenful, bestFirstMs, bestAllMs, bestSecondMs,
                bestAllMs > 0 ? bestSecondMs / bestAllMs : 0.0);
    if (vips != reporter.best.end() && bestAllMs > 0)
        std::printf("vipsthumbnail -s 80x80 %.0f ms: first opening / vipsthumbnail %.2f (aim <= 0.5), "
                    "ratio vips/loader %.1f\n",
                    vips->second, bestAllMs / vips->second, vips->second / bestAllMs);
    return 0;
}
