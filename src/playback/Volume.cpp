#include "playback/Volume.h"

#include "common/Numbers.h"
#include "platform/MediaElement.h"
#include "playback/PlaybackEngine.h"
#include "skin/Sliders.h"
#include "state/Elements.h"
#include "state/PlayerState.h"

#include <algorithm>
#include <cmath>

namespace velto {

Volume::Volume(PlaybackEngine& engine) : s_(engine.parts.state), e_(engine) {}

int WholePercent(double v) { return static_cast<int>(std::floor(v * 100.0 + 0.01)); }

float Volume::GetVol() const {
    const uint32_t left = levels_ & 0xFFFFu;
    const uint32_t right = levels_ >> 16;
    return static_cast<float>(std::max(left, right)) / 65535.0f;
}

// Both channels get the same level; any balance is lost.
void Volume::SetVol(float v) {
    const double clamped = std::clamp(static_cast<double>(v), 0.0, 1.0);
    const auto level = static_cast<uint32_t>(ToInt32(clamped * 65535.0).value_or(0)) & 0xFFFFu;
    SetLevels(level | (level << 16));
}

void Volume::SetLevels(uint32_t levels) {
    levels_ = levels;
    ApplyTo(e_.Element(0));
    ApplyTo(e_.Element(1));
}

void Volume::ApplyTo(MediaElement& element) const { element.SetVolume(GetVol()); }

void Volume::VolStep(int16_t d) {
    if (s_.Mute == -1) MuteToggle();
    const double v = std::clamp(static_cast<double>(GetVol()) + d / 100.0, 0.0, 1.0);
    e_.parts.sliders.SetSlider(slider::Volume, v);
    e_.SlideAction(slider::Volume, v);
}

// Muting remembers the level in hundredths and steps down to 0; unmuting
// steps back up by what was remembered.
void Volume::MuteToggle() {
    if (s_.Mute == -1) {
        s_.Mute = 0;
        VolStep(savedHundredths_);
        return;
    }
    savedHundredths_ = static_cast<int16_t>(WholePercent(GetVol()));
    VolStep(-100);
    s_.Mute = -1;
}

int Volume::PercentToKeep() const {
    return s_.Mute == -1 ? savedHundredths_ : WholePercent(GetVol());
}

} // namespace velto
