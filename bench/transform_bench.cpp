// Rotate right of a 24-megapixel camera JPEG: vistello-cli transform beside
// jpegtran on the same file, each as a child process, timed and with the
// child's peak memory and CPU time (getrusage of the child). Best of N after
// a warm-up. The CPU time (user + system) is the steadier figure on a
// shared machine, where wall times swing with the other load.
#include "ChildRun.h"

#include "app/samples/SamplePicture.h"
#include "core/settings/SettingsStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

struct Workspace {
    QTemporaryDir dir;
    std::string picture;  // the camera file, never changed
    std::string working;  // rotated again and again by vistello-cli
    std::string settings; // CopyOriginal off: no backup copies
    std::string output;   // jpegtran's output
    bool ready = false;

    Workspace()
    {
        vistello::samples::SamplePictureRecipe recipe;
        recipe.displaySize = QSize(6000, 4000);
        const QByteArray bytes = vistello::samples::buildSamplePicture(recipe);
        const QString base = dir.path() + QLatin1Char('/');
        picture = (base + "camera.jpg").toStdString();
        working = (base + "working.jpg").toStdString();
        settings = (base + "settings.xml").toStdString();
        output = (base + "jpegtran.jpg").toStdString();
        vistello::SettingsStore store(base);
        store.setBool(QStringLiteral("CopyOriginal"), false);
        QFile s(QString::fromStdString(settings));
        QFile p(QString::fromStdString(picture));
        QFile w(QString::fromStdString(working));
        ready = !bytes.isEmpty() && s.open(QIODevice::WriteOnly) && s.write(store.serialize()) > 0 &&
                p.open(QIODevice::WriteOnly) && p.write(bytes) == bytes.size() && w.open(QIODevice::WriteOnly) &&
                w.write(bytes) == bytes.size();
    }
};

Workspace& workspace()
{
    static Workspace w;
    return w;
}

std::map<std::string, BestRun> best;

void timeChild(benchmark::State& state, const std::string& name, const std::vector<std::string>& args)
{
    if (!workspace().ready) {
        state.SkipWithError("cannot write the test picture");
        return;
    }
    if (QStandardPaths::findExecutable(QString::fromStdString(args[0])).isEmpty() && args[0].find('/') == std::string::npos) {
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
    state.counters["MP/s"] = benchmark::Counter(24.0 * double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["peakMB"] = double(best[name].peakKilobytes) / 1024.0;
}

void BM_VistelloRotate90(benchmark::State& state)
{
    const Workspace& w = workspace();
    timeChild(state, "vistello", {VISTELLO_CLI_PATH, "transform", "rotate-90", "-x", w.settings, w.working});
}

void BM_JpegtranRotate90(benchmark::State& state)
{
    const Workspace& w = workspace();
    timeChild(state, "jpegtran", {"jpegtran", "-rotate", "90", "-trim", "-copy", "all", "-outfile", w.output, w.picture});
}

// We always optimize the Huffman tables; this is the like-for-like reference.
void BM_JpegtranOptimizeRotate90(benchmark::State& state)
{
    const Workspace& w = workspace();
    timeChild(state, "jpegtran-optimize",
              {"jpegtran", "-rotate", "90", "-trim", "-copy", "all", "-optimize", "-outfile", w.output, w.picture});
}

BENCHMARK(BM_VistelloRotate90)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(7);
BENCHMARK(BM_JpegtranRotate90)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(7);
BENCHMARK(BM_JpegtranOptimizeRotate90)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(7);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // The Qt libraries alone take memory jpegtran does not load: the program's
    // resident size when it does nothing but print its help.
    const ChildRun idle = runChild({VISTELLO_CLI_PATH, "--help"});
    if (idle.ok && best.count("vistello"))
        std::printf("vistello-cli idle (--help): %.1f MB, so the transform itself: %.1f MB\n",
                    double(idle.peakKilobytes) / 1024,
                    double(best.at("vistello").peakKilobytes - idle.peakKilobytes) / 1024);
    for (const char* reference : {"jpegtran", "jpegtran-optimize"}) {
        if (!best.count("vistello") || !best.count(reference))
            continue;
        const BestRun& ours = best.at("vistello");
        const BestRun& theirs = best.at(reference);
        std::printf("vistello-cli / %s: time %.0f / %.0f ms = %.2f, CPU %.0f / %.0f ms = %.2f, "
                    "peak memory %.1f / %.1f MB = %.2f\n",
                    reference, ours.seconds * 1000, theirs.seconds * 1000, ours.seconds / theirs.seconds,
                    ours.cpuSeconds * 1000, theirs.cpuSeconds * 1000, ours.cpuSeconds / theirs.cpuSeconds,
                    double(ours.peakKilobytes) / 1024, double(theirs.peakKilobytes) / 1024,
                    double(ours.peakKilobytes) / double(theirs.peakKilobytes));
    }
    return 0;
}
