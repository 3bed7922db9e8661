#include "app/Player.h"

#include "app/WindowHiding.h"
#include "platform/MainWindow.h"
#include "platform/MediaElement.h"
#include "playback/PlaybackEngine.h"
#include "playlist/MediaDialogs.h"
#include "playlist/PlaylistEditor.h"
#include "scheduler/Scheduler.h"
#include "selector/VisSelector.h"
#include "skin/Display.h"
#include "skin/SkinLoader.h"
#include "skin/Sliders.h"
#include "skin/WindowInput.h"
#include "skin/WindowSizing.h"
#include "trackinfo/Covers.h"
#include "trackinfo/TrackInfo.h"
#include "trackinfo/TrackInfoForm.h"

namespace velto {

Player::Player(Ports ports)
    : store(ports.store), dialogs(ports.dialogs), clock(ports.clock), shell(ports.shell),
      folders(std::move(ports.folders)), window_(ports.window), info_(ports.info),
      options_(ports.options), selectorWindow_(ports.selector), tray_(ports.tray) {
    PlayerState& state = *this;
    display_ = std::make_unique<Display>(state, clock, *this);
    sliders_ = std::make_unique<Sliders>(state, *this);
    sizing_ = std::make_unique<WindowSizing>(state, *this, window_);
    skinLoader_ =
        std::make_unique<SkinLoader>(state, *display_, *this, dialogs, folders, window_, Timer1);
    input = std::make_unique<WindowInput>(state, *this, window_, *sliders_, *this);
    trackInfo_ = std::make_unique<TrackInfo>(state, *display_);
    covers_ = std::make_unique<Covers>(state, *this, dialogs, folders, ports.album);
    infoForm_ = std::make_unique<TrackInfoForm>(state, dialogs);
    playlistEditor_ = std::make_unique<PlaylistEditor>(state, *display_, dialogs, *covers_, *this);
    mediaDialogs_ =
        std::make_unique<MediaDialogs>(state, dialogs, store, *playlistEditor_, *display_, *this);
    playback_ = std::make_unique<PlaybackEngine>(
        PlaybackParts{state, *this, dialogs, *display_, *sliders_, *trackInfo_, *covers_, Timer1},
        ports.media);
    scheduler_ = std::make_unique<Scheduler>(state, *display_, *sliders_, playback_->volume, clock,
                                             dialogs, *this);
    visSelector_ =
        std::make_unique<VisSelector>(state, *playlistEditor_, *this, dialogs, folders, window_);
    hiding_ = std::make_unique<WindowHiding>(state, window_, tray_);

    Timer1.setInterval(100);
    Timer2.setInterval(200);
    QObject::connect(&Timer1, &QTimer::timeout, [this] { Timer1_Timer(); });
    QObject::connect(&Timer2, &QTimer::timeout, [this] { Timer2_Timer(); });
}

Player::~Player() = default;

void Player::Repaint() {
    surface.Changed();
    if (window_) window_->SurfaceChanged();
}

void Player::SetDD(int field, const QVariant& vn) { display_->SetDD(field, vn); }
void Player::ShowLights() { display_->ShowLights(); }
void Player::ClearInf() { display_->ClearInf(); }
void Player::Form_Paint() { display_->Form_Paint(); }
void Player::SetSlider(int n, double v) { sliders_->SetSlider(n, v); }
void Player::SlideAction(int n, double v) { playback_->SlideAction(n, v); }
bool Player::LoadSkin(const QString& skinName, bool importKnown) {
    return skinLoader_->LoadSkin(skinName, importKnown);
}
void Player::SelectSkin() { skinLoader_->SelectSkin(); }
void Player::SizeToggle() { sizing_->SizeToggle(); }
void Player::SmallToggle() { sizing_->SmallToggle(); }
void Player::GetMP3Info() { trackInfo_->GetMP3Info(); }
void Player::LoadCover(const QString& path) { covers_->LoadCover(path); }
void Player::LoadTagCover(const QString& Path, const QString& Artist, const QString& Album) {
    covers_->LoadTagCover(Path, Artist, Album);
}
void Player::SelectCover() { covers_->SelectCover(); }
const QString& Player::LastShownCover() const { return covers_->LastShown(); }
void Player::MakeDayStr() { scheduler_->MakeDayStr(); }
void Player::Timer2_Timer() { scheduler_->Tick(); }

void Player::PlayIt() { playback_->starter.PlayIt(); }
void Player::CloseElement(int unit) { playback_->starter.CloseElement(unit); }
void Player::Timer1_Timer() { playback_->timer.Tick(); }
void Player::StopIt() { playback_->transport.StopIt(); }
void Player::PauseIt() { playback_->transport.PauseIt(); }
void Player::PlayPause() { playback_->transport.PlayPause(); }
void Player::Reverse() { playback_->transport.Reverse(); }
void Player::Forward() { playback_->transport.Forward(); }
void Player::NextTrack() { playback_->transport.NextTrack(); }
void Player::PrevTrack() { playback_->transport.PrevTrack(); }
void Player::PlayFrom(int32_t SPos) { playback_->transport.PlayFrom(SPos); }
void Player::MoveTo(int32_t SPos) { playback_->transport.MoveTo(SPos); }
void Player::IntroToggle() { playback_->transport.IntroToggle(); }
void Player::StpToggle() { playback_->transport.StpToggle(); }
void Player::RepeatToggle() { playback_->transport.RepeatToggle(); }
void Player::ShuffleToggle() { playback_->transport.ShuffleToggle(); }
void Player::RptButton() { playback_->transport.RptButton(); }
void Player::SetRptB() { playback_->transport.SetRptB(); }
void Player::VolUp() { VolStep(5); }
void Player::VolDown() { VolStep(-5); }
void Player::VolStep(int16_t d) { playback_->volume.VolStep(d); }
void Player::MuteToggle() { playback_->volume.MuteToggle(); }
float Player::GetVol() { return playback_->volume.GetVol(); }
void Player::SetVol(float v) { playback_->volume.SetVol(v); }
MediaElement& Player::MMControl(int unit) { return playback_->Element(unit); }

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
void Player::ScanDir(const QString& start, const QString& exts) {
    playlistEditor_->ScanDir(start, exts);
}
void Player::AddDropped(const QStringList& paths) { playlistEditor_->AddDropped(paths); }
void Player::PlLoad() { mediaDialogs_->PlLoad(); }
void Player::PlSave() { mediaDialogs_->PlSave(); }
void Player::OpenMedia() { mediaDialogs_->OpenMedia(); }
void Player::OpenPlay() { mediaDialogs_->OpenPlay(); }
void Player::AddFromDir() { mediaDialogs_->AddFromDir(); }
QString Player::BrowseFolder(const QString& title) { return mediaDialogs_->BrowseFolder(title); }

} // namespace velto
