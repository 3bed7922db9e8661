#include "skin/Sliders.h"

#include "common/Numbers.h"
#include "state/Notify.h"
#include "state/PlayerState.h"

#include <algorithm>
#include <cmath>

namespace velto {

namespace {

int16_t Clamp16(double v) {
    return static_cast<int16_t>(std::clamp(v, double(INT16_MIN), double(INT16_MAX)));
}

} // namespace

bool PlaceKnob(int n, double v, SliderTable& table, SliderElement& knob) {
    if (n < 1 || n > 4 || !std::isfinite(v)) return false;
    const bool vertical = table.h != 0;
    if (n == slider::LevelBar) {
        const int16_t size = vertical ? Clamp16(table.h - std::floor(v * table.h))
                                      : Clamp16(std::floor(v * table.w));
        const int now = vertical ? knob.rect.height() : knob.rect.width();
        if (size == table.pos && size == now) return false;
        table.pos = size;
        if (vertical)
            knob.rect.setHeight(size);
        else
            knob.rect.setWidth(size);
        return true;
    }
    const double exact = vertical ? table.y + table.h - v * table.h : table.x + v * table.w;
    const int16_t p = ToInt16(exact).value_or(Clamp16(exact));
    const int now = vertical ? knob.rect.top() : knob.rect.left();
    if (p == table.pos && p == now) return false;
    table.pos = p;
    if (vertical)
        knob.rect.moveTop(p);
    else
        knob.rect.moveLeft(p);
    return true;
}

double KnobFraction(const SliderTable& t, const SliderElement& knob) {
    double v = 0;
    if (t.h != 0)
        v = 1.0 - double(knob.rect.top() - t.y) / t.h;
    else if (t.w != 0)
        v = double(knob.rect.left() - t.x) / t.w;
    return std::clamp(v, 0.0, 1.0);
}

void Sliders::SetSlider(int n, double v) {
    if (n < 1 || n > 4) return;
    const auto i = static_cast<size_t>(n);
    if (PlaceKnob(n, v, s_.skin.SlideTab[i], s_.surface.iSlider[i])) repaint_.Repaint();
}

double Sliders::Fraction(int n) const {
    if (n < 1 || n > 4) return 0;
    const auto i = static_cast<size_t>(n);
    return KnobFraction(s_.skin.SlideTab[i], s_.surface.iSlider[i]);
}

} // namespace velto
