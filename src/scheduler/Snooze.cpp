#include "scheduler/Snooze.h"

#include "common/Numbers.h"
#include "scheduler/ClockTime.h"

#include <algorithm>
#include <cstdlib>

namespace velto {

void SnoozeState::cbSnoozeEn_Click(int16_t checked, int16_t& Snooze) {
    Snooze = checked;
    // A count that has run out restarts from the chosen minutes rather than
    // firing again at the next minute.
    snzLeft_ = snzLeft_ == 0 ? -chosen_ : -std::abs(snzLeft_);
}

void SnoozeState::SnzMin_Click(const QString& item) {
    chosen_ = std::max(TextToInt32(item, kSnoozeMinutesDefault), int32_t{1});
    snzLeft_ = -chosen_;
}

std::optional<QString> SnoozeState::DisplayRefresh(int16_t Auto, int16_t Snooze, int16_t SnoozeMode,
                                                   const QString& SnoozeTime) {
    if (Auto != 1 || Snooze != 1) return QString();
    if (snzLeft_ >= 0) return std::nullopt;
    snzLeft_ = -snzLeft_;
    return SnoozeMode == 0 ? ZeroPadded(snzLeft_, 2) : SnoozeTime;
}

SnoozeMinute SnoozeState::MinuteStep(int16_t Auto, int16_t& Snooze, int16_t SnoozeMode,
                                     const QString& SnoozeTime, const QTime& now) {
    if (Auto != 1 || Snooze != 1) return {};
    if (SnoozeMode != 0) return {SnoozeTime, IsClockMinute(SnoozeTime, now)};
    // A count chosen just before the minute's first tick is not shown yet;
    // it is still the full count, not an expired one.
    snzLeft_ = std::abs(snzLeft_) - 1;
    SnoozeMinute step{ZeroPadded(snzLeft_, 2), snzLeft_ < 1};
    if (step.fires) Snooze = 0;
    return step;
}

} // namespace velto
