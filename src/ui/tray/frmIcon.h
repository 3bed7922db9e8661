#pragma once
// The player's icon in the notification area: the application icon with the
// tip "Velto". A left click brings the main window back, a right click opens
// the command menu. The player adds it at start and removes it at shut-down.
#include "platform/Tray.h"

#include <QMenu>
#include <QSystemTrayIcon>

namespace velto {

class Player;

class frmIcon : public QSystemTrayIcon, public Tray {
    Q_OBJECT
public:
    explicit frmIcon(QObject* parent = nullptr);
    void AttachPlayer(Player* player);

    void Add() override { show(); }
    void Remove() override { hide(); }
    bool Shown() const override;

private:
    void Activated(QSystemTrayIcon::ActivationReason reason);

    Player* player_ = nullptr;
    QMenu menu_; // never changed once built
};

} // namespace velto
