#pragma once
// "Velto Options": the tabbed dialog in which the user edits the settings.
// Every control writes its setting at once; the store is written at exit.
#include <QDialog>

class QPushButton;
class QTabWidget;

namespace velto {

class AutoTab;
class ManualTab;
class OptionsTab;
class PathsTab;
class Player;
class VisualTab;

class Pref : public QDialog {
    Q_OBJECT
public:
    // Builds the dialog and runs Form_Load; the caller shows it.
    Pref(Player& player, QWidget* parent = nullptr);

    // Centres the dialog on the screen, puts every setting into its control
    // and shows the guide.
    void Form_Load();
    // Copies the live schedule into the dialog's list; shows the skin's text.
    void Form_Activate();
    // Gives the main window back its on-top state and clears OptionsVisible.
    void Form_Unload();

    QTabWidget* Tabs() const { return SSTab1; }

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void CentreOnScreen();

    Player& player_;
    QTabWidget* SSTab1;
    VisualTab* visual_;
    ManualTab* manual_;
    OptionsTab* options_;
    AutoTab* auto_;
    PathsTab* paths_;
    QPushButton* cmdOk;
    bool unloaded_ = false;
};

} // namespace velto
