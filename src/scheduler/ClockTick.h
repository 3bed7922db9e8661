#pragma once
// The 200 ms tick of the second timer: title scrolling, the volume slider
// following the output level, and once a minute the clock.
#include <QString>

namespace velto {

class Clock;
class Display;
class Repainter;
class Sliders;
class Volume;
struct PlayerState;

class ClockTick {
public:
    ClockTick(PlayerState& state, Display& display, Sliders& sliders, const Volume& volume,
              const Clock& clock, Repainter& repaint)
        : s_(state), display_(display), sliders_(sliders), volume_(volume), clock_(clock),
          repaint_(repaint) {}

    // Timer2_Timer.
    void Tick();
    // The day and date texts.
    void MakeDayStr();

private:
    PlayerState& s_;
    Display& display_;
    Sliders& sliders_;
    const Volume& volume_;
    const Clock& clock_;
    Repainter& repaint_;
    QString lastMinute_; // the clock minute whose step has run
};

} // namespace velto
