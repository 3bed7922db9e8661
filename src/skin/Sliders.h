#pragma once
// Slider geometry: placing a knob for a value from 0 to 1, and the value a
// knob's place stands for.
#include <cstdint>

namespace velto {

class Repainter;
struct PlayerState;
struct SliderElement;
struct SliderTable;

// Sliders 1..3 move their knob along the track; slider 4 is a level bar
// whose size follows the value. The knob changes only when its position (or
// size) differs from the one last applied, or from where the knob is: after
// a skin load the word is 0 while the knob sits where the skin put it.
// True when it changed.
bool PlaceKnob(int n, double v, SliderTable& table, SliderElement& knob);

// Where knob n (1..3) stands, as a fraction of its track, 0..1.
double KnobFraction(const SliderTable& table, const SliderElement& knob);

class Sliders {
public:
    Sliders(PlayerState& state, Repainter& repaint) : s_(state), repaint_(repaint) {}

    // SetSlider: places knob n for v and repaints when it moved.
    void SetSlider(int n, double v);
    // The fraction knob n stands at now.
    double Fraction(int n) const;

private:
    PlayerState& s_;
    Repainter& repaint_;
};

} // namespace velto
