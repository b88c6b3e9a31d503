// Renaming 1,000 camera pictures after their date of taking:
// `vistello-cli rename --date` beside
// `exiftool '-FileName<DateTimeOriginal' -d '%Y-%m-%d@%H-%M-%S%%-c.%%e'` (the
// same names, "-1", "-2" ... for equal seconds), each on its own fresh copy of
// the same files in the same run. Only the tool runs are timed. The last line
// gives both times and the ratio exiftool / vistello-cli (above 1 means
// vistello-cli is faster), and whether both chose the same names.
//
// The pictures are generated once and kept beside the executable
// (rename_bench_pictures/).
#include "BestOfReporter.h"

#include "app/samples/SamplePicture.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kPictures = 1000;
QString masterFolder;
QTemporaryDir* scratch = nullptr;

// Every third picture shares its second with the one before, as bursts do.
QByteArray dateOf(int i)
{
    const QDateTime start(QDate(2023, 6, 1), QTime(8, 0));
    return start.addSecs(qint64(i - i / 3) * 37).toString(QStringLiteral("yyyy:MM:dd HH:mm:ss")).toLatin1();
}

bool makeMaster(const QString& path)
{
    masterFolder = path;
    const QString stamp = path + QStringLiteral("complete");
    if (QFile::exists(stamp))
        return true;
    QDir().mkpath(path);
    std::fprintf(stderr, "generating %d pictures in %s\n", kPictures, qPrintable(path));
    for (int i = 0; i < kPictures; ++i) {
        vistello::samples::SamplePictureRecipe recipe;
        recipe.displaySize = QSize(320, 240);
        recipe.scene.variant = i;
        recipe.dateTaken = dateOf(i);
        const QByteArray bytes = vistello::samples::buildSamplePicture(recipe);
        QFile file(path + QStringLiteral("IMG_%1.JPG").arg(i, 4, 10, QLatin1Char('0')));
        if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return false;
    }
    QFile done(stamp);
    return done.open(QIODevice::WriteOnly);
}

// A fresh copy of the pictures in its own folder; their paths, sorted.
QStringList freshCopy(const QString& name)
{
    const QString folder = scratch->path() + QLatin1Char('/') + name + QLatin1Char('/');
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    QStringList paths;
    for (const QString& file : QDir(masterFolder).entryList({QStringLiteral("*.JPG")}, QDir::Files, QDir::Name)) {
        QFile::copy(masterFolder + file, folder + file);
        paths << folder + file;
    }
    return paths;
}

// Seconds the program took, negative when it failed.
double timedRun(const QString& program, const QStringList& arguments)
{
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    p.start(program, arguments);
    const bool ok = p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    return ok ? double(timer.nsecsElapsed()) / 1e9 : -1.0;
}

double renameWithVistello()
{
    const QStringList paths = freshCopy(QStringLiteral("vistello"));
    return timedRun(QStringLiteral(VISTELLO_CLI_PATH), QStringList{QStringLiteral("rename"), QStringLiteral("--date")} + paths);
}

double renameWithExiftool()
{
    freshCopy(QStringLiteral("exiftool"));
    return timedRun(QStringLiteral("exiftool"),
                    {QStringLiteral("-q"), QStringLiteral("-FileName<DateTimeOriginal"), QStringLiteral("-d"),
                     QStringLiteral("%Y-%m-%d@%H-%M-%S%%-c.%%e"), scratch->path() + QStringLiteral("/exiftool")});
}

bool haveExiftool() { return !QStandardPaths::findExecutable(QStringLiteral("exiftool")).isEmpty(); }

void report(benchmark::State& state, double (*run)())
{
    for (auto _ : state) {
        const double seconds = run();
        if (seconds < 0) {
            state.SkipWithError("the rename failed");
            return;
        }
        state.SetIterationTime(seconds);
    }
}

void BM_VistelloRenameByDate(benchmark::State& state) { report(state, renameWithVistello); }

void BM_ExiftoolRenameByDate(benchmark::State& state)
{
    if (!haveExiftool()) {
        state.SkipWithError("exiftool is not installed");
        return;
    }
    report(state, renameWithExiftool);
}

BENCHMARK(BM_VistelloRenameByDate)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->UseManualTime();
BENCHMARK(BM_ExiftoolRenameByDate)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->UseManualTime();

QStringList namesIn(const QString& name) { return QDir(scratch->path() + QLatin1Char('/') + name).entryList(QDir::Files, QDir::Name); }

} // namespace

int main(int argc, char** argv)
{
    // Both tools read the dates as local time.
    setenv("TZ", "UTC", 1);
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (!makeMaster(QCoreApplication::applicationDirPath() + QStringLiteral("/rename_bench_pictures/"))) {
        std::fprintf(stderr, "cannot create the pictures\n");
        return 1;
    }
    QTemporaryDir dir;
    if (!dir.isValid())
        return 1;
    scratch = &dir;
    // One untimed run each, so that all start from a warm file cache.
    renameWithVistello();
    if (haveExiftool())
        renameWithExiftool();

    BestOfReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto ours = reporter.best.find("BM_VistelloRenameByDate");
    const auto theirs = reporter.best.find("BM_ExiftoolRenameByDate");
    if (ours == reporter.best.end() || theirs == reporter.best.end() || ours->second <= 0)
        return 0;
    const double ratio = theirs->second / ours->second;
    std::printf("\n%d pictures by date: vistello-cli rename %.0f ms, exiftool %.0f ms, ratio exiftool/vistello %.2f %s; "
                "same names: %s\n",
                kPictures, ours->second, theirs->second, ratio, ratio > 1.0 ? "(faster)" : "(SLOWER)",
                namesIn(QStringLiteral("vistello")) == namesIn(QStringLiteral("exiftool")) ? "yes" : "NO");
    return 0;
}
