// Start-up and shut-down of the player: Form_Load, Form_Activate, Form_Unload.
#include "app/CommandLine.h"
#include "app/Player.h"
#include "common/Numbers.h"
#include "common/PathNames.h"
#include "platform/Dialogs.h"
#include "platform/MainWindow.h"
#include "scheduler/Scheduler.h"

#include <cmath>

namespace velto {

void Player::ReadTwips() {
    if (!window_) return;
    TwipX = ToInt16(1440.0 / window_->LogicalDpiX()).value_or(15);
    TwipY = ToInt16(1440.0 / window_->LogicalDpiY()).value_or(15);
    if (TwipX <= 0) TwipX = 15;
    if (TwipY <= 0) TwipY = 15;
}

void Player::PlaceWindowFromSettings() {
    if (!window_) return;
    if (!settings.hasX && !settings.hasY) return; // keeps its designed place
    const QPoint now = window_->Position();
    const int x =
        settings.hasX ? static_cast<int>(std::lround(double(settings.X) / TwipX)) : now.x();
    const int y =
        settings.hasY ? static_cast<int>(std::lround(double(settings.Y) / TwipY)) : now.y();
    window_->MoveTo(QPoint(x, y));
}

QString Player::AutoListFile() const {
    return JoinPath(folders.user, QStringLiteral("autolist.txt"));
}

void Player::Form_Load(const QStringList& args) {
    ReadTwips();
    Prg = kPrg;
    Sect = kSect;
    Timer2.start();

    const QPoint pos = window_ ? window_->Position() : QPoint();
    settings.Read(store, pos.x() * TwipX, pos.y() * TwipY);
    PlaceWindowFromSettings();

    if (!FileExists(settings.Skin)) {
        dialogs.Message(QStringLiteral("Previously selected skin not found (") + settings.Skin +
                        QStringLiteral(")! Using default"));
        settings.Skin.clear();
    }
    const QString defaultSkin = JoinPath(folders.program, QStringLiteral("default.skin"));
    if (settings.Skin.isEmpty()) settings.Skin = defaultSkin;

    PlayUnit = 0;
    TNum = 1;
    ScrollStart = 1;
    Playing = Paused = Intro = STP = Repeat = 0;

    ClearInf();
    // No skin is on screen yet: one that cannot be shown gives way to the
    // default skin, so the player never starts as a blank window.
    if (!LoadSkin(settings.Skin, true) && settings.Skin != defaultSkin) LoadSkin(defaultSkin, true);
    scheduler_->LoadAutoList(AutoListFile());
    MakeDayStr();
    scheduler_->Start();

    RunCommandLineOrRestore(args);
    ShowAtStart();
    Timer1.start();
}

void Player::RunCommandLineOrRestore(const QStringList& args) {
    const CommandLine cl = CommandLine::Parse(args, [](const QString& p) { return FileExists(p); });
    if (!cl.items.isEmpty()) {
        for (const QString& item : cl.items) {
            AddPath = item;
            AddName = QStringLiteral("Commandline");
            AddTitle = NiceName(AddPath);
            PlAdd();
        }
        TNum = 1;
        PlayIt();
        return;
    }
    if (settings.StartMd != 1) return;
    const QString list = JoinPath(folders.user, QStringLiteral("playlist.m3u"));
    if (FileExists(list)) {
        PlRead(list);
        settings.ReadLastTrack(store);
        TNum = settings.LastTrack;
        if (settings.AutoPlay == 1) PlayIt();
    }
    settings.ReadLastCover(store);
    if (!settings.LastCover.isEmpty()) LoadCover(settings.LastCover);
}

void Player::ShowAtStart() {
    if (!window_) return;
    if (settings.StartMin == 1) {
        // Hidden only where a tray icon can bring it back.
        if (window_->HasTray())
            window_->SetVisible(false);
        else
            window_->ShowMinimized();
        return;
    }
    window_->SetVisible(true);
}

void Player::Form_Activate() {
    ReadTwips();
    SetOnTop(settings.WinOnTop);
}

void Player::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    Timer1.stop();
    Timer2.stop();
    CloseElement(PlayUnit);
    if (window_) {
        const QPoint pos = window_->Position();
        settings.X = pos.x() * TwipX;
        settings.Y = pos.y() * TwipY;
    }
    settings.LastTrack = TNum;
    settings.Write(store);
    WritePL(JoinPath(folders.user, QStringLiteral("playlist.m3u")));
    scheduler_->SaveAutoList(AutoListFile());
}

void Player::Quit() {
    if (window_) window_->RequestQuit();
}

} // namespace velto
