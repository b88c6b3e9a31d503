// `vistello-cli exif` over 1,000 camera-like pictures, measured beside
// `exiv2 -pv` over the same files in the same run. Both print every EXIF
// entry of every file; the ratio exiv2 / vistello-cli is printed at the end
// (above 1 means vistello-cli is faster).
#include "BestOfReporter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

constexpr int kPictures = 1000;

QStringList& files()
{
    static QStringList list;
    return list;
}

// The generated sample set, copied round-robin into 1,000 pictures.
bool makePictures(const QString& dir)
{
    QProcess make;
    make.start(QStringLiteral(VISTELLO_CLI_PATH), {QStringLiteral("make-samples"), dir + QStringLiteral("set")});
    if (!make.waitForFinished(-1) || make.exitCode() != 0)
        return false;
    const QStringList sources = QDir(dir + QStringLiteral("set"))
                                    .entryList({QStringLiteral("*.jpg"), QStringLiteral("*.JPG")}, QDir::Files, QDir::Name);
    if (sources.isEmpty())
        return false;
    for (int i = 0; i < kPictures; ++i) {
        const QString target = dir + QStringLiteral("IMG_%1.jpg").arg(i, 4, 10, QLatin1Char('0'));
        if (!QFile::copy(dir + QStringLiteral("set/") + sources.at(i % sources.size()), target))
            return false;
        files() << target;
    }
    return true;
}

// Runs program over all files with its output discarded; false on failure.
bool runOverAll(const QString& program, const QStringList& options)
{
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(program, options + files());
    return p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

void BM_VistelloCliExif(benchmark::State& state)
{
    for (auto _ : state)
        if (!runOverAll(QStringLiteral(VISTELLO_CLI_PATH), {QStringLiteral("exif")}))
            state.SkipWithError("vistello-cli exif failed");
}

void BM_Exiv2Pv(benchmark::State& state)
{
    if (QStandardPaths::findExecutable(QStringLiteral("exiv2")).isEmpty()) {
        state.SkipWithError("exiv2 is not installed");
        return;
    }
    for (auto _ : state)
        if (!runOverAll(QStringLiteral("exiv2"), {QStringLiteral("-pv")}))
            state.SkipWithError("exiv2 -pv failed");
}

BENCHMARK(BM_VistelloCliExif)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7)->UseRealTime();
BENCHMARK(BM_Exiv2Pv)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(7)->UseRealTime();


} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid() || !makePictures(dir.path() + QLatin1Char('/'))) {
        std::fprintf(stderr, "cannot create the pictures\n");
        return 1;
    }
    // One untimed run each, so that both start from a warm file cache.
    runOverAll(QStringLiteral(VISTELLO_CLI_PATH), {QStringLiteral("exif")});
    runOverAll(QStringLiteral("exiv2"), {QStringLiteral("-pv")});

    BestOfReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto ours = reporter.best.find("BM_VistelloCliExif");
    const auto theirs = reporter.best.find("BM_Exiv2Pv");
    if (ours != reporter.best.end() && theirs != reporter.best.end() && ours->second > 0) {
        const double ratio = theirs->second / ours->second;
        std::printf("\n%d pictures: vistello-cli exif %.1f ms, exiv2 -pv %.1f ms, ratio exiv2/vistello %.2f %s\n",
                    kPictures, ours->second, theirs->second, ratio, ratio > 1.0 ? "(faster)" : "(SLOWER)");
    }
    return 0;
}
