// Resizing a 24-megapixel camera JPEG to 640 x 480 at quality 90, each tool
// as a child process on the same picture in the same run:
//   vistello-cli resize --box 640x480 --quality 90,90 (in place, on a fresh
//     copy before each run; CopyOriginal off)
//   vistello-cli resize --box 640x480 --max-kb 50 (the quality search: 14
//     trials in memory)
//   vipsthumbnail -s 640x480 -o out.jpg[Q=90]
//   ImageMagick convert -define jpeg:size=1280x960 -resize 640x480 -quality 90
// Best of N after a warm-up, with the child's CPU time and peak resident
// size. The last lines give the ratios: vistello / vipsthumbnail and
// vistello / convert (below 1 means vistello-cli is faster), the search's
// cost over a plain resize, and the peak memory.
#include "ChildRun.h"

#include "app/samples/SamplePicture.h"
#include "core/settings/SettingsStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

struct Workspace {
    QTemporaryDir dir;
    QString picture;      // the camera file, never changed
    std::string working;  // resized in place, refreshed before every run
    std::string settings; // CopyOriginal off: no backup copies
    std::string output;   // the reference tools' output
    bool ready = false;

    Workspace()
    {
        vistello::samples::SamplePictureRecipe recipe;
        recipe.displaySize = QSize(6000, 4000);
        const QByteArray bytes = vistello::samples::buildSamplePicture(recipe);
        const QString base = dir.path() + QLatin1Char('/');
        picture = base + QStringLiteral("camera.jpg");
        working = (base + "working.jpg").toStdString();
        settings = (base + "settings.xml").toStdString();
        output = (base + "out.jpg").toStdString();
        vistello::SettingsStore store(base);
        store.setBool(QStringLiteral("CopyOriginal"), false);
        QFile s(QString::fromStdString(settings));
        QFile p(picture);
        ready = !bytes.isEmpty() && s.open(QIODevice::WriteOnly) && s.write(store.serialize()) > 0 &&
                p.open(QIODevice::WriteOnly) && p.write(bytes) == bytes.size();
    }

    bool refreshWorking() const
    {
        const QString path = QString::fromStdString(working);
        QFile::remove(path);
        return QFile::copy(picture, path);
    }
};

Workspace& workspace()
{
    static Workspace w;
    return w;
}

std::map<std::string, BestRun> best;

void timeChild(benchmark::State& state, const std::string& name, const std::vector<std::string>& args,
               bool inPlace)
{
    const Workspace& w = workspace();
    if (!w.ready) {
        state.SkipWithError("cannot write the test picture");
        return;
    }
    if (args[0].find('/') == std::string::npos && QStandardPaths::findExecutable(QString::fromStdString(args[0])).isEmpty()) {
        state.SkipWithError("tool is not installed");
        return;
    }
    const auto once = [&] { return (!inPlace || w.refreshWorking()) ? runChild(args) : ChildRun{}; };
    once(); // warm-up: page cache, dynamic linking
    for (auto _ : state) {
        state.PauseTiming();
        const ChildRun run = once();
        state.ResumeTiming();
        if (!run.ok) {
            state.SkipWithError("the command failed");
            return;
        }
        state.SetIterationTime(run.seconds);
        best[name].add(run);
    }
    state.counters["cpu_ms"] = best[name].cpuSeconds * 1000;
    state.counters["peakMB"] = double(best[name].peakKilobytes) / 1024.0;
}

std::string workingInput() { return workspace().working; }
std::string cameraInput() { return workspace().picture.toStdString(); }

void BM_VistelloResize(benchmark::State& state)
{
    timeChild(state, "vistello",
              {VISTELLO_CLI_PATH, "resize", "-x", workspace().settings, "--box", "640x480", "--quality", "90,90",
               workingInput()},
              true);
}

void BM_VistelloResizeMaxKb(benchmark::State& state)
{
    timeChild(state, "vistello-max-kb",
              {VISTELLO_CLI_PATH, "resize", "-x", workspace().settings, "--box", "640x480", "--max-kb", "50",
               workingInput()},
              true);
}

void BM_Vipsthumbnail(benchmark::State& state)
{
    timeChild(state, "vipsthumbnail",
              {"vipsthumbnail", "-s", "640x480", "-o", workspace().output + "[Q=90]", cameraInput()}, false);
}

void BM_ImageMagickConvert(benchmark::State& state)
{
    timeChild(state, "convert",
              {"convert", "-define", "jpeg:size=1280x960", cameraInput(), "-resize", "640x480", "-quality", "90",
               workspace().output},
              false);
}

BENCHMARK(BM_VistelloResize)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(7);
BENCHMARK(BM_VistelloResizeMaxKb)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(7);
BENCHMARK(BM_Vipsthumbnail)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(7);
BENCHMARK(BM_ImageMagickConvert)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(7);

void printRatio(const char* label, const std::string& ours, const std::string& theirs)
{
    if (!best.count(ours) || !best.count(theirs))
        return;
    const BestRun& a = best.at(ours);
    const BestRun& b = best.at(theirs);
    std::printf("%s: time %.0f / %.0f ms = %.2f, CPU %.0f / %.0f ms = %.2f, peak memory %.1f / %.1f MB\n", label,
                a.seconds * 1000, b.seconds * 1000, a.seconds / b.seconds, a.cpuSeconds * 1000, b.cpuSeconds * 1000,
                a.cpuSeconds / b.cpuSeconds, double(a.peakKilobytes) / 1024, double(b.peakKilobytes) / 1024);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("\n");
    printRatio("vistello-cli resize / vipsthumbnail", "vistello", "vipsthumbnail");
    printRatio("vistello-cli resize / convert", "vistello", "convert");
    printRatio("--max-kb 50 / plain resize", "vistello-max-kb", "vistello");
    return 0;
}
