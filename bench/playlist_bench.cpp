// Reading a full-size playlist into the model and writing it back, the way
// start-up and shut-down do.
#include "common/TextFiles.h"
#include "playlist/PlaylistFiles.h"
#include "state/PlaylistModel.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A last-run playlist of the largest size: most entries below the list's own
// folder (written relative), some elsewhere, a few radio stations.
QByteArray fullPlaylistText() {
    QByteArray text;
    for (int i = 0; i < velto::kMaxPlaylistEntries; ++i) {
        QByteArray line;
        if (i % 50 == 0)
            line = "http://radio.example.net:8000/station" + QByteArray::number(i);
        else if (i % 5 == 0)
            line = "/srv/media/Shared Music/Artist " + QByteArray::number(i / 100) + "/Album " +
                   QByteArray::number(i / 10) + "/" + QByteArray::number(i % 10) +
                   "_-_Some_Song_Title.mp3";
        else
            line = "Music/Artist " + QByteArray::number(i / 100) + "/Album " +
                   QByteArray::number(i / 10) + "/0" + QByteArray::number(i % 10) +
                   "_-_Another.Song_Title.mp3";
        text += line + "\r\n";
    }
    return text;
}

struct PlaylistOnDisk {
    QTemporaryDir dir;
    QString file = dir.path() + QStringLiteral("/playlist.m3u");
    PlaylistOnDisk() { velto::WriteFileAtomically(file, fullPlaylistText()); }
};

void BM_ReadFullM3uIntoModel(benchmark::State& state) {
    PlaylistOnDisk disk;
    for (auto _ : state) {
        velto::PlaylistModel model;
        model.Append(velto::ReadPlaylistFile(disk.file, velto::kMaxPlaylistEntries));
        if (model.Count() != velto::kMaxPlaylistEntries) state.SkipWithError("short read");
        benchmark::DoNotOptimize(model.Count());
    }
    state.SetItemsProcessed(state.iterations() * velto::kMaxPlaylistEntries);
}
BENCHMARK(BM_ReadFullM3uIntoModel)->Unit(benchmark::kMillisecond);

void BM_WriteFullModelAsM3u(benchmark::State& state) {
    PlaylistOnDisk disk;
    velto::PlaylistModel model;
    model.Append(velto::ReadPlaylistFile(disk.file, velto::kMaxPlaylistEntries));
    for (auto _ : state) {
        if (!velto::WriteFileAtomically(disk.file, velto::M3uText(model, disk.file)))
            state.SkipWithError("write failed");
    }
    state.SetItemsProcessed(state.iterations() * velto::kMaxPlaylistEntries);
}
BENCHMARK(BM_WriteFullModelAsM3u)->Unit(benchmark::kMillisecond);

} // namespace
