// Player's playback procedures: each forwards to the playback engine.
#include "app/Player.h"
#include "playback/Lights.h"
#include "playback/PlaybackEngine.h"

namespace velto {

void Player::PlayIt() {
    playback_->starter.PlayIt();
}
void Player::CloseElement(int unit) {
    playback_->starter.CloseElement(unit);
}
void Player::Timer1_Timer() {
    playback_->timer.Tick();
}
void Player::ShowLights() {
    const auto on = LightStates({Playing, Paused, Intro, STP, Repeat, Random, Shuffle, RptB});
    for (size_t n = 1; n < on.size(); ++n)
        surface.Ind[n].visible = on[n];
    playback_->SurfaceChanged();
}

void Player::SetSlider(int n, double v) {
    playback_->SetSlider(n, v);
}
void Player::SlideAction(int n, double v) {
    playback_->SlideAction(n, v);
}

void Player::StopIt() {
    playback_->transport.StopIt();
}
void Player::PauseIt() {
    playback_->transport.PauseIt();
}
void Player::PlayPause() {
    playback_->transport.PlayPause();
}
void Player::Reverse() {
    playback_->transport.Reverse();
}
void Player::Forward() {
    playback_->transport.Forward();
}
void Player::NextTrack() {
    playback_->transport.NextTrack();
}
void Player::PrevTrack() {
    playback_->transport.PrevTrack();
}
void Player::PlayFrom(int32_t SPos) {
    playback_->transport.PlayFrom(SPos);
}
void Player::OpenPlay() {
    playback_->transport.OpenPlay();
}
void Player::IntroToggle() {
    playback_->transport.IntroToggle();
}
void Player::StpToggle() {
    playback_->transport.StpToggle();
}
void Player::RepeatToggle() {
    playback_->transport.RepeatToggle();
}
void Player::ShuffleToggle() {
    playback_->transport.ShuffleToggle();
}
void Player::RptButton() {
    playback_->transport.RptButton();
}
void Player::SetRptB() {
    playback_->transport.SetRptB();
}
void Player::SizeToggle() {
    playback_->transport.SizeToggle();
}
void Player::SmallToggle() {
    playback_->transport.SmallToggle();
}

void Player::VolUp() {
    VolStep(5);
}
void Player::VolDown() {
    VolStep(-5);
}
void Player::VolStep(int16_t d) {
    playback_->volume.VolStep(d);
}
void Player::MuteToggle() {
    playback_->volume.MuteToggle();
}
float Player::GetVol() {
    return playback_->volume.GetVol();
}
void Player::SetVol(float v) {
    playback_->volume.SetVol(v);
}

MediaElement& Player::MMControl(int unit) {
    return playback_->Element(unit);
}

} // namespace velto
