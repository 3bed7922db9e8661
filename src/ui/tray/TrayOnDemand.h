#pragma once
// The tray icon, made when the player first adds it: making it asks the
// session bus whether the desktop's tray takes StatusNotifier items, a wait
// that need not come before the window.
#include "platform/Tray.h"
#include "ui/tray/frmIcon.h"

#include <memory>

namespace velto {

class TrayOnDemand : public Tray {
public:
    void AttachPlayer(Player* player) {
        player_ = player;
        if (icon_) icon_->AttachPlayer(player);
    }
    void Add() override {
        if (!icon_) {
            icon_ = std::make_unique<frmIcon>();
            icon_->AttachPlayer(player_);
        }
        icon_->Add();
    }
    void Remove() override {
        if (icon_) icon_->Remove();
    }
    bool Shown() const override { return icon_ && icon_->Shown(); }

private:
    Player* player_ = nullptr;
    std::unique_ptr<frmIcon> icon_;
};

} // namespace velto
