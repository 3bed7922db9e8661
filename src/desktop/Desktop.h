#pragma once
// The player's place on the desktop: MPRIS on the session bus, and what later
// starts on the same user folder hand over (items to play, a window to raise).
#include "desktop/Mpris.h"

#include <QObject>

namespace velto {

class Player;
class SingleInstance;

class Desktop {
public:
    Desktop(Player& player, SingleInstance& instance);
    // Takes the player's name on the session bus: two calls to the bus,
    // made once the window is on screen.
    void Start();

private:
    QObject context_; // ends the connections with this object
    Mpris mpris_;
};

} // namespace velto
