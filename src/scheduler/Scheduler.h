#pragma once
// The second timer's tick and what hangs on it: title scrolling, the volume
// slider following the output level, and once a minute the clock, the day and
// date texts, the snooze and the Auto On/Off schedule. Also the schedule's
// file, "autolist.txt".
#include "scheduler/MinuteStep.h"
#include "scheduler/Snooze.h"

#include <QDateTime>
#include <QString>

namespace velto {

class Clock;
class Commands;
class Dialogs;
class Display;
class Repainter;
class Sliders;
class Volume;
struct PlayerState;

class Scheduler {
public:
    Scheduler(PlayerState& state, Display& display, Sliders& sliders, const Volume& volume,
              const Clock& clock, Dialogs& dialogs, Commands& commands)
        : s_(state), display_(display), sliders_(sliders), volume_(volume), clock_(clock),
          dialogs_(dialogs), commands_(commands) {}

    // The live schedule from the file; a missing file gives an empty schedule.
    void LoadAutoList(const QString& file);
    // Writes the live schedule; tells the user when that failed. A file that
    // could not be read at start is left as it is.
    void SaveAutoList(const QString& file);
    // The day and date texts and today's day code, for now's date.
    void MakeDayStr();
    // At load, after MakeDayStr: the minute the player starts in is not run.
    void Start();
    // Timer2_Timer, every 200 ms.
    void Tick();

    SnoozeState snooze;

private:
    void RunMinute(const QDateTime& minute);
    void ShowDayTexts(const QDate& date);
    void OnAction(int32_t number);
    void OffAction();

    PlayerState& s_;
    Display& display_;
    Sliders& sliders_;
    const Volume& volume_;
    const Clock& clock_;
    Dialogs& dialogs_;
    Commands& commands_;
    MinuteStep minutes_;
    bool keepFile_ = false; // the file could not be read: never overwrite it
};

} // namespace velto
