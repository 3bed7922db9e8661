#include "scheduler/Scheduler.h"

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "playback/Volume.h"
#include "scheduler/AutoListFile.h"
#include "scheduler/DayTexts.h"
#include "scheduler/ScheduleCheck.h"
#include "skin/DigitDisplay.h"
#include "skin/Display.h"
#include "skin/Sliders.h"
#include "state/Elements.h"
#include "state/Notify.h"
#include "state/PlayerState.h"

#include <QFileInfo>

namespace velto {

void Scheduler::LoadAutoList(const QString& file) {
    const std::optional<QStringList> entries = ReadAutoList(file);
    keepFile_ = !entries;
    s_.AutoList = entries.value_or(QStringList());
}

void Scheduler::SaveAutoList(const QString& file) {
    // An empty schedule that never had a file needs none.
    if (keepFile_ || (s_.AutoList.isEmpty() && !QFileInfo::exists(file))) return;
    if (!WriteAutoList(file, s_.AutoList))
        dialogs_.Message(QStringLiteral("Unable to write the Auto On/Off list!"));
}

void Scheduler::MakeDayStr() {
    const QDate today = clock_.Now().date();
    minutes_.NewDay(today);
    ShowDayTexts(today);
}

void Scheduler::ShowDayTexts(const QDate& date) {
    const DayTexts texts = velto::MakeDayStr(date);
    s_.DowS = texts.DowS;
    display_.ShowCaption(lbl::Date, texts.longDate);
    display_.ShowCaption(lbl::Day, texts.shortDay);
}

void Scheduler::Start() { minutes_.Start(clock_.Now()); }

void Scheduler::Tick() {
    const Settings& set = s_.settings;
    if (set.ScrollName == 1) display_.SetDD(dig::Title, QVariant(s_.SongName));
    if (const std::optional<QDateTime> minute = minutes_.Due(clock_.Now())) {
        RunMinute(*minute);
    } else if (const std::optional<QString> text =
                   snooze.DisplayRefresh(set.Auto, set.Snooze, set.SnoozeMode, set.SnoozeTime)) {
        display_.ShowCaption(lbl::Snooze, *text);
    }
    sliders_.SetSlider(slider::Volume, volume_.GetVol());
}

// Once a minute: the clock, a new day's texts, then the snooze and the schedule.
void Scheduler::RunMinute(const QDateTime& minute) {
    Settings& set = s_.settings;
    display_.ShowCaption(lbl::Clock, ClockText(minute.time(), set.TimeFmt));
    display_.SetDD(dig::Clock, QVariant(0));
    if (minutes_.NewDay(minute.date())) ShowDayTexts(minute.date());
    if (set.Auto != 1) return;
    const SnoozeMinute step =
        snooze.MinuteStep(set.Auto, set.Snooze, set.SnoozeMode, set.SnoozeTime, minute.time());
    if (step.text) display_.ShowCaption(lbl::Snooze, *step.text);
    if (step.fires) OffAction();
    for (const AutoAction& action : ScheduleCheck(s_.AutoList, s_.DowS, minute.time())) {
        if (action.match == AutoMatch::On)
            OnAction(action.number);
        else
            OffAction();
    }
}

// An on time plays entry `number` (the current entry when the list is
// shorter); 00, what the dialog offers first, starts nothing. A hidden window
// stays hidden.
void Scheduler::OnAction(int32_t number) {
    if (number < 1 || s_.playlist.Count() == 0) return;
    if (number <= s_.playlist.Count()) s_.TNum = static_cast<int16_t>(number);
    commands_.PlayIt();
}

// An off time (or the snooze running out) stops the music, then hides the
// window when the user asked for it.
void Scheduler::OffAction() {
    commands_.DoIt(Code(Action::Stop));
    if (s_.settings.SnoozeHide == 1) commands_.DoIt(Code(Action::HideMain));
}

} // namespace velto
