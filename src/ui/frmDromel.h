#pragma once
// The skinned main window: paints the player's Surface, hosts the playlist
// view, and turns mouse, keyboard, drag-and-drop and window events into calls
// on the Player. It keeps no player state of its own.
#include "platform/MainWindow.h"
#include "state/Surface.h"

#include <QWidget>

#include <functional>
#include <vector>

namespace velto {

class Player;
class ListScrollStyle;
class PlaylistView;

class frmDromel : public QWidget, public MainWindow {
    Q_OBJECT
public:
    explicit frmDromel(QWidget* parent = nullptr);
    void AttachPlayer(Player* player);
    PlaylistView* ListView() const { return list_; }

    QPoint Position() const override { return pos(); }
    void MoveTo(QPoint pixels) override { move(pixels); }
    void Resize(QSize pixels) override;
    double LogicalDpiX() const override { return logicalDpiX(); }
    double LogicalDpiY() const override { return logicalDpiY(); }
    void SetVisible(bool visible) override { setVisible(visible); }
    bool IsVisible() const override { return isVisible(); }
    void ShowMinimized() override { showMinimized(); }
    void BringToFront() override;
    void SetStaysOnTop(bool on) override;
    void RequestQuit() override;
    void SurfaceChanged() override;
    QRect WorkArea() const override;
    void ShowPopupMenu(QPoint screenPixels) override;
    void AfterShown(std::function<void()> then) override;

    // The element under a window point, topmost first; 0 for none.
    int ButtonAt(QPoint pos) const;
    int TextFieldAt(QPoint pos) const;
    int SliderAt(QPoint pos) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void SyncListView();
    void SyncSelection(int row);
    QString ToolTipAt(QPoint pos) const;
    bool KeyPress(int keyAscii);
    void AddDroppedLater(const QStringList& paths);
    void RunAfterShown();

    Player* player_ = nullptr;
    PlaylistView* list_ = nullptr;
    ListScrollStyle* scrollStyle_ = nullptr;
    Surface shown_; // the surface as last painted
    bool outlineShown_ = false;
    bool skipFieldClick_ = false; // the release that ends a double click on a text field
    bool painted_ = false;        // the window has been on screen
    std::vector<std::function<void()>> afterShown_;
};

} // namespace velto
