#include "app/Player.h"

#include "app/CommandLine.h"
#include "common/Numbers.h"
#include "common/PathNames.h"
#include "platform/Dialogs.h"
#include "platform/MainWindow.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "playback/PlaybackEngine.h"
#include "skin/SkinLoader.h"
#include "skin/WindowInput.h"
#include "skin/SkinRecords.h"
#include "playlist/MediaDialogs.h"
#include "playlist/PlaylistEditor.h"

#include <cmath>

namespace velto {

Player::Player(Ports ports)
    : store(ports.store), dialogs(ports.dialogs), clock(ports.clock), shell(ports.shell),
      folders(std::move(ports.folders)),
      playlistEditor_(std::make_unique<PlaylistEditor>(*this)),
      mediaDialogs_(std::make_unique<MediaDialogs>(*this)),
      playback_(std::make_unique<PlaybackEngine>(*this, ports.media)) {
    Timer1.setInterval(100);
    Timer2.setInterval(200);
    QObject::connect(&Timer1, &QTimer::timeout, [this] { Timer1_Timer(); });
    QObject::connect(&Timer2, &QTimer::timeout, [this] { Timer2_Timer(); });
    skin = std::make_unique<SkinLoader>(*this);
    input = std::make_unique<WindowInput>(*this);
}

Player::~Player() = default;

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
    const int x = settings.hasX ? static_cast<int>(std::lround(double(settings.X) / TwipX)) : now.x();
    const int y = settings.hasY ? static_cast<int>(std::lround(double(settings.Y) / TwipY)) : now.y();
    window_->MoveTo(QPoint(x, y));
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
    if (settings.Skin.isEmpty()) settings.Skin = JoinPath(folders.program, QStringLiteral("default.skin"));

    PlayUnit = 0;
    TNum = 1;
    ScrollStart = 1;
    Playing = Paused = Intro = STP = Repeat = 0;

    ClearInf();
    LoadSkin(settings.Skin, true);
    LoadAutoList(JoinPath(folders.user, QStringLiteral("autolist.txt")));
    MakeDayStr();

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
        if (window_->HasTray()) window_->SetVisible(false);
        else window_->ShowMinimized();
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
}

void Player::Repaint() {
    surface.Changed();
    if (window_) window_->SurfaceChanged();
}

void Player::Quit() {
    if (window_) window_->RequestQuit();
}

void Player::ShowPrefs() {}
void Player::ShowInfo() {}
void Player::AlbumToggle() {}

void Player::ShowMixer() {
    for (const QString& name : {QStringLiteral("pavucontrol"), QStringLiteral("pavucontrol-qt")}) {
        const QString program = shell.FindProgram(name);
        if (!program.isEmpty() && shell.Start(program, {})) return;
    }
    dialogs.Message(QStringLiteral("No mixer program found. Install pavucontrol to set the "
                                   "system volume."));
}

void Player::ShowVisSelect() {}

void Player::SetOnTop(int on) {
    if (window_) window_->SetStaysOnTop(on != 0);
}

void Player::LoadTagCover(const QString&, const QString&, const QString&) {}
void Player::LoadCover(const QString&) {}
void Player::GetMP3Info() {}
void Player::LoadSkin(const QString& skinName, bool importKnown) {
    skin->LoadSkin(skinName, importKnown);
}
void Player::SelectSkin() { skin->SelectSkin(); }
QString Player::TipText(const QString& s) { return velto::TipText(s); }
void Player::LoadAutoList(const QString&) {}
void Player::MakeDayStr() {}

void Player::PlAdd() { playlistEditor_->PlAdd(); }
void Player::PlRead(const QString& file) { playlistEditor_->PlRead(file); }
bool Player::WritePL(const QString& file) { return playlistEditor_->WritePL(file); }
void Player::PlDelEntry(int index) { playlistEditor_->PlDelEntry(index); }
void Player::PlDelSel() { playlistEditor_->PlDelSel(); }
void Player::PlMoveEntry(int D) { playlistEditor_->PlMoveEntry(D); }
void Player::PlClear() { playlistEditor_->PlClear(); }
void Player::ShowPlCount() { playlistEditor_->ShowPlCount(); }
void Player::PlNames_DblClick() { playlistEditor_->PlNames_DblClick(); }
void Player::PlNames_KeyDown(int keyCode, int shift) {
    playlistEditor_->PlNames_KeyDown(keyCode, shift);
}
void Player::PlLoad() { mediaDialogs_->PlLoad(); }
void Player::PlSave() { mediaDialogs_->PlSave(); }
void Player::OpenMedia() { mediaDialogs_->OpenMedia(); }
void Player::AddFromDir() { mediaDialogs_->AddFromDir(); }
void Player::ScanDir(const QString& start, const QString& exts) {
    playlistEditor_->ScanDir(start, exts);
}
QString Player::BrowseFolder(const QString& title) { return mediaDialogs_->BrowseFolder(title); }

} // namespace velto
