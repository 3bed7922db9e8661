#include "skin/SkinRecords.h"
#include "state/Surface.h"
#include "ui/SurfacePainter.h"

#include <benchmark/benchmark.h>

// The window region of an outline of N thin slanted polygons across a
// 275 x 116 window, as a skin file of a few hundred kilobytes can give.
static void BM_OutlineRegionThinPolygons(benchmark::State& state) {
    velto::Surface surface;
    surface.windowPixels = QSize(275, 116);
    for (int i = 0; i < state.range(0); ++i) {
        const int x = (i * 7) % 275;
        surface.outline.emplace_back(
            QList<QPoint>{{x, 0}, {x + 2, 0}, {x + 40, 116}, {x + 38, 116}});
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(velto::OutlineRegion(surface));
}
BENCHMARK(BM_OutlineRegionThinPolygons)->Arg(4000)->Arg(16000)->Unit(benchmark::kMillisecond);

// Decoding the default skin's two pictures, as every start does.
static void BM_ReadDefaultSkinPictures(benchmark::State& state) {
    const QString dir = QStringLiteral(VELTO_SKINS_DIR "/default/");
    for (auto _ : state) {
        benchmark::DoNotOptimize(velto::ReadSkinPicture(dir + "default_face.bmp"));
        benchmark::DoNotOptimize(velto::ReadSkinPicture(dir + "default_res.bmp"));
    }
}
BENCHMARK(BM_ReadDefaultSkinPictures)->Unit(benchmark::kMillisecond);
