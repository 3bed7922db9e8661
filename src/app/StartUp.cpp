// Start-up and shut-down of the player: Form_Load, Form_Activate, Form_Unload.
#include "app/CommandLine.h"
#include "app/Player.h"
#include "common/Numbers.h"
#include "common/PathNames.h"
#include "platform/Dialogs.h"
#include "platform/MainWindow.h"
#include "scheduler/Scheduler.h"

#include <QFileInfo>

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
    if (settings.Skin.isEmpty())
        settings.Skin = JoinPath(folders.program, QStringLiteral("default.skin"));

    PlayUnit = 0;
    TNum = 1;
    ScrollStart = 1;
    Playing = Paused = Intro = STP = Repeat = 0;

    ClearInf();
    LoadSkin(settings.Skin, true);
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
    if (settings.StartMd == 1) {
        const QString list = JoinPath(folders.user, QStringLiteral("playlist.m3u"));
        if (FileExists(list)) {
            PlRead(list);
            settings.ReadLastTrack(store);
            TNum = settings.LastTrack;
            if (settings.AutoPlay == 1) PlayIt();
        }
    } else if (settings.StartMd == 2) {
        // The chosen playlist; LastTrack counted in the last run's list, not this one.
        const QString list = StartPlaylistFile();
        if (!list.isEmpty() && QFileInfo(list).isFile()) {
            PlRead(list);
            TNum = 1;
            if (settings.AutoPlay == 1) PlayIt();
        }
    } else {
        return;
    }
    settings.ReadLastCover(store);
    if (!settings.LastCover.isEmpty()) LoadCover(settings.LastCover);
}

// A relative name is taken in the user folder, beside playlist.m3u.
QString Player::StartPlaylistFile() const {
    const QString name = settings.StartPlaylist.trimmed();
    if (name.isEmpty()) return QString();
    return QFileInfo(name).isAbsolute() ? name : JoinPath(folders.user, name);
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
