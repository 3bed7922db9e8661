#include "trackinfo/MpegHeader.h"

#include <benchmark/benchmark.h>

// The longest search: a whole window of false syncs (bitrate index 15) and no frame.
static void BM_DecodeMpegAudioNoFrame(benchmark::State& state) {
    QByteArray junk;
    while (junk.size() < velto::kMpegReadWindow)
        junk += QByteArray::fromHex("FFFBF040");
    for (auto _ : state)
        benchmark::DoNotOptimize(velto::DecodeMpegAudio(junk, junk.size()));
    state.SetBytesProcessed(state.iterations() * velto::kMpegSearchLimit);
}
BENCHMARK(BM_DecodeMpegAudioNoFrame);
