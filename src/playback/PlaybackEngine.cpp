#include "playback/PlaybackEngine.h"

#include "platform/MediaElement.h"
#include "skin/Sliders.h"
#include "state/Elements.h"
#include "state/Notify.h"
#include "state/PlayerState.h"

namespace velto {

PlaybackEngine::PlaybackEngine(PlaybackParts p, MediaElementFactory& factory)
    : parts(p), starter(*this), transport(*this), volume(*this), timer(*this) {
    for (int unit = 0; unit < 2; ++unit) {
        elements_[static_cast<size_t>(unit)] = factory.Create(unit);
        volume.ApplyTo(*elements_[static_cast<size_t>(unit)]);
    }
}

// The elements close (and release their media) as they are destroyed.
PlaybackEngine::~PlaybackEngine() = default;

MediaElement& PlaybackEngine::Element(int unit) { return *elements_[unit == 1 ? 1 : 0]; }

// Only the volume slider acts.
void PlaybackEngine::SlideAction(int n, double v) {
    if (n != slider::Volume) return;
    volume.SetVol(static_cast<float>(v));
    parts.state.surface.Lbl[lbl::VolumePercent].caption =
        QString::number(WholePercent(v)) + QStringLiteral("%");
    parts.sliders.SetSlider(slider::LevelBar, v);
    parts.repaint.Repaint();
}

} // namespace velto
