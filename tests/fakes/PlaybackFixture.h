#pragma once
// A Player on fake media elements, with a playlist of files that exist and a
// tick that moves the media clock on by the timer's period.
#include "fakes/PlayerFixture.h"
#include "playback/PlaybackEngine.h"

#include <initializer_list>

namespace velto::test {

class PlaybackFixture : public PlayerFixture {
protected:
    // Adds entries whose files exist (made empty in a music folder), each
    // with its scripted length; returns their paths.
    QStringList AddTracks(std::initializer_list<std::pair<QString, int32_t>> tracks) {
        QStringList paths;
        std::vector<PlaylistEntry> entries;
        for (const auto& [name, lengthMs] : tracks) {
            const QString path = music.write(name, "x");
            media.media[path].lengthMs = lengthMs;
            entries.push_back({name.section(u'.', 0, 0), path});
            paths << path;
        }
        player->playlist.Append(std::move(entries));
        return paths;
    }

    // One timer period of media time, then the tick.
    void Tick(int times = 1) {
        for (int i = 0; i < times; ++i) {
            media.nowMs += PlaybackTimer::kIntervalMs;
            player->Timer1_Timer();
        }
    }
    // Ticks until the current entry changes (at most `limit` ticks); the ticks taken.
    int TicksUntilTrackChanges(int limit = 10000) {
        const int16_t start = player->TNum;
        for (int i = 1; i <= limit; ++i) {
            Tick();
            if (player->TNum != start) return i;
        }
        return -1;
    }
    // Gives slider n a horizontal track of `w` pixels from x (or a vertical one).
    void DefineSlider(int n, int16_t x, int16_t y, int16_t w, int16_t h) {
        SliderTable& t = player->skin.SlideTab[static_cast<size_t>(n)];
        t = SliderTable{};
        t.x = x, t.y = y, t.w = w, t.h = h, t.c = 8, t.d = 8;
        player->surface.iSlider[static_cast<size_t>(n)].rect = QRect(x, y, 8, 8);
    }
    QString Caption(int n) const { return player->surface.Lbl[static_cast<size_t>(n)].caption; }
    bool Lit(int n) const { return player->surface.Ind[static_cast<size_t>(n)].visible; }

    TempDir music;
};

} // namespace velto::test
