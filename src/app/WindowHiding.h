#pragma once
// Hiding the main window to the tray icon and bringing it back. The window is
// hidden only while the icon is really in a tray, and minimised otherwise, so
// it can never be lost; while it is hidden a timer watches the tray, since a
// panel that quits takes the way back with it.
#include "state/PlayerState.h"

#include <QTimer>

namespace velto {

class MainWindow;
class Tray;

class WindowHiding {
public:
    static constexpr int kWatchMs = 3000;

    // `window` and `tray` may be null (no window; no icon).
    WindowHiding(const PlayerState& s, MainWindow* window, Tray* tray);

    // Hide to the tray where it can bring the window back, else minimise.
    void Hide();
    // Shows the window restored and in front; the watch ends.
    void Restore();
    // A left press on the tray icon: nothing while the options dialog is open
    // (the dialog holds the player); otherwise the window comes to the front
    // and keeps the stacking its on-top setting asks for.
    void TrayLeftPress();
    // The watch's tick: a hidden window comes back when the tray has gone.
    void TrayWatch_Timer();

    // Runs every kWatchMs while the window is hidden.
    QTimer TrayWatch;

private:
    const PlayerState& s_;
    MainWindow* window_;
    Tray* tray_;
};

} // namespace velto
