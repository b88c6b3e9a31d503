// The overview page of a folder of 2,000 camera-like 12-24 MP JPEGs with
// EXIF thumbnails: the page's thumbnail loader in this process, timed to the
// first screenful of tiles and to the last tile, beside `vipsthumbnail -s
// 80x80` making the same tiles in the same run. The last lines give the
// times and the ratio vipsthumbnail / loader.
//
// Twelve originals are generated once and kept beside the executable
// (overview_bench_pictures/); the rest are hard links to them under other
// names, so the folder costs no more disk than twelve pictures. Both tools
// read the same files from a warm cache. "--count=N" takes N pictures.
#include "BestOfReporter.h"
#include "CountArgument.h"

#include "app/samples/SamplePicture.h"
#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
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
double bestFirstMs = 0;
double bestAllMs = 0;

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
        vistello::samples::SamplePictureSpec recipe;
        recipe.displaySize = originalSize(i);
        recipe.scene.variant = i;
        recipe.quality = 92;
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

void BM_OverviewLoader(benchmark::State& state)
{
    for (auto _ : state) {
        TimingSink sink;
        sink.clock.start();
        vistello::ThumbnailLoader loader(sink, pictures);
        loader.start();
        sink.waitUntilDone();
        loader.stop(2000);
        state.SetIterationTime(sink.allMs / 1000);
        state.counters["first_screenful_ms"] = sink.firstMs;
        keepBest(bestFirstMs, sink.firstMs);
        keepBest(bestAllMs, sink.allMs);
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

BENCHMARK(BM_OverviewLoader)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->UseManualTime();
// Minutes per run: once is enough beside a 10x target.
BENCHMARK(BM_VipsThumbnail)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(1)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    takeCountArgument(argc, argv, pictureCount);
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    vistello::registerBuiltInFormats(vistello::PictureFileTypes::instance(), false, nullptr);
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/overview_bench_pictures/")
        + QString::number(pictureCount) + QLatin1Char('/');
    if (!makeFolder(folder)) {
        std::fprintf(stderr, "cannot create the pictures\n");
        return 1;
    }
    QTemporaryDir out;
    if (!out.isValid())
        return 1;
    outDir = out.path() + QLatin1Char('/');

    BestOfReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto vips = reporter.best.find("BM_VipsThumbnail");
    std::printf("\n%d pictures: first screenful (%d tiles) %.0f ms (aim <= 500), all tiles %.0f ms", pictureCount,
                kScreenful, bestFirstMs, bestAllMs);
    if (vips != reporter.best.end() && bestAllMs > 0)
        std::printf(", vipsthumbnail %.0f ms, ratio vips/loader %.1f (aim >= 10)", vips->second,
                    vips->second / bestAllMs);
    std::printf("\n");
    return 0;
}
