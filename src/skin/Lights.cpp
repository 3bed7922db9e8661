#include "skin/Lights.h"

namespace velto {

std::array<bool, 17> LightStates(const PlayerFlags& f) {
    std::array<bool, 17> on{};
    on[1] = false;
    on[2] = f.Playing == 0;
    on[3] = f.Paused != 0;
    on[4] = f.Playing != 0;
    on[5] = f.Intro != 0;
    on[11] = !on[5];
    on[6] = f.STP != 0;
    on[12] = !on[6];
    on[7] = f.Repeat != 0;
    on[13] = !on[7];
    on[8] = f.RptB >= 1;
    on[14] = f.RptB == 0;
    on[9] = f.Random != 0;
    on[15] = !on[9];
    on[10] = f.Shuffle != 0;
    on[16] = !on[10];
    return on;
}

} // namespace velto
