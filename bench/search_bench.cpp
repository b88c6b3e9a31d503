// The picture search and the picture check, each beside a reference tool on
// the same files in the same run:
//  - a name search over 10,000 files in 100 folders beside
//    `find DIR -type f | grep -Pi` (limit: 3 times its time);
//  - a date search over 1,000 camera-like pictures, which reads their
//    headers only, beside exiv2 reading DateTimeOriginal of the same files
//    (limit: 2 times);
//  - the picture check of 24 pictures of 12 megapixels beside djpeg
//    decoding each (limit: 1.2 times).
// Every side is a whole process, vistello-cli or the tool.
#include "app/samples/SamplePicture.h"
#include "BestOfReporter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>

using namespace vistello;

namespace {

constexpr int kNameFolders = 100;
constexpr int kNamesPerFolder = 100;
constexpr int kDatePictures = 1000;
constexpr int kCheckPictures = 24;

struct Folders {
    QString names;    // 10,000 empty files
    QString dated;    // 1,000 pictures in 10 folders
    QString large;    // 24 pictures of 12 MP
};

Folders& folders()
{
    static Folders f;
    return f;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

bool makeNameFolders(const QString& root)
{
    static const char* const kPatterns[] = {"IMG_%1.JPG", "dsc%1.jpg", "img%1.jpeg", "Holiday %1.Jpg", "notes%1.txt"};
    for (int d = 0; d < kNameFolders; ++d) {
        const QString dir = root + QStringLiteral("f%1/").arg(d);
        if (!QDir().mkpath(dir))
            return false;
        for (int i = 0; i < kNamesPerFolder; ++i)
            if (!writeFile(dir + QString::fromLatin1(kPatterns[i % 5]).arg(d * kNamesPerFolder + i), {}))
                return false;
    }
    return true;
}

bool makeDatedPictures(const QString& root)
{
    samples::SamplePictureRecipe recipe;
    const QByteArray picture = samples::buildSamplePicture(recipe); // 640 x 480 with EXIF and thumbnail
    for (int i = 0; i < kDatePictures; ++i) {
        const QString dir = root + QStringLiteral("d%1/").arg(i % 10);
        if (!QDir().mkpath(dir) || !writeFile(dir + QStringLiteral("IMG_%1.jpg").arg(i), picture))
            return false;
    }
    return !picture.isEmpty();
}

bool makeLargePictures(const QString& root)
{
    samples::SamplePictureRecipe recipe;
    recipe.displaySize = {4000, 3000};
    const QByteArray picture = samples::buildSamplePicture(recipe);
    for (int i = 0; i < kCheckPictures; ++i)
        if (!writeFile(root + QStringLiteral("IMG_%1.jpg").arg(i), picture))
            return false;
    return !picture.isEmpty();
}

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

void runShell(benchmark::State& state, const QString& script, int lines)
{
    runProcess(state, QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script}, lines);
}

const QString kCli = QStringLiteral(VISTELLO_CLI_PATH);
constexpr int kNameMatches = kNameFolders * kNamesPerFolder * 2 / 5; // IMG_ and img

void BM_CliNameSearch(benchmark::State& state)
{
    runProcess(state, kCli, {"search", "--name", "^img", folders().names}, kNameMatches);
}

void BM_FindGrepNames(benchmark::State& state)
{
    runShell(state, QStringLiteral("find '%1' -type f | grep -Pi '/img[^/]*$'").arg(folders().names), kNameMatches);
}

void BM_CliDateSearch(benchmark::State& state)
{
    runProcess(state, kCli, {"search", "--from", "2023-06-14", "--to", "2023-06-14", folders().dated}, kDatePictures);
}

void BM_Exiv2Dates(benchmark::State& state)
{
    runShell(state,
             QStringLiteral("find '%1' -name '*.jpg' -exec exiv2 -q -K Exif.Photo.DateTimeOriginal -Pv {} +")
                 .arg(folders().dated),
             kDatePictures);
}

void BM_CliCheck(benchmark::State& state)
{
    runProcess(state, kCli, {"check", "-b", folders().large, folders().large}, 0);
}

void BM_Djpeg(benchmark::State& state)
{
    runShell(state, QStringLiteral("for f in '%1'*.jpg; do djpeg -outfile /dev/null \"$f\" || exit 1; done").arg(folders().large),
             0);
}

BENCHMARK(BM_CliNameSearch)->Unit(benchmark::kMillisecond)->Repetitions(5)->UseRealTime();
BENCHMARK(BM_FindGrepNames)->Unit(benchmark::kMillisecond)->Repetitions(5)->UseRealTime();
BENCHMARK(BM_CliDateSearch)->Unit(benchmark::kMillisecond)->Repetitions(5)->UseRealTime();
BENCHMARK(BM_Exiv2Dates)->Unit(benchmark::kMillisecond)->Repetitions(5)->UseRealTime();
BENCHMARK(BM_CliCheck)->Unit(benchmark::kMillisecond)->Repetitions(3)->Iterations(1)->UseRealTime();
BENCHMARK(BM_Djpeg)->Unit(benchmark::kMillisecond)->Repetitions(3)->Iterations(1)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    for (const char* tool : {"find", "grep", "exiv2", "djpeg"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            std::fprintf(stderr, "%s is needed beside vistello-cli\n", tool);
            return 1;
        }
    QTemporaryDir names, dated, large;
    Folders& f = folders();
    f.names = names.path() + QLatin1Char('/');
    f.dated = dated.path() + QLatin1Char('/');
    f.large = large.path() + QLatin1Char('/');
    if (!names.isValid() || !dated.isValid() || !large.isValid() || !makeNameFolders(f.names)
        || !makeDatedPictures(f.dated) || !makeLargePictures(f.large)) {
        std::fprintf(stderr, "cannot create the picture folders\n");
        return 1;
    }

    BestOfReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto compare = [&](const char* what, const char* ours, const char* theirs, const char* tool, double limit) {
        const auto a = reporter.best.find(ours);
        const auto b = reporter.best.find(theirs);
        if (a == reporter.best.end() || b == reporter.best.end() || b->second <= 0)
            return;
        const double ratio = a->second / b->second;
        std::printf("%s: vistello-cli %.1f ms, %s %.1f ms, ratio %.2f (limit %.2f) %s\n", what, a->second, tool,
                    b->second, ratio, limit, ratio <= limit ? "OK" : "TOO SLOW");
    };
    std::printf("\n");
    compare("name search, 10,000 files in 100 folders", "BM_CliNameSearch", "BM_FindGrepNames", "find | grep -Pi", 3.0);
    compare("date search, 1,000 pictures", "BM_CliDateSearch", "BM_Exiv2Dates", "exiv2 DateTimeOriginal", 2.0);
    compare("picture check, 24 pictures of 12 MP", "BM_CliCheck", "BM_Djpeg", "djpeg", 1.2);
    return 0;
}
