#include "skin/Lights.h"

#include "state/Elements.h"

namespace velto {

std::array<bool, kLights + 1> LightStates(const PlayerFlags& f) {
    std::array<bool, kLights + 1> on{};
    on[light::Stopped] = f.Playing == 0;
    on[light::Paused] = f.Paused != 0;
    on[light::Playing] = f.Playing != 0;
    on[light::Intro] = f.Intro != 0;
    on[light::IntroOff] = !on[light::Intro];
    on[light::StopAfterTrack] = f.STP != 0;
    on[light::StopAfterTrackOff] = !on[light::StopAfterTrack];
    on[light::Repeat] = f.Repeat != 0;
    on[light::RepeatOff] = !on[light::Repeat];
    on[light::RepeatAB] = f.RptB >= 1;
    on[light::RepeatABOff] = f.RptB == 0;
    on[light::Random] = f.Random != 0;
    on[light::RandomOff] = !on[light::Random];
    on[light::Shuffle] = f.Shuffle != 0;
    on[light::ShuffleOff] = !on[light::Shuffle];
    return on;
}

} // namespace velto
