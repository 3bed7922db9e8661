#pragma once
// The skinned main window: paints the player's Surface and turns window events
// into calls on the Player.
#include "platform/MainWindow.h"

#include <QWidget>

namespace velto {

class Player;

class frmDromel : public QWidget, public MainWindow {
    Q_OBJECT
public:
    explicit frmDromel(QWidget* parent = nullptr);
    void AttachPlayer(Player* player) { player_ = player; }

    QPoint Position() const override { return pos(); }
    void MoveTo(QPoint pixels) override { move(pixels); }
    void Resize(QSize pixels) override { setFixedSize(pixels); }
    double LogicalDpiX() const override { return logicalDpiX(); }
    double LogicalDpiY() const override { return logicalDpiY(); }
    void SetVisible(bool visible) override { setVisible(visible); }
    bool IsVisible() const override { return isVisible(); }
    void ShowMinimized() override { showMinimized(); }
    bool HasTray() const override { return false; }
    void SetStaysOnTop(bool on) override;
    void RequestQuit() override;
    void SurfaceChanged() override { update(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    Player* player_ = nullptr;
};

} // namespace velto
