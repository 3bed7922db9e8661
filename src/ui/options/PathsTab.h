#pragma once
// "Paths": the Visual Playlist Selector's first folder and the skins folder.
#include "ui/options/Bindings.h"

#include <QWidget>

class QLineEdit;

namespace velto {

class Player;

class PathsTab : public QWidget {
    Q_OBJECT
public:
    explicit PathsTab(Player& player, QWidget* parent = nullptr);
    void Load();

private:
    void cSetVPD_Click();
    void cSetSkinDir_Click();

    Player& player_;
    Bindings bind_;
    QLineEdit* VisPLD;
    QLineEdit* SkinPath;
};

} // namespace velto
