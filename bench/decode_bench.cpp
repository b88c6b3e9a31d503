// Loading a 24-megapixel camera JPEG into three boxes (1920×1080, 800×600,
// 160×120) as a view does, beside djpeg decoding the same file at the same
// DCT scale and vipsthumbnail making a thumbnail of the same size. Aims:
// within 1.15 × djpeg's time and faster than vipsthumbnail at every size.
// The tools' times include their process start, and so does the same load
// by `vistello-cli decode` as a whole process (output to /dev/null).
#include "app/samples/SamplePicture.h"
#include "core/filetypes/PictureFileTypes.h"
#include "imaging/decode/BuiltInFormats.h"
#include "imaging/decode/JpegScale.h"
#include "imaging/decode/PictureLoader.h"

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

using namespace vistello;

namespace {

constexpr int kWidth = 6000;
constexpr int kHeight = 4000;
constexpr double kMegapixels = kWidth * kHeight / 1e6;

struct Box {
    int width;
    int height;
};
constexpr Box kBoxes[] = {{1920, 1080}, {800, 600}, {160, 120}};

QTemporaryDir& workDir()
{
    static QTemporaryDir dir;
    return dir;
}

// The camera picture, written once.
const QString& picturePath()
{
    static const QString path = [] {
        samples::SamplePictureRecipe recipe;
        recipe.displaySize = QSize(kWidth, kHeight);
        recipe.quality = 92;
        const QString file = workDir().filePath(QStringLiteral("IMG_24MP.jpg"));
        QFile out(file);
        if (out.open(QIODevice::WriteOnly))
            out.write(samples::buildSamplePicture(recipe));
        return file;
    }();
    return path;
}

std::map<std::string, double>& bestSeconds()
{
    static std::map<std::string, double> best;
    return best;
}

void remember(const std::string& name, double seconds)
{
    double& best = bestSeconds()[name];
    if (best == 0 || seconds < best)
        best = seconds;
}

std::string key(const char* who, const Box& box)
{
    return std::string(who) + " " + std::to_string(box.width) + "x" + std::to_string(box.height);
}

void setRate(benchmark::State& state)
{
    state.counters["MP/s"] = benchmark::Counter(kMegapixels * double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_Load(benchmark::State& state)
{
    const Box box = kBoxes[state.range(0)];
    PictureRequest request;
    request.path = picturePath();
    request.boxWidth = box.width;
    request.boxHeight = box.height;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const std::optional<CachedPicture> picture = loadPicture(request);
        if (!picture) {
            state.SkipWithError("load failed");
            return;
        }
        benchmark::DoNotOptimize(picture->image.constBits());
        remember(key("load", box), std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    setRate(state);
}

bool runTool(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

void BM_Djpeg(benchmark::State& state)
{
    if (QStandardPaths::findExecutable(QStringLiteral("djpeg")).isEmpty()) {
        state.SkipWithError("djpeg is not installed");
        return;
    }
    const Box box = kBoxes[state.range(0)];
    JpegScaleRequest scale;
    scale.imageWidth = kWidth;
    scale.imageHeight = kHeight;
    scale.boxWidth = box.width;
    scale.boxHeight = box.height;
    const JpegScale s = chooseJpegScale(scale);
    const QStringList args{QStringLiteral("-scale"), QStringLiteral("%1/%2").arg(s.num).arg(s.denom),
                           QStringLiteral("-outfile"), QStringLiteral("/dev/null"), picturePath()};
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (!runTool(QStringLiteral("djpeg"), args)) {
            state.SkipWithError("djpeg failed");
            return;
        }
        remember(key("djpeg", box), std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    setRate(state);
}

void BM_CliDecode(benchmark::State& state)
{
    const Box box = kBoxes[state.range(0)];
    const QStringList args{QStringLiteral("decode"), QStringLiteral("--box"),
                           QStringLiteral("%1x%2").arg(box.width).arg(box.height), picturePath(), QStringLiteral("-o"),
                           QStringLiteral("/dev/null")};
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (!runTool(QStringLiteral(VISTELLO_CLI_PATH), args)) {
            state.SkipWithError("vistello-cli decode failed");
            return;
        }
        remember(key("cli", box), std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    setRate(state);
}

void BM_Vipsthumbnail(benchmark::State& state)
{
    if (QStandardPaths::findExecutable(QStringLiteral("vipsthumbnail")).isEmpty()) {
        state.SkipWithError("vipsthumbnail is not installed (Debian libvips-tools)");
        return;
    }
    const Box box = kBoxes[state.range(0)];
    // The .v output is vips' own uncompressed format: no encoder in the timing.
    const QStringList args{picturePath(), QStringLiteral("-s"), QStringLiteral("%1x%2").arg(box.width).arg(box.height),
                           QStringLiteral("-o"), workDir().filePath(QStringLiteral("thumb.v"))};
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (!runTool(QStringLiteral("vipsthumbnail"), args)) {
            state.SkipWithError("vipsthumbnail failed");
            return;
        }
        remember(key("vips", box), std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    setRate(state);
}

BENCHMARK(BM_Load)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->MinWarmUpTime(0.2)->UseRealTime();
BENCHMARK(BM_Djpeg)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->MinWarmUpTime(0.2)->UseRealTime();
BENCHMARK(BM_CliDecode)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->MinWarmUpTime(0.2)->UseRealTime();
BENCHMARK(BM_Vipsthumbnail)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->MinWarmUpTime(0.2)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    registerBuiltInFormats(PictureFileTypes::instance(), false, nullptr);
    picturePath();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const auto& best = bestSeconds();
    std::printf("\n%-10s %10s %10s %10s %10s %12s %12s %12s\n", "box", "load ms", "cli ms", "djpeg ms", "vips ms",
                "load/djpeg", "cli/djpeg", "load/vips");
    for (const Box& box : kBoxes) {
        const auto at = [&](const char* who) {
            const auto it = best.find(key(who, box));
            return it == best.end() ? 0.0 : it->second * 1000;
        };
        const double load = at("load"), cli = at("cli"), djpeg = at("djpeg"), vips = at("vips");
        std::printf("%4dx%-5d %10.1f %10.1f %10.1f %10.1f %12.2f %12.2f %12.2f\n", box.width, box.height, load, cli,
                    djpeg, vips, djpeg > 0 ? load / djpeg : 0.0, djpeg > 0 ? cli / djpeg : 0.0,
                    vips > 0 ? load / vips : 0.0);
    }
    std::printf("(best of N; %.0f megapixels; the tools' times include their process start)\n", kMegapixels);
    return 0;
}
