#include "playback/Transport.h"

#include "app/Player.h"
#include "platform/MainWindow.h"
#include "platform/MediaElement.h"
#include "playback/PlaybackEngine.h"

namespace velto {

void Transport::StopIt() {
    MediaElement& element = e_.Element(p_.PlayUnit);
    element.From = 0;
    element.Command(QStringLiteral("seek"));
    element.Command(QStringLiteral("stop"));
    p_.surface.iSlider[1].visible = false;
    p_.surface.Lbl[1].caption.clear();
    e_.timer.ForgetTimeText();
    p_.Paused = 0;
    p_.Playing = 0;
    p_.ShowLights();
}

void Transport::PauseIt() {
    if (p_.Playing == 0) return;
    e_.Element(p_.PlayUnit).Command(p_.Paused ? QStringLiteral("play") : QStringLiteral("stop"));
    p_.Paused = static_cast<int16_t>(~p_.Paused);
    p_.ShowLights();
}

void Transport::PlayPause() {
    if (p_.Playing == 0)
        p_.PlayIt();
    else
        PauseIt();
}

void Transport::Reverse() {
    PlayFrom(p_.Elapsed - 10000);
}
void Transport::Forward() {
    PlayFrom(p_.Elapsed + 10000);
}

void Transport::NextTrack() {
    p_.TNum = static_cast<int16_t>(p_.TNum + 1);
    p_.PlayIt();
}

void Transport::PrevTrack() {
    p_.TNum = static_cast<int16_t>(p_.TNum - 1);
    p_.PlayIt();
}

// Plays from SPos on the element in use; Paused is left as it is.
void Transport::PlayFrom(int32_t SPos) {
    if (SPos < 0) SPos = 0;
    if (SPos > p_.SongLen) SPos = p_.SongLen - 1000;
    MediaElement& element = e_.Element(p_.PlayUnit);
    element.Command(QStringLiteral("stop"));
    element.From = SPos;
    element.Command(QStringLiteral("Play"));
}

void Transport::OpenPlay() {
    p_.OpenMedia();
    if (p_.AddName.isEmpty()) return;
    p_.PlClear();
    p_.PlAdd();
    p_.TNum = 1;
    p_.PlayIt();
}

void Transport::IntroToggle() {
    p_.Intro = static_cast<int16_t>(~p_.Intro);
    p_.ShowLights();
}

void Transport::StpToggle() {
    p_.STP = static_cast<int16_t>(~p_.STP);
    p_.ShowLights();
}

void Transport::RepeatToggle() {
    p_.Repeat = static_cast<int16_t>(~p_.Repeat);
    p_.ShowLights();
}

void Transport::ShuffleToggle() {
    p_.Shuffle = static_cast<int16_t>(~p_.Shuffle);
    p_.Random = static_cast<int16_t>(~p_.Random);
    p_.ShowLights();
}

void Transport::SetA() {
    p_.RptA = p_.Elapsed;
    p_.RptB = 0;
}

// With a separate B button the A-B button only sets A; alone, it cycles
// through A, B and off.
void Transport::RptButton() {
    if (p_.surface.Btn[31].visible || p_.RptA <= 0)
        SetA();
    else if (p_.RptB == 0)
        SetRptB();
    else
        p_.RptA = p_.RptB = 0;
    p_.ShowLights();
}

void Transport::SetRptB() {
    p_.RptB = p_.Elapsed;
    p_.ShowLights();
}

void Transport::SizeToggle() {
    p_.HFlag = static_cast<int16_t>(1 - p_.HFlag);
    if (p_.Small != 1) ApplyWindowSize(p_.HFlag);
}

void Transport::SmallToggle() {
    p_.Small = static_cast<int16_t>(1 - p_.Small);
    ApplyWindowSize(p_.Small == 1 ? 2 : p_.HFlag);
}

void Transport::ApplyWindowSize(int size) {
    if (size < 0 || size > 2) return;
    const QSize pixels = e_.Skin().WinPixels[static_cast<size_t>(size)];
    p_.surface.windowPixels = pixels;
    e_.SurfaceChanged();
    if (p_.Window()) p_.Window()->Resize(pixels);
}

} // namespace velto
