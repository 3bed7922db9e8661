#include "state/Settings.h"

#include "common/Numbers.h"
#include "platform/SettingsStore.h"

#include <algorithm>

namespace velto {

namespace {
QString get(SettingsStore& s, const QString& key, const QString& fallback) {
    return s.GetSetting(kPrg, kSect, key, fallback);
}

// A number outside 16 bits cannot have been written by the player: the default holds.
int16_t getInt(SettingsStore& s, const QString& key, int16_t fallback,
               const QString& fallbackText = QString()) {
    const QString text =
        get(s, key, fallbackText.isNull() ? QString::number(fallback) : fallbackText);
    return TextToInt16(text, fallback);
}

void put(SettingsStore& s, const QString& key, const QString& text) {
    s.SaveSetting(kPrg, kSect, key, text);
}
} // namespace

void Settings::Read(SettingsStore& s, int32_t currentX, int32_t currentY) {
    const QString empty;
    Path = get(s, QStringLiteral("Path"), empty);
    WinOnTop = getInt(s, QStringLiteral("WinOnTop"), 0);
    WinSnap = getInt(s, QStringLiteral("WinSnap"), 0);
    WinSavePos = getInt(s, QStringLiteral("WinSavePos"), 0);
    Auto = getInt(s, QStringLiteral("Auto"), 0);
    Snooze = getInt(s, QStringLiteral("Snooze"), 0);
    SnoozeMode = getInt(s, QStringLiteral("SnoozeMode"), 0);
    SnoozeTime = get(s, QStringLiteral("SnoozeTime"), QStringLiteral("23:59"));
    SnoozeHide = getInt(s, QStringLiteral("SnoozeHide"), 0);
    ExitMode = getInt(s, QStringLiteral("ExitMode"), 0);
    StartMd = getInt(s, QStringLiteral("StartMd"), 0);
    StartMin = getInt(s, QStringLiteral("StartMin"), 0);
    StartMute = getInt(s, QStringLiteral("StartMute"), 0);
    StartPlaylist = get(s, QStringLiteral("StartPlaylist"), empty);
    Skin = get(s, QStringLiteral("Skin"), empty);
    SkinPath = get(s, QStringLiteral("SkinPath"), empty);
    SkinImport = get(s, QStringLiteral("SkinImport"), empty);
    TimeFmt = getInt(s, QStringLiteral("TimeFmt"), 0, empty);
    VisPLPath = get(s, QStringLiteral("VisPLPath"), empty);
    ClearPLFirst = getInt(s, QStringLiteral("ClearPLFirst"), 0, empty);
    AutoPlay = getInt(s, QStringLiteral("AutoPlay"), 0, empty);
    ValidExt = get(s, QStringLiteral("ValidExt"), empty);
    PBOverlap = getInt(s, QStringLiteral("PBOverlap"), PBOverlap);
    ScrollName = getInt(s, QStringLiteral("ScrollName"), 0);
    UseTagCover = getInt(s, QStringLiteral("UseTagCover"), 0);

    const QString xText = get(s, QStringLiteral("X"), QString());
    const QString yText = get(s, QStringLiteral("Y"), QString());
    hasX = !xText.isNull();
    hasY = !yText.isNull();
    X = hasX ? TextToInt32(xText, currentX) : currentX;
    Y = hasY ? TextToInt32(yText, currentY) : currentY;
    Volume = std::clamp<int16_t>(getInt(s, QStringLiteral("Volume"), 100), 0, 100);
}

void Settings::ReadLastTrack(SettingsStore& s) {
    LastTrack = getInt(s, QStringLiteral("LastTrack"), 0, QStringLiteral("0"));
}

void Settings::ReadLastCover(SettingsStore& s) {
    LastCover = get(s, QStringLiteral("LastCover"), QString());
}

void Settings::Write(SettingsStore& s) const {
    put(s, QStringLiteral("Skin"), Skin);
    put(s, QStringLiteral("SkinPath"), SkinPath);
    put(s, QStringLiteral("SkinImport"), SkinImport);
    put(s, QStringLiteral("WinOnTop"), BlankPrefixed(WinOnTop));
    put(s, QStringLiteral("WinSnap"), BlankPrefixed(WinSnap));
    put(s, QStringLiteral("WinSavePos"), BlankPrefixed(WinSavePos));
    put(s, QStringLiteral("Auto"), BlankPrefixed(Auto));
    put(s, QStringLiteral("Snooze"), BlankPrefixed(Snooze));
    put(s, QStringLiteral("SnoozeMode"), BlankPrefixed(SnoozeMode));
    put(s, QStringLiteral("SnoozeTime"), SnoozeTime);
    put(s, QStringLiteral("SnoozeHide"), BlankPrefixed(SnoozeHide));
    put(s, QStringLiteral("ExitMode"), BlankPrefixed(ExitMode));
    put(s, QStringLiteral("StartMd"), BlankPrefixed(StartMd));
    put(s, QStringLiteral("StartMin"), BlankPrefixed(StartMin));
    put(s, QStringLiteral("StartMute"), BlankPrefixed(StartMute));
    put(s, QStringLiteral("StartPlaylist"), StartPlaylist);
    put(s, QStringLiteral("TimeFmt"), BlankPrefixed(TimeFmt));
    put(s, QStringLiteral("VisPLPath"), VisPLPath);
    put(s, QStringLiteral("ClearPlFirst"), Plain(ClearPLFirst));
    put(s, QStringLiteral("AutoPlay"), Plain(AutoPlay));
    put(s, QStringLiteral("ValidExt"), ValidExt);
    put(s, QStringLiteral("PBOverlap"), Plain(PBOverlap));
    put(s, QStringLiteral("ScrollName"), Plain(ScrollName));
    put(s, QStringLiteral("UseTagCover"), Plain(UseTagCover));
    if (WinSavePos == 1) {
        put(s, QStringLiteral("X"), Plain(X));
        put(s, QStringLiteral("Y"), Plain(Y));
    }
    put(s, QStringLiteral("LastCover"), LastCover);
    put(s, QStringLiteral("LastTrack"), BlankPrefixed(LastTrack));
    put(s, QStringLiteral("Volume"), Plain(Volume));
}

void Settings::SavePath(SettingsStore& s) const {
    put(s, QStringLiteral("Path"), Path);
    // A failed write stays pending: the exit's sync tries it again and reports it.
    s.Sync();
}

} // namespace velto
