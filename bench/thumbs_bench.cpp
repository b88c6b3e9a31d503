// Overview-page thumbnails of a folder of camera-like 12-24 MP JPEGs, with
// and without EXIF thumbnails: `vistello-cli thumbs` beside
// `vipsthumbnail -s 80x80` over the same files in the same run; the folder
// without EXIF thumbnails once decoded (--no-shared-cache) and once from the
// desktop's shared thumbnails the warm-up run wrote. The last lines give the
// times and the ratios vipsthumbnail / vistello-cli (above 1 means
// vistello-cli is faster).
//
// The pictures are generated once and kept beside the executable
// (thumbs_bench_pictures/); "--count=N" takes N pictures per folder instead
// of 40. The shared thumbnails go to a temporary cache home.
#include "BestOfReporter.h"
#include "CountArgument.h"

#include "app/samples/SamplePicture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int pictureCount = 40;
// Distinct originals per folder; the rest are copies under other names, so
// that generating the folders stays within minutes.
constexpr int kOriginals = 12;

struct Folder {
    QString path;
    QStringList files;
};
Folder withExif;
Folder withoutExif;
QString outDir;

// 12 to 24 megapixels, landscape and portrait, like the cameras of the day.
QSize originalSize(int i)
{
    constexpr QSize kSizes[] = {{4000, 3000}, {4608, 3456}, {5184, 3456}, {6000, 4000}};
    const QSize size = kSizes[i % 4];
    return i % 3 == 2 ? size.transposed() : size;
}

bool makeFolder(Folder& folder, const QString& path, bool exifThumbnail)
{
    folder.path = path;
    const QString stamp = path + QStringLiteral("complete");
    QDir().mkpath(path);
    for (int i = 0; i < pictureCount; ++i)
        folder.files << path + QStringLiteral("IMG_%1.JPG").arg(i, 4, 10, QLatin1Char('0'));
    if (QFile::exists(stamp))
        return true;
    std::fprintf(stderr, "generating %d pictures in %s\n", pictureCount, qPrintable(path));
    for (int i = 0; i < pictureCount; ++i) {
        const QString& target = folder.files.at(i);
        QFile::remove(target);
        if (i >= kOriginals) {
            if (!QFile::copy(folder.files.at(i % kOriginals), target))
                return false;
            continue;
        }
        vistello::samples::SamplePictureRecipe recipe;
        recipe.displaySize = originalSize(i);
        recipe.thumbnail = exifThumbnail;
        recipe.scene.variant = i;
        recipe.quality = 92;
        QFile file(target);
        const QByteArray bytes = vistello::samples::buildSamplePicture(recipe);
        if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return false;
    }
    QFile done(stamp);
    return done.open(QIODevice::WriteOnly);
}

bool run(const QString& program, const QStringList& arguments)
{
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(program, arguments);
    return p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool runVistello(const Folder& folder, bool sharedCache = true)
{
    QStringList arguments{QStringLiteral("thumbs"), folder.path, QStringLiteral("-o"), outDir + QStringLiteral("v")};
    if (!sharedCache)
        arguments.insert(1, QStringLiteral("--no-shared-cache"));
    return run(QStringLiteral(VISTELLO_CLI_PATH), arguments);
}

bool runVips(const Folder& folder)
{
    return run(QStringLiteral("vipsthumbnail"),
               QStringList{QStringLiteral("-s"), QStringLiteral("80x80"), QStringLiteral("-o"),
                           outDir + QStringLiteral("%s.jpg")} + folder.files);
}

bool haveVips()
{
    return !QStandardPaths::findExecutable(QStringLiteral("vipsthumbnail")).isEmpty();
}

void BM_VistelloThumbsExif(benchmark::State& state)
{
    for (auto _ : state)
        if (!runVistello(withExif))
            state.SkipWithError("vistello-cli thumbs failed");
}

void BM_VipsThumbnailExif(benchmark::State& state)
{
    if (!haveVips()) {
        state.SkipWithError("vipsthumbnail is not installed");
        return;
    }
    for (auto _ : state)
        if (!runVips(withExif))
            state.SkipWithError("vipsthumbnail failed");
}

void BM_VistelloThumbsPlain(benchmark::State& state)
{
    for (auto _ : state)
        if (!runVistello(withoutExif, false))
            state.SkipWithError("vistello-cli thumbs failed");
}

// The warm-up run filled the shared cache.
void BM_VistelloThumbsPlainShared(benchmark::State& state)
{
    for (auto _ : state)
        if (!runVistello(withoutExif))
            state.SkipWithError("vistello-cli thumbs failed");
}

void BM_VipsThumbnailPlain(benchmark::State& state)
{
    if (!haveVips()) {
        state.SkipWithError("vipsthumbnail is not installed");
        return;
    }
    for (auto _ : state)
        if (!runVips(withoutExif))
            state.SkipWithError("vipsthumbnail failed");
}

BENCHMARK(BM_VistelloThumbsExif)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->UseRealTime();
BENCHMARK(BM_VipsThumbnailExif)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->UseRealTime();
BENCHMARK(BM_VistelloThumbsPlain)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->UseRealTime();
BENCHMARK(BM_VistelloThumbsPlainShared)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->UseRealTime();
BENCHMARK(BM_VipsThumbnailPlain)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->UseRealTime();

void printRatio(const BestOfReporter& reporter, const char* ours, const char* theirs, const char* label)
{
    const auto a = reporter.best.find(ours);
    const auto b = reporter.best.find(theirs);
    if (a == reporter.best.end() || b == reporter.best.end() || a->second <= 0)
        return;
    const double ratio = b->second / a->second;
    std::printf("%d pictures %s: vistello-cli thumbs %.0f ms, vipsthumbnail %.0f ms, ratio vips/vistello %.2f %s\n",
                pictureCount, label, a->second, b->second, ratio, ratio > 1.0 ? "(faster)" : "(SLOWER)");
}

} // namespace

int main(int argc, char** argv)
{
    takeCountArgument(argc, argv, pictureCount);
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    const QString base = QCoreApplication::applicationDirPath() + QStringLiteral("/thumbs_bench_pictures/");
    const QString suffix = QString::number(pictureCount) + QLatin1Char('/');
    if (!makeFolder(withExif, base + QStringLiteral("exif-") + suffix, true)
        || !makeFolder(withoutExif, base + QStringLiteral("plain-") + suffix, false)) {
        std::fprintf(stderr, "cannot create the pictures\n");
        return 1;
    }
    QTemporaryDir out;
    if (!out.isValid())
        return 1;
    outDir = out.path() + QLatin1Char('/');
    qputenv("XDG_CACHE_HOME", QFile::encodeName(out.path() + QStringLiteral("/cache")));
    // One untimed run each, so that all start from a warm file cache.
    runVistello(withExif);
    runVistello(withoutExif);
    if (haveVips()) {
        runVips(withExif);
        runVips(withoutExif);
    }

    BestOfReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    std::printf("\n");
    printRatio(reporter, "BM_VistelloThumbsExif", "BM_VipsThumbnailExif", "with EXIF thumbnails");
    printRatio(reporter, "BM_VistelloThumbsPlain", "BM_VipsThumbnailPlain", "without EXIF thumbnails, decoded");
    printRatio(reporter, "BM_VistelloThumbsPlainShared", "BM_VipsThumbnailPlain",
               "without EXIF thumbnails, from the shared cache");
    return 0;
}
