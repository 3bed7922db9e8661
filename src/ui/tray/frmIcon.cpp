#include "ui/tray/frmIcon.h"

#include "app/Player.h"
#include "ui/AppIcon.h"
#include "ui/CommandMenu.h"

namespace velto {

frmIcon::frmIcon(QObject* parent) : QSystemTrayIcon(AppIcon(), parent) {
    setToolTip(QStringLiteral("Velto"));
    connect(this, &QSystemTrayIcon::activated, this, &frmIcon::Activated);
}

void frmIcon::AttachPlayer(Player* player) {
    player_ = player;
    menu_.clear();
    AddCommandItems(menu_, *player);
    setContextMenu(&menu_);
}

// The icon can be visible with nowhere to show it: a desktop without a tray,
// or one whose panel has quit.
bool frmIcon::Shown() const { return isSystemTrayAvailable() && isVisible(); }

void frmIcon::Activated(QSystemTrayIcon::ActivationReason reason) {
    // A double click arrives as a Trigger followed by a DoubleClick: acting on
    // the Trigger alone makes it one press. The menu opens by itself.
    if (reason == QSystemTrayIcon::Trigger && player_) player_->TrayLeftPress();
}

} // namespace velto
