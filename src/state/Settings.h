#pragma once
// One member per key of the settings store, read once at start and written
// once at exit.
#include <QString>

#include <cstdint>

namespace velto {

class SettingsStore;

inline const QString kPrg = QStringLiteral("morvanix");
inline const QString kSect = QStringLiteral("config");

struct Settings {
    QString Path;
    int16_t WinOnTop = 0;
    int16_t WinSnap = 0;
    int16_t WinSavePos = 0;
    int16_t Auto = 0;
    int16_t Snooze = 0;
    int16_t SnoozeMode = 0;
    QString SnoozeTime = QStringLiteral("23:59");
    int16_t SnoozeHide = 0;
    int16_t ExitMode = 0;
    int16_t StartMd = 0;
    int16_t StartMin = 0;
    int16_t StartMute = 0;
    QString StartPlaylist;
    QString Skin;
    QString SkinPath;
    QString SkinImport;
    int16_t TimeFmt = 0;
    QString VisPLPath;
    int16_t ClearPLFirst = 0;
    int16_t AutoPlay = 0;
    QString ValidExt;
    int16_t PBOverlap = 0;
    int16_t ScrollName = 0;
    int16_t UseTagCover = 0;
    // Window position in twips; 32 bits, since 16 bits wrap on wide desktops.
    int32_t X = 0;
    int32_t Y = 0;
    bool hasX = false; // a position was stored
    bool hasY = false;
    int16_t LastTrack = 0;
    QString LastCover;
    // The output level in whole percent, kept between runs (mute is not).
    int16_t Volume = 100;

    // Reads every key from Path to UseTagCover, then X, Y and Volume, in that order.
    // `currentX`/`currentY` are the defaults for X and Y.
    void Read(SettingsStore& store, int32_t currentX, int32_t currentY);
    // Reads LastTrack / LastCover (later in start-up).
    void ReadLastTrack(SettingsStore& store);
    void ReadLastCover(SettingsStore& store);
    // Saves every key of the exit list, in its order and forms, then Volume;
    // the caller syncs the store once after.
    void Write(SettingsStore& store) const;
    // Stores Path at once, synced (the file dialogs do this).
    void SavePath(SettingsStore& store) const;
};

} // namespace velto
