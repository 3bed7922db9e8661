#include "playback/Transport.h"

#include "platform/MediaElement.h"
#include "playback/PlaybackEngine.h"
#include "skin/Display.h"
#include "state/Elements.h"
#include "state/PlayerState.h"

#include <algorithm>

namespace velto {

Transport::Transport(PlaybackEngine& engine) : s_(engine.parts.state), e_(engine) {}

void Transport::StopIt() {
    MediaElement& element = e_.Element(s_.PlayUnit);
    element.From = 0;
    element.Command(QStringLiteral("seek"));
    element.Command(QStringLiteral("stop"));
    ShowStopped();
}

void Transport::ShowStopped() {
    s_.surface.iSlider[slider::Position].visible = false;
    s_.surface.Lbl[lbl::Time].caption.clear();
    e_.timer.ForgetTimeText();
    s_.Paused = 0;
    s_.Playing = 0;
    e_.parts.display.ShowLights();
}

void Transport::PauseIt() {
    if (s_.Playing == 0) return;
    e_.Element(s_.PlayUnit).Command(s_.Paused ? QStringLiteral("play") : QStringLiteral("stop"));
    s_.Paused = static_cast<int16_t>(~s_.Paused);
    e_.parts.display.ShowLights();
}

void Transport::PlayPause() {
    if (s_.Playing == 0)
        e_.starter.PlayIt();
    else
        PauseIt();
}

void Transport::Reverse() { PlayFrom(s_.Elapsed - 10000); }
// A position near the 32-bit limit must not wrap to the start.
void Transport::Forward() {
    PlayFrom(static_cast<int32_t>(std::min<int64_t>(int64_t(s_.Elapsed) + 10000, INT32_MAX)));
}

void Transport::NextTrack() {
    s_.TNum = static_cast<int16_t>(s_.TNum + 1);
    e_.starter.PlayIt();
}

void Transport::PrevTrack() {
    s_.TNum = static_cast<int16_t>(s_.TNum - 1);
    e_.starter.PlayIt();
}

// Plays from SPos on the element in use; Paused is left as it is.
void Transport::PlayFrom(int32_t SPos) {
    MediaElement& element = e_.Element(s_.PlayUnit);
    element.Command(QStringLiteral("stop"));
    element.From = InTrack(SPos);
    element.Command(QStringLiteral("Play"));
}

// A jump from outside the window: a paused medium moves there and stays
// paused, without playing a moment in between.
void Transport::MoveTo(int32_t SPos) {
    if (s_.Paused == 0) {
        PlayFrom(SPos);
        return;
    }
    MediaElement& element = e_.Element(s_.PlayUnit);
    element.From = InTrack(SPos);
    element.Command(QStringLiteral("seek"));
}

// A place before the start is the start; one past the end, its last second.
int32_t Transport::InTrack(int32_t SPos) const {
    if (SPos < 0) return 0;
    return SPos > s_.SongLen ? s_.SongLen - 1000 : SPos;
}

void Transport::IntroToggle() {
    s_.Intro = static_cast<int16_t>(~s_.Intro);
    e_.parts.display.ShowLights();
}

void Transport::StpToggle() {
    s_.STP = static_cast<int16_t>(~s_.STP);
    e_.parts.display.ShowLights();
}

void Transport::RepeatToggle() {
    s_.Repeat = static_cast<int16_t>(~s_.Repeat);
    e_.parts.display.ShowLights();
}

void Transport::ShuffleToggle() {
    s_.Shuffle = static_cast<int16_t>(~s_.Shuffle);
    s_.Random = static_cast<int16_t>(~s_.Random);
    e_.parts.display.ShowLights();
}

void Transport::SetA() {
    s_.RptA = s_.Elapsed;
    s_.RptB = 0;
}

// With a separate B button the A-B button only sets A; alone, it cycles
// through A, B and off.
void Transport::RptButton() {
    if (s_.surface.Btn[btn::SetRepeatB].visible || s_.RptA <= 0)
        SetA();
    else if (s_.RptB == 0)
        SetRptB();
    else
        s_.RptA = s_.RptB = 0;
    e_.parts.display.ShowLights();
}

void Transport::SetRptB() {
    s_.RptB = s_.Elapsed;
    e_.parts.display.ShowLights();
}

} // namespace velto
