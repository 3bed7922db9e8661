#pragma once
// A Player on fake ports and media elements in temporary program, user and music
// folders; entries whose files exist, ticks of media time, small skins written on the fly.
#include "app/Player.h"
#include "fakes/FakeMediaElement.h"
#include "fakes/FakePorts.h"
#include "playback/PlaybackEngine.h"
#include "state/Elements.h"
#include "support/TestFiles.h"
#include "support/TestPictures.h"

#include <QDir>

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

namespace velto::test {

inline QString WriteBitmap(const TempDir& dir, const QString& name, QSize size, QColor colour) {
    return dir.write(name, PictureBytes("BMP", colour, size));
}

// A skin header: face.bmp and res.bmp, sizes 200x100, 200x50 and 100x20, CoolFlag `cool`.
inline QByteArray SkinHeader(const QByteArray& info = "Test skin", int cool = 0) {
    return "VeltoSkin\r\n" + info + "\r\n200,100,200,50,100,20\r\nface.bmp,res.bmp\r\n" +
           QByteArray::number(cool) + ",0,0,0,0,0,0,0\r\n";
}

// Writes a dark blue face.bmp, a dark green res.bmp and `name` (header + `records`) into dir.
inline QString WriteSkin(const TempDir& dir, const QString& name, const QByteArray& records,
                         int cool = 0) {
    WriteBitmap(dir, QStringLiteral("face.bmp"), QSize(200, 100), Qt::darkBlue);
    WriteBitmap(dir, QStringLiteral("res.bmp"), QSize(200, 200), Qt::darkGreen);
    return dir.write(name, SkinHeader("Test skin", cool) + records);
}

// A 5x5 button `n` at (1,1) with key "A".
inline QByteArray ButtonRecord(int n) {
    return "B" + QByteArray::number(n) + ",1,1,5,5,0,0,A,x\r\n";
}

// Copies the shipped skins into dir, every file side by side as the build lays them out.
inline void CopyShippedSkins(const TempDir& dir) {
    const QString source = QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../../skins/";
    for (const char* folder : {"default", "compact"})
        for (const QFileInfo& file : QDir(source + folder).entryInfoList(QDir::Files))
            QFile::copy(file.filePath(), dir.file(file.fileName()));
}

class PlayerFixture : public ::testing::Test {
protected:
    PlayerFixture() { MakePlayer(); }

    // A new Player on the same store and folders (as a restart would be).
    void MakePlayer(MainWindow* shownIn = nullptr, MediaElementFactory* elements = nullptr) {
        player.reset();
        player = std::make_unique<Player>(
            Ports{store, dialogs, clock, shell, Folders{programDir.path(), userDir.path()},
                  elements ? *elements : media, shownIn ? shownIn : &window, &album, nullptr,
                  optionsWindow, selectorWindow, &tray});
    }
    // Loads a skin of the test header followed by `records`.
    void LoadRecords(const QByteArray& records, int cool = 0) {
        player->LoadSkin(WriteSkin(programDir, "t.skin", records, cool), false);
    }

    // Adds entries whose (empty) files exist, each with its scripted length; their paths.
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
        for (int i = 0; i < times; ++i)
            media.nowMs += PlaybackTimer::kIntervalMs, player->Timer1_Timer();
    }
    // Ticks until the current entry changes (at most `limit` ticks); the ticks taken.
    int TicksUntilTrackChanges(int limit = 10000) {
        const int16_t start = player->TNum;
        for (int i = 1; i <= limit; ++i)
            if (Tick(), player->TNum != start) return i;
        return -1;
    }
    // Gives slider n an 8 x 8 knob on a horizontal track of w pixels from x (or vertical, h).
    void DefineSlider(int n, int16_t x, int16_t y, int16_t w, int16_t h) {
        player->skin.SlideTab[static_cast<size_t>(n)] = SliderTable{x, y, w, h, 0};
        player->surface.iSlider[static_cast<size_t>(n)].rect = QRect(x, y, 8, 8);
    }

    Surface& s() const { return player->surface; }
    SkinState& skin() const { return player->skin; }
    PlaylistModel& model() const { return player->playlist; }
    // The names (or paths) of the playlist's entries.
    QStringList Entries(QString PlaylistEntry::*field = &PlaylistEntry::name) const {
        QStringList out;
        for (int i = 0; i < model().Count(); ++i)
            out << model().At(i).*field;
        return out;
    }
    QString Caption(int n) const { return s().Lbl[static_cast<size_t>(n)].caption; }
    bool Lit(int n) const { return s().Ind[static_cast<size_t>(n)].visible; }

    TempDir programDir, userDir, music;
    FakeSettingsStore store;
    FakeDialogs dialogs;
    FakeClock clock;
    FakeShell shell;
    FakeMediaWorld media;
    FakeMainWindow window;
    FakeAlbumWindow album;
    FakeTray tray;                            // no tray unless a test makes one available
    OptionsWindow* optionsWindow = nullptr;   // for the next MakePlayer
    SelectorWindow* selectorWindow = nullptr; // for the next MakePlayer
    std::unique_ptr<Player> player;
};

} // namespace velto::test
