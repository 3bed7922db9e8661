#include "common/PathNames.h"
#include "common/TextFiles.h"

#include <benchmark/benchmark.h>

static void BM_NiceName(benchmark::State& state) {
    const QString name = QStringLiteral("/home/user/Music/Artist/01_-_Some_Long.Song.Title.mp3");
    for (auto _ : state)
        benchmark::DoNotOptimize(velto::NiceName(name));
}
BENCHMARK(BM_NiceName);

static void BM_SplitLines(benchmark::State& state) {
    QString text;
    for (int i = 0; i < state.range(0); ++i)
        text += QStringLiteral("/music/folder/track%1.mp3\r\n").arg(i);
    for (auto _ : state)
        benchmark::DoNotOptimize(velto::SplitLines(text));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_SplitLines)->Arg(32766);
