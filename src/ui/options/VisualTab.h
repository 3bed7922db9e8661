#pragma once
// "Visual": the skin chooser with the skin's information text, and the
// program's name and icon.
#include <QWidget>

class QLabel;
class QPushButton;

namespace velto {

class Player;

class VisualTab : public QWidget {
    Q_OBJECT
public:
    explicit VisualTab(Player& player, QWidget* parent = nullptr);
    // SkinInf caption = the loaded skin's information text.
    void ShowSkinInfo();

private:
    void cSelSkin_Click();

    Player& player_;
    QPushButton* cSelSkin;
    QLabel* SkinInf;
};

} // namespace velto
