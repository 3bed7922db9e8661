#pragma once
// The player's public state: what the main window's procedures read and write
// (names as the player has always called them), the settings, the skin's
// elements and tables, and the playlist. Every subsystem works on this one
// struct; none of them owns a copy.
#include "state/PlaylistModel.h"
#include "state/Settings.h"
#include "state/SkinState.h"
#include "state/Surface.h"
#include "state/TagInfo.h"

#include <QString>
#include <QStringList>

#include <cstdint>

namespace velto {

struct PlayerState {
    Settings settings;
    Surface surface;
    SkinState skin;         // the loaded skin's tables (DigTab, SlideTab, BtnKey, ...)
    PlaylistModel playlist; // PlNames and PlPath in one list
    TagFields TagInfo;      // ID3v1 fields of the last MPEG track started

    int16_t TwipX = 15; // twips per pixel
    int16_t TwipY = 15;
    int16_t TNum = 1; // 1-based current playlist position
    QString SongPath, SongName, SongTitle;
    QString Dev; // device type of the current medium; "Delay" for pictures
    int32_t SongLen = 0, Elapsed = 0, Remain = 0, TimeDisp = 0, RptA = 0, RptB = 0; // ms
    // Player flags: 0 or -1, toggled with ~.
    int16_t Playing = 0, Paused = 0, Intro = 0, STP = 0, Shuffle = 0, Random = 0, Repeat = 0,
            Mute = 0, TimeFlag = 0;
    int16_t HFlag = 0, Small = 0; // window size in use
    int16_t PlayUnit = 0;         // media element in use
    int16_t SlideFlag = 0, DragFlag = 0;
    int16_t ScrollStart = 1;
    QString AddName, AddPath, AddTitle; // the item handed to PlAdd
    QString Prg = kPrg, Sect = kSect;
    QStringList AutoList; // the Auto On/Off schedule, one entry a line
    QString DowS;         // today's day code, "U" (Sunday) to "S" (Saturday)

    // The options dialog is open: covers do not change, the tray does not
    // bring the window forward.
    bool OptionsVisible = false;
};

} // namespace velto
