// Writing the whole sample folder, and encoding its largest picture beside
// cjpeg encoding the same pixels. The folder should take well under a
// second in a release build; the encoder should stay within twice cjpeg's
// time (the ratio is printed at the end).
#include "app/samples/JpegWriter.h"
#include "app/samples/SampleScene.h"
#include "app/samples/SampleSet.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <string>

using namespace vistello::samples;

namespace {

std::map<std::string, double>& bestSeconds()
{
    static std::map<std::string, double> best;
    return best;
}

void remember(const char* name, double seconds)
{
    double& best = bestSeconds()[name];
    if (best == 0 || seconds < best)
        best = seconds;
}

const QImage& landscape()
{
    static const QImage image = drawUprightScene(1600, 1200);
    return image;
}

void BM_MakeSampleFolder(benchmark::State& state)
{
    for (auto _ : state) {
        QTemporaryDir dir;
        if (!makeSamples(dir.path(), nullptr))
            state.SkipWithError("makeSamples failed");
    }
}

void BM_EncodeLandscape(benchmark::State& state)
{
    JpegWriteOptions options;
    options.quality = 90;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(JpegWriter::encode(landscape(), options));
        remember("ours", std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    state.counters["MP/s"] = benchmark::Counter(1.92 * double(state.iterations()), benchmark::Counter::kIsRate);
}

// The JPEG library's own command-line encoder on the same pixels (PPM on stdin).
void BM_CjpegLandscape(benchmark::State& state)
{
    if (QStandardPaths::findExecutable("cjpeg").isEmpty()) {
        state.SkipWithError("cjpeg is not installed");
        return;
    }
    const QImage& image = landscape();
    QByteArray ppm = QStringLiteral("P6\n%1 %2\n255\n").arg(image.width()).arg(image.height()).toLatin1();
    for (int y = 0; y < image.height(); ++y)
        ppm.append(reinterpret_cast<const char*>(image.constScanLine(y)), image.width() * 3);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        QProcess p;
        p.start("cjpeg", {"-quality", "90"});
        p.write(ppm);
        p.closeWriteChannel();
        p.waitForFinished();
        benchmark::DoNotOptimize(p.readAllStandardOutput());
        remember("cjpeg", std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}

BENCHMARK(BM_MakeSampleFolder)->Unit(benchmark::kMillisecond)->MinWarmUpTime(0.2)->UseRealTime();
BENCHMARK(BM_EncodeLandscape)->Unit(benchmark::kMillisecond)->MinWarmUpTime(0.2)->UseRealTime();
BENCHMARK(BM_CjpegLandscape)->Unit(benchmark::kMillisecond)->MinWarmUpTime(0.2)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const auto& best = bestSeconds();
    if (best.count("ours") && best.count("cjpeg") && best.at("cjpeg") > 0)
        std::printf("encoder / cjpeg (best of N, cjpeg includes process start): %.2f\n",
                    best.at("ours") / best.at("cjpeg"));
    return 0;
}
