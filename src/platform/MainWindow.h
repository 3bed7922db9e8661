#pragma once
// What the player asks of its main window; the widget implements it, tests fake it.
#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>

namespace velto {

class MainWindow {
public:
    virtual ~MainWindow() = default;
    virtual QPoint Position() const = 0; // top-left, in pixels
    virtual void MoveTo(QPoint pixels) = 0;
    virtual void Resize(QSize pixels) = 0;
    virtual double LogicalDpiX() const = 0;
    virtual double LogicalDpiY() const = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual bool IsVisible() const = 0;
    virtual void ShowMinimized() = 0;
    // Shows the window restored and in front (another start or a desktop
    // client asked for the player).
    virtual void BringToFront() = 0;
    // Changes the stay-on-top flag only when it differs.
    virtual void SetStaysOnTop(bool on) = 0;
    // Closes the window: the shut-down runs once and the event loop ends.
    virtual void RequestQuit() = 0;
    // The surface changed: repaint.
    virtual void SurfaceChanged() = 0;
    // The screen area not covered by panels, in pixels.
    virtual QRect WorkArea() const = 0;
    // The player's command menu at a screen position in pixels.
    virtual void ShowPopupMenu(QPoint screenPixels) = 0;
    // Runs `then` once the window is on screen, or at once when it is not
    // going to be; work that can wait for the first paint goes here.
    virtual void AfterShown(std::function<void()> then) { then(); }
};

} // namespace velto
