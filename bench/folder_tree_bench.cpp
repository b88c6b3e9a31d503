// Opening a folder-tree branch that holds 5,000 sub-folders: the listing
// (one directory read, sorted as the tree shows it) and the tree model's
// fetchMore, beside `find DIR -maxdepth 1 -type d` on the same folder as a
// process. The branch must be shown within 0.5 s; the counts follow later
// from the worker and are not part of the figure.
#include "core/lists/PathCollation.h"
#include "organize/folders/Favorites.h"
#include "organize/folders/FolderTreeModel.h"
#include "organize/folders/SubfolderListing.h"
#include "BestOfReporter.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>

using namespace vistello;

namespace {

constexpr int kFolders = 5000;

QString& folder()
{
    static QString path;
    return path;
}

// Camera-like folder names in mixed case, each holding one picture so that
// the tree's texts have work to do.
bool makeFolder(const QString& dir)
{
    for (int i = 0; i < kFolders; ++i) {
        const int n = (i * 7919) % kFolders;
        const QString name = QStringLiteral("%1_%2").arg(n % 3 ? QStringLiteral("Trip") : QStringLiteral("dcim")).arg(n, 4, 10, QLatin1Char('0'));
        if (!QDir().mkdir(dir + name))
            return false;
        QFile picture(dir + name + QStringLiteral("/IMG_0001.JPG"));
        if (!picture.open(QIODevice::WriteOnly))
            return false;
    }
    return true;
}

void BM_ListAndSortSubfolders(benchmark::State& state)
{
    for (auto _ : state) {
        QStringList names = listSubfolders(folder(), HiddenFolders::Skip);
        sortPaths(names);
        if (names.size() != kFolders)
            state.SkipWithError("wrong folder count");
        benchmark::DoNotOptimize(names.data());
    }
}

// What the tree does when the branch opens: the model's fetchMore.
void BM_ModelExpandBranch(benchmark::State& state)
{
    FavoritesList favorites;
    for (auto _ : state) {
        state.PauseTiming();
        FolderTreeModel model(favorites);
        model.setShowInfo(false);
        const QModelIndex branch = model.indexOfFolder(folder());
        state.ResumeTiming();
        model.fetchMore(branch);
        if (model.rowCount(branch) != kFolders)
            state.SkipWithError("wrong row count");
    }
}

void BM_FindMaxdepth1(benchmark::State& state)
{
    for (auto _ : state) {
        QProcess p;
        p.start(QStringLiteral("find"), {folder(), QStringLiteral("-maxdepth"), QStringLiteral("1"), QStringLiteral("-type"), QStringLiteral("d")});
        p.waitForFinished(-1);
        const QByteArray out = p.readAllStandardOutput();
        if (out.count('\n') != kFolders + 1)
            state.SkipWithError("find failed");
        benchmark::DoNotOptimize(out.data());
    }
}

BENCHMARK(BM_ListAndSortSubfolders)->Unit(benchmark::kMillisecond)->Repetitions(7)->UseRealTime();
BENCHMARK(BM_ModelExpandBranch)->Unit(benchmark::kMillisecond)->Repetitions(7)->UseRealTime();
BENCHMARK(BM_FindMaxdepth1)->Unit(benchmark::kMillisecond)->Repetitions(7)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    QTemporaryDir dir;
    if (!dir.isValid() || !makeFolder(dir.path() + QLatin1Char('/'))) {
        std::fprintf(stderr, "cannot create the folders\n");
        return 1;
    }
    folder() = dir.path() + QLatin1Char('/');

    BestOfReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto at = [&](const char* name) {
        const auto it = reporter.best.find(name);
        return it == reporter.best.end() ? 0.0 : it->second;
    };
    const double expand = at("BM_ModelExpandBranch");
    const double find = at("BM_FindMaxdepth1");
    std::printf("\n%d sub-folders: listing+sort %.1f ms, model expand %.1f ms (limit 500 ms) %s, "
                "find -maxdepth 1 -type d %.1f ms, ratio expand/find %.2f\n",
                kFolders, at("BM_ListAndSortSubfolders"), expand, expand < 500.0 ? "OK" : "TOO SLOW", find,
                find > 0 ? expand / find : 0.0);
    return 0;
}
