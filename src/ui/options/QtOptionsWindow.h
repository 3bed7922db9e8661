#pragma once
#include "platform/OptionsWindow.h"
#include "ui/options/Pref.h"

#include <QObject>
#include <QPointer>

class QWidget;

namespace velto {

class Player;

// The options dialog of the program: made on each opening, modal to the main
// window without a nested event loop, and destroyed when it closes. A quit
// closes it first, so its unload runs before the player's shut-down.
class QtOptionsWindow : public QObject, public OptionsWindow {
    Q_OBJECT
public:
    explicit QtOptionsWindow(QWidget* mainWindow);
    ~QtOptionsWindow() override;
    void AttachPlayer(Player* player) { player_ = player; }
    void ShowOptions() override;
    // The open dialog, or null.
    Pref* Dialog() const { return dialog_; }
    void CloseDialog();

private:
    QWidget* mainWindow_;
    Player* player_ = nullptr;
    QPointer<Pref> dialog_;
};

} // namespace velto
