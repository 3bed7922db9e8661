// The Visual Playlist Selector's window (offscreen) on a folder of 1,000
// playlists with 1000 x 1000 covers: from asking for the folder until the
// first page's 16 pictures are shown and painted, and the same for a page
// change. Worker threads decode; the window's thread waits in its event loop.
// CPU is that of the whole process (the workers included): on a busy machine
// it says more than the wall time.
#include "../CoverFolder.h"
#include "app/Player.h"
#include "fakes/FakeMediaElement.h"
#include "fakes/FakePorts.h"
#include "selector/VisSelector.h"
#include "ui/selector/frmVisLoader.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace velto;

struct Rig {
    test::FakeSettingsStore store;
    test::FakeDialogs dialogs;
    test::FakeClock clock;
    test::FakeShell shell;
    test::FakeMediaWorld media;
    test::FakeMainWindow window;
    QTemporaryDir home;
    Player player{
        Ports{store, dialogs, clock, shell, Folders{home.path(), home.path()}, media, &window}};
    frmVisLoader view{player.Selector()};

    Rig() {
        player.settings.VisPLPath = bench::CoverFolder::Get().path();
        view.show();
        view.Form_Load();
        Drawn();
    }
    VisSelector& sel() { return player.Selector(); }
    void Drawn() {
        while (sel().Busy())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        view.repaint();
    }
};

void BM_SelectorFirstPage(benchmark::State& state) {
    Rig rig;
    for (auto _ : state) {
        rig.sel().ListDir(bench::CoverFolder::Get().path());
        rig.Drawn();
    }
    if (rig.sel().lPgStat != "Page 1 of 63.  Total Playlists:1000") state.SkipWithError("status");
}
BENCHMARK(BM_SelectorFirstPage)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

void BM_SelectorPageChange(benchmark::State& state) {
    Rig rig;
    for (auto _ : state) {
        if (rig.sel().Page == 0)
            rig.sel().cNext_Click();
        else
            rig.sel().cPrev_Click();
        rig.Drawn();
    }
}
BENCHMARK(BM_SelectorPageChange)
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
