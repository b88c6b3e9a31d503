// Publishing beside reference tools, each as a child process on the same
// files, timed with the child's peak memory (getrusage): 28 camera JPEGs of
// 24 megapixels into one default index picture beside ImageMagick's montage
// with the same geometry and DCT-scaled loading (also with pictures that
// carry no EXIF thumbnail, so every one is decoded), and a gallery of 100
// 6-megapixel pictures beside vipsthumbnail making the same thumbnails
// (120 x 120) and copies (640 x 480) plus cp of the originals. Best of N
// after a warm-up.
#include "ChildRun.h"

#include "app/samples/SamplePicture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

// count copies of one generated camera picture (distinct names).
std::vector<std::string> writePictures(const QString& folder, QSize size, int count, bool thumbnail = true)
{
    vistello::samples::SamplePictureRecipe recipe;
    recipe.displaySize = size;
    recipe.thumbnail = thumbnail;
    const QByteArray bytes = vistello::samples::buildSamplePicture(recipe);
    QDir().mkpath(folder);
    std::vector<std::string> paths;
    for (int i = 0; i < count && !bytes.isEmpty(); ++i) {
        const QString path = QStringLiteral("%1/IMG_%2.jpg").arg(folder).arg(i, 4, 10, QLatin1Char('0'));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {};
        paths.push_back(path.toStdString());
    }
    return paths;
}

struct Workspace {
    QTemporaryDir dir;
    std::string base;
    std::vector<std::string> sheetPictures;   // 28 x 24 MP
    std::vector<std::string> bareSheetPictures; // the same without EXIF thumbnails
    std::vector<std::string> galleryPictures; // 100 x 6 MP

    Workspace()
    {
        base = (dir.path() + QLatin1Char('/')).toStdString();
        sheetPictures = writePictures(dir.path() + "/sheet", QSize(6000, 4000), 28);
        bareSheetPictures = writePictures(dir.path() + "/bare", QSize(6000, 4000), 28, false);
        galleryPictures = writePictures(dir.path() + "/gallery", QSize(3000, 2000), 100);
        for (const char* folder : {"home", "index", "montage", "ours", "vips"})
            QDir().mkpath(dir.path() + QLatin1Char('/') + QLatin1String(folder));
        QFile settings(dir.path() + "/settings.xml");
        settings.open(QIODevice::WriteOnly);
        settings.write("<?xml version=\"1.0\"?>\r\n<Document>\r\n <Settings>\r\n </Settings>\r\n</Document>\r\n");
    }
    bool ready() const { return sheetPictures.size() == 28 && bareSheetPictures.size() == 28 && galleryPictures.size() == 100; }
};

Workspace& workspace()
{
    static Workspace w;
    return w;
}

std::map<std::string, BestRun> best;

void timeChild(benchmark::State& state, const std::string& name, const std::vector<std::string>& args)
{
    if (!workspace().ready()) {
        state.SkipWithError("cannot write the test pictures");
        return;
    }
    const std::string tool = args[0] == "sh" ? "vipsthumbnail" : args[0];
    if (tool.find('/') == std::string::npos && QStandardPaths::findExecutable(QString::fromStdString(tool)).isEmpty()) {
        state.SkipWithError("tool is not installed");
        return;
    }
    runChild(args); // warm-up: page cache, dynamic linking
    for (auto _ : state) {
        const ChildRun run = runChild(args);
        if (!run.ok) {
            state.SkipWithError("the command failed");
            return;
        }
        state.SetIterationTime(run.seconds);
        best[name].add(run);
    }
    state.counters["peakMB"] = double(best[name].peakKilobytes) / 1024.0;
}

std::vector<std::string> plus(std::vector<std::string> args, const std::vector<std::string>& more)
{
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

std::string joined(const std::vector<std::string>& paths)
{
    std::string text;
    for (const std::string& p : paths)
        text += " '" + p + "'";
    return text;
}

void BM_VistelloIndexSheet(benchmark::State& state)
{
    const Workspace& w = workspace();
    timeChild(state, "index", plus({VISTELLO_CLI_PATH, "index", "-x", w.base + "settings.xml", "-o", w.base + "index"},
                                   w.sheetPictures));
}

// Every picture decoded (DCT-scaled, two threads): no thumbnail to take.
void BM_VistelloIndexSheetDecoding(benchmark::State& state)
{
    const Workspace& w = workspace();
    timeChild(state, "index-decoding",
              plus({VISTELLO_CLI_PATH, "index", "-x", w.base + "settings.xml", "-o", w.base + "index"},
                   w.bareSheetPictures));
}

void BM_MontageIndexSheet(benchmark::State& state)
{
    const Workspace& w = workspace();
    timeChild(state, "montage",
              plus(plus({"montage", "-define", "jpeg:size=240x160"}, w.sheetPictures),
                   {"-geometry", "120x80+5+5", "-tile", "7x4", w.base + "montage/sheet.jpg"}));
}

void BM_VistelloGallery(benchmark::State& state)
{
    const Workspace& w = workspace();
    timeChild(state, "gallery",
              plus({VISTELLO_CLI_PATH, "gallery", "-b", w.base + "home", "-o", w.base + "ours"}, w.galleryPictures));
}

void BM_VipsthumbnailGallery(benchmark::State& state)
{
    const Workspace& w = workspace();
    const std::string files = joined(w.galleryPictures);
    const std::string out = w.base + "vips/";
    timeChild(state, "vips",
              {"sh", "-c",
               "vipsthumbnail -s 120x120 -o '" + out + "t_%s.jpg[Q=90]'" + files + " && vipsthumbnail -s 640x480 -o '" + out
                   + "k_%s.jpg[Q=90]'" + files + " && cp" + files + " '" + out + "'"});
}

BENCHMARK(BM_VistelloIndexSheet)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(BM_VistelloIndexSheetDecoding)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(BM_MontageIndexSheet)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(BM_VistelloGallery)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK(BM_VipsthumbnailGallery)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

void printRatio(const char* ours, const char* theirs, const char* what)
{
    if (!best.count(ours) || !best.count(theirs))
        return;
    const BestRun& a = best.at(ours);
    const BestRun& b = best.at(theirs);
    std::printf("%s: %.0f / %.0f ms = %.2f (%.1fx as fast), peak memory %.1f / %.1f MB\n", what, a.seconds * 1000,
                b.seconds * 1000, a.seconds / b.seconds, b.seconds / a.seconds, double(a.peakKilobytes) / 1024,
                double(b.peakKilobytes) / 1024);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printRatio("index", "montage", "index sheet, vistello-cli / montage");
    printRatio("index-decoding", "montage", "index sheet without EXIF thumbnails, vistello-cli / montage");
    printRatio("gallery", "vips", "gallery, vistello-cli / vipsthumbnail + cp");
    return 0;
}
