// Scanning and sorting a folder of 20,000 pictures into a picture list,
// measured beside the shell pipeline `find DIR -maxdepth 1 -type f | sort -f`
// on the same folder. The list should be ready within three times the
// pipeline's time; the ratio is printed at the end. The same for
// `vistello-cli list` as a whole process, and that command's start-up on an
// empty folder, on a folder holding one video (which has to ask whether
// videos can be played) and beside `vistello-cli segments` of no file.
#include "core/filetypes/FolderScan.h"
#include "core/filetypes/PictureFileTypes.h"
#include "core/lists/PictureList.h"
#include "BestOfReporter.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>

using namespace vistello;

namespace {

constexpr int kPictures = 20000;

QString& folder()
{
    static QString path;
    return path;
}

QString& emptyFolder()
{
    static QString path;
    return path;
}

QString& videoFolder()
{
    static QString path;
    return path;
}

// Camera-like names in mixed case, created in an order unlike the sorted one.
bool makeFolder(const QString& dir)
{
    static const char* const kPatterns[] = {"IMG_%1.JPG", "dsc%1.jpg", "P%1.jpeg", "Holiday %1.Jpg", "scan_%1.JPE"};
    for (int i = 0; i < kPictures; ++i) {
        const int n = (i * 7919) % kPictures;
        const QString name = QString::fromLatin1(kPatterns[n % 5]).arg(n, 5, 10, QLatin1Char('0'));
        QFile f(dir + name);
        if (!f.open(QIODevice::WriteOnly))
            return false;
    }
    return true;
}

void BM_ListScanAndSort(benchmark::State& state)
{
    for (auto _ : state) {
        PictureList list(200);
        list.scanFolder(folder(), false);
        if (list.count() != kPictures)
            state.SkipWithError("wrong picture count");
        benchmark::DoNotOptimize(list.entries().at(0));
    }
}

// The folder enumeration alone, to tell scanning from sorting.
void BM_FolderScanOnly(benchmark::State& state)
{
    for (auto _ : state) {
        int files = 0;
        scanFolder(folder(), false, [&](const ScanEntry&) {
            ++files;
            return true;
        });
        benchmark::DoNotOptimize(files);
    }
}

void BM_FindSortPipeline(benchmark::State& state)
{
    const QString script = QStringLiteral("find '%1' -maxdepth 1 -type f | sort -f").arg(folder());
    for (auto _ : state) {
        QProcess p;
        p.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script});
        p.waitForFinished(-1);
        const QByteArray out = p.readAllStandardOutput();
        if (out.count('\n') != kPictures)
            state.SkipWithError("pipeline failed");
        benchmark::DoNotOptimize(out.data());
    }
}

// A whole process; its output is read and counted.
void runProcess(benchmark::State& state, const QString& program, const QStringList& args, int lines)
{
    for (auto _ : state) {
        QProcess p;
        p.start(program, args);
        p.waitForFinished(-1);
        const QByteArray out = p.readAllStandardOutput();
        if (lines >= 0 && out.count('\n') != lines)
            state.SkipWithError("wrong output");
        benchmark::DoNotOptimize(out.data());
    }
}

void BM_CliList(benchmark::State& state)
{
    runProcess(state, QStringLiteral(VISTELLO_CLI_PATH), {QStringLiteral("list"), folder()}, kPictures);
}

void BM_CliScanEmptyFolder(benchmark::State& state)
{
    runProcess(state, QStringLiteral(VISTELLO_CLI_PATH), {QStringLiteral("scan"), emptyFolder()}, 0);
}

void BM_CliScanOneVideo(benchmark::State& state)
{
    runProcess(state, QStringLiteral(VISTELLO_CLI_PATH), {QStringLiteral("scan"), videoFolder()}, -1);
}

void BM_CliSegmentsNoFile(benchmark::State& state)
{
    runProcess(state, QStringLiteral(VISTELLO_CLI_PATH), {QStringLiteral("segments")}, -1);
}

BENCHMARK(BM_ListScanAndSort)->Unit(benchmark::kMillisecond)->Repetitions(7)->UseRealTime();
BENCHMARK(BM_FolderScanOnly)->Unit(benchmark::kMillisecond)->Repetitions(7)->UseRealTime();
BENCHMARK(BM_FindSortPipeline)->Unit(benchmark::kMillisecond)->Repetitions(7)->UseRealTime();
BENCHMARK(BM_CliList)->Unit(benchmark::kMillisecond)->Repetitions(7)->UseRealTime();
BENCHMARK(BM_CliScanEmptyFolder)->Unit(benchmark::kMillisecond)->Repetitions(7)->UseRealTime();
BENCHMARK(BM_CliScanOneVideo)->Unit(benchmark::kMillisecond)->Repetitions(7)->UseRealTime();
BENCHMARK(BM_CliSegmentsNoFile)->Unit(benchmark::kMillisecond)->Repetitions(7)->UseRealTime();


} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    QTemporaryDir dir, empty, video;
    if (!dir.isValid() || !makeFolder(dir.path() + QLatin1Char('/')) || !empty.isValid() || !video.isValid()
        || !QFile(video.filePath(QStringLiteral("clip.mov"))).open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot create the picture folders\n");
        return 1;
    }
    folder() = dir.path() + QLatin1Char('/');
    emptyFolder() = empty.path();
    videoFolder() = video.path();
    PictureFileTypes::instance().registerBuiltIns(false, nullptr);

    BestOfReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto list = reporter.best.find("BM_ListScanAndSort");
    const auto pipeline = reporter.best.find("BM_FindSortPipeline");
    if (list != reporter.best.end() && pipeline != reporter.best.end() && pipeline->second > 0) {
        const double ratio = list->second / pipeline->second;
        std::printf("\n%d pictures: list scan+sort %.1f ms, find | sort -f %.1f ms, ratio %.2f (limit 3.00) %s\n",
                    kPictures, list->second, pipeline->second, ratio, ratio <= 3.0 ? "OK" : "TOO SLOW");
    }
    const auto cli = reporter.best.find("BM_CliList");
    if (cli != reporter.best.end() && pipeline != reporter.best.end() && pipeline->second > 0)
        std::printf("%d pictures: vistello-cli list %.1f ms as a process, ratio %.2f to find | sort -f\n", kPictures,
                    cli->second, cli->second / pipeline->second);
    const auto at = [&](const char* name) {
        const auto it = reporter.best.find(name);
        return it == reporter.best.end() ? 0.0 : it->second;
    };
    std::printf("start-up: scan of an empty folder %.1f ms, of one video %.1f ms; segments of no file %.1f ms\n",
                at("BM_CliScanEmptyFolder"), at("BM_CliScanOneVideo"), at("BM_CliSegmentsNoFile"));
    return 0;
}
