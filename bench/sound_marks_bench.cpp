// The cost of the loudspeaker marks: `vistello-cli thumbs --sound-marks`
// beside the same run without them, over one folder of 2,000 small pictures
// with EXIF thumbnails and no sound memos (the usual case, where every
// picture asks the folder for "*.wav" in any case). The last line gives the
// ratio marks / no marks, which should stay within 1.10.
//
// The pictures are generated once beside the executable
// (sound_marks_bench_pictures/).
#include "BestOfReporter.h"

#include "app/samples/SamplePicture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int kPictures = 2000;
QString folder;
QString outDir;

bool makeFolder(const QString& path)
{
    const QString stamp = path + QStringLiteral("complete");
    if (QFile::exists(stamp))
        return true;
    QDir().mkpath(path);
    vistello::samples::SamplePictureRecipe recipe;
    recipe.displaySize = QSize(640, 480);
    recipe.thumbnail = true;
    const QByteArray bytes = vistello::samples::buildSamplePicture(recipe);
    for (int i = 0; i < kPictures; ++i) {
        QFile file(path + QStringLiteral("IMG_%1.JPG").arg(i, 4, 10, QLatin1Char('0')));
        if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return false;
    }
    QFile done(stamp);
    return done.open(QIODevice::WriteOnly);
}

bool runThumbs(bool soundMarks)
{
    QStringList arguments{QStringLiteral("thumbs"), folder, QStringLiteral("-o"), outDir};
    if (soundMarks)
        arguments << QStringLiteral("--sound-marks");
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(QStringLiteral(VISTELLO_CLI_PATH), arguments);
    return p.waitForFinished(-1) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

void BM_ThumbsWithoutMarks(benchmark::State& state)
{
    for (auto _ : state)
        if (!runThumbs(false))
            state.SkipWithError("vistello-cli thumbs failed");
}

void BM_ThumbsWithSoundMarks(benchmark::State& state)
{
    for (auto _ : state)
        if (!runThumbs(true))
            state.SkipWithError("vistello-cli thumbs --sound-marks failed");
}

BENCHMARK(BM_ThumbsWithoutMarks)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->UseRealTime();
BENCHMARK(BM_ThumbsWithSoundMarks)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    folder = QCoreApplication::applicationDirPath() + QStringLiteral("/sound_marks_bench_pictures/");
    QTemporaryDir out;
    if (!makeFolder(folder) || !out.isValid()) {
        std::fprintf(stderr, "cannot create the pictures\n");
        return 1;
    }
    outDir = out.path() + QLatin1Char('/');
    runThumbs(true); // warm the file cache

    BestOfReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const double plain = reporter.best["BM_ThumbsWithoutMarks"];
    const double marks = reporter.best["BM_ThumbsWithSoundMarks"];
    if (plain > 0)
        std::printf("\n%d pictures: without marks %.0f ms, with sound marks %.0f ms, ratio %.2f %s\n", kPictures,
                    plain, marks, marks / plain, marks / plain <= 1.10 ? "(within 10 %)" : "(SLOWER)");
    return 0;
}
