#pragma once
// "Options": window, shut-down and start-up choices, the folder-scan
// extensions, display and playlist switches, and the crossfade overlap.
#include "ui/options/Bindings.h"

#include <QWidget>

class QLineEdit;

namespace velto {

class Player;

class OptionsTab : public QWidget {
    Q_OBJECT
public:
    explicit OptionsTab(Player& player, QWidget* parent = nullptr);
    void Load();

private:
    Player& player_;
    Bindings bind_;
    QLineEdit* ValExt;
    QLineEdit* PBOverlap;
};

} // namespace velto
