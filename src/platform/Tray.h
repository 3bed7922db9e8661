#pragma once
// The player's icon in the desktop's notification area, as the player sees it;
// the widget implements it, tests fake it.

namespace velto {

class Tray {
public:
    virtual ~Tray() = default;
    // Puts the icon in the notification area (once the desktop offers one).
    virtual void Add() = 0;
    // Takes the icon away.
    virtual void Remove() = 0;
    // True while the desktop has a notification area and the icon is in it:
    // only then can a hidden main window be brought back through it.
    virtual bool Shown() const = 0;
};

} // namespace velto
