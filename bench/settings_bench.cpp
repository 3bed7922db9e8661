#include "platform/IniSettingsStore.h"
#include "state/Settings.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// A start and an exit on a settings file of about 1.5 MB (the player's keys
// plus a large section someone else keeps there): one read, one write.
static void BM_SettingsStartAndExit(benchmark::State& state) {
    QTemporaryDir dir;
    QByteArray text = "[config]\nSkin=/skins/a.skin\nWinSavePos= 1\nX=1500\nY=1200\n[other]\n";
    for (int i = 0; text.size() < 1'500'000; ++i)
        text += "key" + QByteArray::number(i) + "=some value that someone keeps here " +
                QByteArray::number(i) + "\n";
    QFile file(dir.filePath(QStringLiteral("morvanix.ini")));
    file.open(QIODevice::WriteOnly);
    file.write(text);
    file.close();
    for (auto _ : state) {
        velto::IniSettingsStore store(dir.path());
        velto::Settings settings;
        settings.Read(store, 0, 0);
        settings.Write(store);
        benchmark::DoNotOptimize(store.Sync());
    }
}
BENCHMARK(BM_SettingsStartAndExit)->Unit(benchmark::kMillisecond);
