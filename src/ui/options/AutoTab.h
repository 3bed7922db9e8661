#pragma once
// "Auto On/Off": the master switch, the snooze, and the editor of the weekly
// schedule. The schedule's rules live in the scheduler; this tab only feeds
// them the controls' values.
#include "ui/options/Bindings.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace velto {

class Player;

class AutoTab : public QWidget {
    Q_OBJECT
public:
    explicit AutoTab(Player& player, QWidget* parent = nullptr);
    // The settings into the controls; the day and minute lists start at their
    // preselected items, and choosing the minutes restarts the count.
    void Load();
    // OOList = the live schedule.
    void CopyLiveList();

private:
    QWidget* OptionsFrame();
    QWidget* SnoozeFrame();
    QWidget* ScheduleFrame();
    void SnzMin_Click();
    void OOAddBtn_Click();
    void OODelBtn_Click();
    void SyncAutoList();
    QStringList Entries() const;

    Player& player_;
    Bindings bind_;
    QComboBox* SnzMin = nullptr;
    QComboBox* OODay = nullptr;
    QLineEdit* OOOnTime = nullptr;
    QLineEdit* OOOffTime = nullptr;
    QLineEdit* OOPreset = nullptr;
    QListWidget* OOList = nullptr;
    QPushButton* OOAddBtn = nullptr;
    QPushButton* OODelBtn = nullptr;
};

} // namespace velto
