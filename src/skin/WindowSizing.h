#pragma once
// The skin's three window sizes: normal, the HFlag size and the small size.
namespace velto {

class MainWindow;
class Repainter;
struct PlayerState;

class WindowSizing {
public:
    WindowSizing(PlayerState& state, Repainter& repaint, MainWindow* window)
        : s_(state), repaint_(repaint), window_(window) {}

    // Toggles HFlag; the window takes that size unless it is small.
    void SizeToggle();
    // Toggles Small; the window takes size 2 when small, else size HFlag.
    void SmallToggle();

private:
    void Apply(int size);

    PlayerState& s_;
    Repainter& repaint_;
    MainWindow* window_;
};

} // namespace velto
