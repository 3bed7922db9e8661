#include "scheduler/MinuteStep.h"

namespace velto {

namespace {
// Asked five times a second: a number, not a formatted text.
int64_t minuteKey(const QDateTime& t) {
    return t.date().toJulianDay() * 1440 + t.time().hour() * 60 + t.time().minute();
}
} // namespace

void MinuteStep::Start(const QDateTime& now) {
    beforeLast_ = -1;
    last_ = now.isValid() ? minuteKey(now) : -1;
}

std::optional<QDateTime> MinuteStep::Due(const QDateTime& now) {
    if (!now.isValid()) return std::nullopt;
    const int64_t key = minuteKey(now);
    if (key == last_ || key == beforeLast_) return std::nullopt;
    beforeLast_ = last_;
    last_ = key;
    QDateTime minute = now;
    minute.setTime(QTime(now.time().hour(), now.time().minute()));
    return minute;
}

bool MinuteStep::NewDay(const QDate& today) {
    if (!today.isValid() || today == dayBuilt_) return false;
    dayBuilt_ = today;
    return true;
}

} // namespace velto
