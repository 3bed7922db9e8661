#pragma once
// Placing a slider knob for a value from 0 to 1.
#include <cstdint>

namespace velto {

struct SliderElement;
struct SliderTable;

// Sliders 1..3 move their knob along the track; slider 4 is a level bar
// whose size follows the value. The knob changes only when its position (or
// size) differs from the one last applied, or from where the knob is: after
// a skin load the word is 0 while the knob sits where the skin put it.
// True when it changed.
bool PlaceKnob(int n, double v, SliderTable& table, SliderElement& knob);

} // namespace velto
