#include "playback/PlaybackEngine.h"

#include "app/Player.h"
#include "platform/MainWindow.h"
#include "platform/MediaElement.h"
#include "playback/Sliders.h"
#include "skin/SkinLoader.h"

namespace velto {

PlaybackEngine::PlaybackEngine(Player& player, MediaElementFactory& factory)
    : starter(player, *this), transport(player, *this), volume(player, *this), timer(player, *this),
      p_(player) {
    for (int unit = 0; unit < 2; ++unit) {
        elements_[static_cast<size_t>(unit)] = factory.Create(unit);
        volume.ApplyTo(*elements_[static_cast<size_t>(unit)]);
    }
}

// The elements close (and release their media) as they are destroyed.
PlaybackEngine::~PlaybackEngine() = default;

MediaElement& PlaybackEngine::Element(int unit) {
    return *elements_[unit == 1 ? 1 : 0];
}

SkinState& PlaybackEngine::Skin() {
    if (p_.skin) return *p_.skin;
    return noSkin_;
}

void PlaybackEngine::SurfaceChanged() {
    p_.Repaint();
}

void PlaybackEngine::SetSlider(int n, double v) {
    if (n < 1 || n > 4) return;
    const auto i = static_cast<size_t>(n);
    if (PlaceKnob(n, v, SlideTab()[i], p_.surface.iSlider[i])) SurfaceChanged();
}

// Only the volume slider acts: the level, its percentage, and the level bar.
void PlaybackEngine::SlideAction(int n, double v) {
    if (n != 2) return;
    volume.SetVol(static_cast<float>(v));
    p_.surface.Lbl[18].caption = QString::number(WholePercent(v)) + QStringLiteral("%");
    SetSlider(4, v);
    SurfaceChanged();
}

} // namespace velto
