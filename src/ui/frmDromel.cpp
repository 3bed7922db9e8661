#include "ui/frmDromel.h"

#include "app/Player.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPainter>

namespace velto {

frmDromel::frmDromel(QWidget* parent) : QWidget(parent, Qt::FramelessWindowHint) {
    setWindowTitle(QStringLiteral("Velto"));
    setFixedSize(275, 116);
}

void frmDromel::SetStaysOnTop(bool on) {
    // Changing the flag re-creates the window and activates it again.
    if (windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on) return;
    const bool wasVisible = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (wasVisible) show();
}

void frmDromel::RequestQuit() { QApplication::quit(); }

void frmDromel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (player_ && !player_->surface.face.isNull()) {
        p.drawImage(0, 0, player_->surface.face);
        return;
    }
    p.fillRect(rect(), QColor(0x20, 0x24, 0x2c));
    p.setPen(QColor(0xd0, 0xd8, 0xe0));
    p.drawText(rect(), Qt::AlignCenter, QStringLiteral("Velto"));
}

void frmDromel::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (player_) player_->Quit();
    else RequestQuit();
}

bool frmDromel::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && player_) player_->Form_Activate();
    return QWidget::event(event);
}

} // namespace velto
