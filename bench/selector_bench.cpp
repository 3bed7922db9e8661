// The playlist selector's two costly steps on a folder of 1,000 playlists with
// 1000 x 1000 covers: listing the folder, and finding and decoding one cover
// at the size of its cell.
#include "CoverFolder.h"
#include "selector/SelectorFolder.h"

#include <benchmark/benchmark.h>

namespace {

void BM_SelectorListFolder(benchmark::State& state) {
    const QString folder = velto::bench::CoverFolder::Get().path();
    for (auto _ : state) {
        const QStringList entries = velto::ListSelectorFolder(folder);
        if (entries.size() != velto::bench::CoverFolder::kPlaylists)
            state.SkipWithError("wrong count");
    }
}
BENCHMARK(BM_SelectorListFolder)->Unit(benchmark::kMillisecond);

void BM_SelectorCoverAtCellSize(benchmark::State& state) {
    const QString entry = velto::bench::CoverFolder::Get().path() + "/Playlist 0500.m3u";
    for (auto _ : state) {
        const QImage image = velto::EntryImage(entry, {}, QSize(160, 120));
        if (image.isNull()) state.SkipWithError("no picture");
    }
}
BENCHMARK(BM_SelectorCoverAtCellSize)->Unit(benchmark::kMillisecond);

} // namespace
