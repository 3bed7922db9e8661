#include "app/WindowHiding.h"

#include "platform/MainWindow.h"
#include "platform/Tray.h"

namespace velto {

WindowHiding::WindowHiding(const PlayerState& s, MainWindow* window, Tray* tray)
    : s_(s), window_(window), tray_(tray) {
    TrayWatch.setInterval(kWatchMs);
    QObject::connect(&TrayWatch, &QTimer::timeout, [this] { TrayWatch_Timer(); });
}

void WindowHiding::Hide() {
    if (!window_) return;
    if (tray_ && tray_->Shown()) {
        window_->SetVisible(false);
        TrayWatch.start();
    } else {
        window_->ShowMinimized();
    }
}

void WindowHiding::Restore() {
    TrayWatch.stop();
    if (window_) window_->BringToFront();
}

void WindowHiding::TrayLeftPress() {
    if (s_.OptionsVisible || !window_) return;
    Restore();
    window_->SetStaysOnTop(s_.settings.WinOnTop != 0);
}

void WindowHiding::TrayWatch_Timer() {
    // Shown again some other way (another start, a desktop client): nothing
    // left to watch.
    if (!window_ || window_->IsVisible()) {
        TrayWatch.stop();
        return;
    }
    if (!tray_ || !tray_->Shown()) Restore();
}

} // namespace velto
