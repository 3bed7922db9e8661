#pragma once
// The sixteen state lights: each flag drives an "on" light and an "off" light.
#include "state/Elements.h"

#include <array>
#include <cstdint>

namespace velto {

struct PlayerFlags {
    int16_t Playing = 0, Paused = 0, Intro = 0, STP = 0, Repeat = 0, Random = 0, Shuffle = 0;
    int32_t RptB = 0;
};

// Visibility of lights 1..16 (index 0 unused).
std::array<bool, kLights + 1> LightStates(const PlayerFlags& f);

} // namespace velto
