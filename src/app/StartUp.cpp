// Start-up and shut-down of the player: Form_Load, Form_Activate, Form_Unload.
#include "app/CommandLine.h"
#include "app/Player.h"
#include "app/WindowHiding.h"
#include "common/Numbers.h"
#include "common/PathNames.h"
#include "common/TextFiles.h"
#include "platform/Dialogs.h"
#include "platform/MainWindow.h"
#include "platform/SettingsStore.h"
#include "platform/Tray.h"
#include "playback/PlaybackEngine.h"
#include "scheduler/Scheduler.h"

#include <QFileInfo>
namespace velto {

void Player::ReadTwips() {
    if (!window_) return;
    TwipX = ToInt16(1440.0 / window_->LogicalDpiX()).value_or(15);
    TwipY = ToInt16(1440.0 / window_->LogicalDpiY()).value_or(15);
    if (TwipX <= 0) TwipX = 15;
    if (TwipY <= 0) TwipY = 15;
}

// A stored edge is used only when its pixels convert back to twips that fit:
// anything beyond would overflow when the position is saved or dragged.
void Player::PlaceWindowFromSettings() {
    if (!window_) return;
    const auto usable = [](int32_t twips, int16_t twipsPerPixel) {
        return PixelsToTwips(TwipsToPixels(twips, twipsPerPixel), twipsPerPixel).has_value();
    };
    const QPoint now = window_->Position();
    if (settings.hasX && !usable(settings.X, TwipX)) {
        settings.hasX = false;
        settings.X = PixelsToTwips(now.x(), TwipX).value_or(0);
    }
    if (settings.hasY && !usable(settings.Y, TwipY)) {
        settings.hasY = false;
        settings.Y = PixelsToTwips(now.y(), TwipY).value_or(0);
    }
    if (!settings.hasX && !settings.hasY) return; // keeps its designed place
    window_->MoveTo(QPoint(settings.hasX ? TwipsToPixels(settings.X, TwipX) : now.x(),
                           settings.hasY ? TwipsToPixels(settings.Y, TwipY) : now.y()));
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
    settings.Read(store, PixelsToTwips(pos.x(), TwipX).value_or(0),
                  PixelsToTwips(pos.y(), TwipY).value_or(0));
    PlaceWindowFromSettings();
    SetVol(static_cast<float>(settings.Volume) / 100.0f);

    // A FIFO or a folder is no skin: reported as missing.
    if (!IsRegularFile(settings.Skin)) {
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
    // A window that starts hidden needs the icon first: whether it may hide
    // depends on it. Otherwise the icon, whose making asks the session bus
    // about the desktop's tray, waits until the window is on screen.
    const bool iconFirst = settings.StartMin == 1 || !window_;
    if (tray_ && iconFirst) tray_->Add();

    ShowAtStart();
    // A long list is read once the window is on screen; the last track,
    // auto-play and the playback timer act only after the whole list.
    listPending_ = true;
    startArgs_ = args;
    if (window_)
        window_->AfterShown([this, iconFirst] {
            if (tray_ && !iconFirst) tray_->Add();
            if (listPending_) FinishStartUp();
        });
    else
        FinishStartUp();
}

void Player::FinishStartUp() {
    listPending_ = false;
    RunCommandLineOrRestore(startArgs_);
    Timer1.start();
}

void Player::RunCommandLineOrRestore(const QStringList& args) {
    const CommandLine cl = CommandLine::Parse(args, CommandLine::OnDisk);
    if (!cl.items.isEmpty()) {
        AddItemsAndPlay(cl.items);
        return;
    }
    if (settings.StartMd == 1) {
        const QString list = JoinPath(folders.user, QStringLiteral("playlist.m3u"));
        if (IsRegularFile(list)) {
            PlRead(list);
            settings.ReadLastTrack(store);
            TNum = settings.LastTrack;
            if (settings.AutoPlay == 1) PlayIt();
        }
    } else if (settings.StartMd == 2) {
        // The chosen playlist; LastTrack counted in the last run's list, not this one.
        const QString list = StartPlaylistFile();
        if (!list.isEmpty() && IsRegularFile(list)) {
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

void Player::AddItemsAndPlay(const QStringList& items) {
    const int before = playlist.Count();
    for (const QString& item : items) {
        AddPath = item;
        AddName = QStringLiteral("Commandline");
        AddTitle = NiceName(AddPath);
        PlAdd();
    }
    if (playlist.Count() == before) return;
    TNum = ToInt16(before + 1).value_or(INT16_MAX);
    PlayIt();
}

// A relative name is taken in the user folder, beside playlist.m3u.
QString Player::StartPlaylistFile() const {
    const QString name = settings.StartPlaylist.trimmed();
    if (name.isEmpty()) return QString();
    return QFileInfo(name).isAbsolute() ? name : JoinPath(folders.user, name);
}

void Player::ShowAtStart() {
    if (!window_) return;
    if (settings.StartMin == 1)
        hiding_->Hide();
    else
        window_->SetVisible(true);
}

void Player::Form_Activate() {
    ReadTwips();
    SetOnTop(settings.WinOnTop);
}

void Player::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    // A start-up cut short still reads its list, as it did before the window
    // was shown, so what is saved is whole.
    if (listPending_) FinishStartUp();
    Timer1.stop();
    Timer2.stop();
    hiding_->TrayWatch.stop();
    CloseElement(PlayUnit);
    if (window_) {
        // An edge whose twips do not fit keeps what was stored.
        const QPoint pos = window_->Position();
        settings.X = PixelsToTwips(pos.x(), TwipX).value_or(settings.X);
        settings.Y = PixelsToTwips(pos.y(), TwipY).value_or(settings.Y);
    }
    settings.LastTrack = TNum;
    settings.Volume = static_cast<int16_t>(playback_->volume.PercentToKeep());
    settings.Write(store);
    const bool settingsWritten = store.Sync(); // the one write of the settings file
    WritePL(JoinPath(folders.user, QStringLiteral("playlist.m3u")));
    scheduler_->SaveAutoList(AutoListFile());
    if (!settingsWritten) dialogs.Message(QStringLiteral("Unable to write settings!"));
    if (tray_) tray_->Remove();
}

void Player::Quit() {
    if (window_) window_->RequestQuit();
}

} // namespace velto
