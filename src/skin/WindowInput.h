#pragma once
// Mouse and keyboard on the skinned window: pressing and hovering buttons,
// dragging the window by its face, snapping it on release, and the keys the
// skin assigns to buttons. The widget hit-tests and calls these; they change
// only the player and its Surface, so they are tested without a window.
#include <QPoint>

#include <cstdint>

namespace velto {

class Commands;
class MainWindow;
class Repainter;
class Sliders;
struct PlayerState;

enum class MouseButton { Left, Right, Other };

class WindowInput {
public:
    WindowInput(PlayerState& state, Repainter& repaint, MainWindow* window, Sliders& sliders,
                Commands& commands)
        : s_(state), repaint_(repaint), window_(window), sliders_(sliders), commands_(commands) {}

    // Buttons: a press holds the button (showing its pressed face) until
    // the release runs its action.
    void Btn_MouseDown(int index);
    void Btn_MouseUp(int index);
    void Btn_MouseMove(int index);
    void TmpBtn_MouseUp() { Btn_MouseUp(LastIndex); }
    // A button, the window drag or a slider is held by the left mouse button.
    bool Holding() const;
    // Ends whatever the left button holds without acting: its release was lost.
    void DropHeld();

    // The bare face; positions in window pixels. A right press shows the
    // popup menu, unless something is held: the menu would take the release.
    void Form_MouseDown(MouseButton button, QPoint pos);
    void Form_MouseMove(bool leftHeld, QPoint pos);
    void Form_MouseUp(MouseButton button);

    // A typed character; returns what is left of it (0 when consumed).
    int Form_KeyPress(int keyAscii);

    // Slider knobs 1..3; positions in knob pixels. A knob follows the mouse
    // only while the left button is held.
    void iSlider_MouseDown(int index, QPoint pos);
    void iSlider_MouseMove(int index, QPoint pos, bool leftHeld);
    void iSlider_MouseUp(int index);
    // The track of slider 1..3 under a window point (the knob's travel, the
    // knob's thickness); 0 for none. A press there moves the knob to it and
    // starts the drag.
    int TrackAt(QPoint pos) const;
    void Track_MouseDown(int index, QPoint pos);
    // Text field 1 switches elapsed/remaining time; field 2 shows Track Info.
    void Lbl_Click(int index);

    int16_t LastIndex = 0; // button under the mouse, 0 for none
    int16_t Pressed = 0;   // button held by the left mouse button, 0 for none
    int16_t InFlag = 0;    // nonzero: typed characters reach no button
    // Drag state in twips: 64 bits, since a window far off screen overflows 32.
    int64_t IX = 0, IY = 0, FX = 0, FY = 0;
    float NewP = 0; // the last slider fraction

private:
    void ShowPressedFace(int index);
    bool Draggable(int index) const;
    void BeginSlide(int index, QPoint grip);
    void ClearHover();
    void Snap();
    PlayerState& s_;
    Repainter& repaint_;
    MainWindow* window_;
    Sliders& sliders_;
    Commands& commands_;
};

} // namespace velto
