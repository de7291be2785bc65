// Time of opening the shipped dictionary and of filling the region tree from it.
// Usage: bench_dictionary [benchmark flags] [path to 系统词典.db]; without a path the
// database in DICT beside the executable is used.
#include "core/dict_trees.h"
#include "core/dictionary.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

QString gPath;

void BM_OpenDictionary(benchmark::State& state) {
    for (auto _ : state) {
        mf::Dictionary dict;
        QString error;
        if (!dict.open(gPath, &error)) {
            state.SkipWithError(error.toLocal8Bit().constData());
            break;
        }
        benchmark::DoNotOptimize(dict.codeList().size());
    }
}
BENCHMARK(BM_OpenDictionary)->Unit(benchmark::kMillisecond);

// Opens the shipped dictionary for a benchmark, or marks the benchmark skipped.
bool openOrSkip(mf::Dictionary& dict, benchmark::State& state) {
    QString error;
    if (dict.open(gPath, &error)) return true;
    state.SkipWithError(error.toLocal8Bit().constData());
    return false;
}

void BM_LoadRegionTree(benchmark::State& state) {
    mf::Dictionary dict;
    if (!openOrSkip(dict, state)) return;
    for (auto _ : state) {
        mf::MemoryTree tree;
        mf::LoadRegionTree(tree, dict);
        benchmark::DoNotOptimize(tree.size());
    }
}
BENCHMARK(BM_LoadRegionTree)->Unit(benchmark::kMillisecond);

void BM_ExpandEveryCity(benchmark::State& state) {
    mf::Dictionary dict;
    if (!openOrSkip(dict, state)) return;
    for (auto _ : state) {
        state.PauseTiming();
        mf::MemoryTree tree;
        mf::LoadRegionTree(tree, dict);
        QStringList cities;
        for (const mf::TreeNode& n : tree.nodes()) {
            if (n.key.startsWith(QLatin1Char('B')))
                cities << n.key;
        }
        state.ResumeTiming();
        for (const QString& key : cities)
            mf::ExpandRegionNode(tree, key, dict);
        state.counters["cities"] = double(cities.size());
    }
}
BENCHMARK(BM_ExpandEveryCity)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    QCoreApplication app(argc, argv);
    gPath = argc > 1 ? QString::fromLocal8Bit(argv[1])
                     : QCoreApplication::applicationDirPath() + QStringLiteral("/DICT/系统词典.db");
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
