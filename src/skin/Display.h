#pragma once
// The player's displays on the skin: the six digit fields, the clock text,
// the state lights and the text fields other subsystems write.
#include <QString>
#include <QVariant>

namespace velto {

class Clock;
class Repainter;
struct PlayerState;

class Display {
public:
    Display(PlayerState& state, const Clock& clock, Repainter& repaint)
        : s_(state), clock_(clock), repaint_(repaint) {}

    // Formats vn for digit field F and lays out its glyphs; repaints when they changed.
    void SetDD(int F, const QVariant& vn);
    // Redraws the six digit fields and the clock text from the current state.
    void Form_Paint();
    // Empties the track information fields.
    void ClearInf();
    // Shows and hides the sixteen lights from the player's flags.
    void ShowLights();
    // Sets a text field's caption; repaints when it changed.
    void ShowCaption(int field, const QString& text);

private:
    PlayerState& s_;
    const Clock& clock_;
    Repainter& repaint_;
};

} // namespace velto
