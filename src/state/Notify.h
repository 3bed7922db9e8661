#pragma once
// The two ways a subsystem reaches beyond itself. The player implements both;
// tests may implement them to watch a subsystem alone.

#include <cstdint>

namespace velto {

// Says that the Surface changed, so the window repaints what differs.
class Repainter {
public:
    virtual void Repaint() = 0;

protected:
    ~Repainter() = default;
};

// The player's commands that a lower subsystem starts: the skin's mouse and
// keys, a double click in the playlist, the schedule. Each runs the same
// procedure the buttons run.
class Commands {
public:
    virtual void DoIt(int16_t Index) = 0;
    virtual void PlayIt() = 0;
    virtual void PlayFrom(int32_t SPos) = 0;
    // Applies a slider's value (only the volume slider acts).
    virtual void SlideAction(int n, double v) = 0;

protected:
    ~Commands() = default;
};

} // namespace velto
