#include "scheduler/MinuteStep.h"

namespace velto {

namespace {
QString minuteKey(const QDateTime& t) { return t.toString(QStringLiteral("yyyy-MM-dd HH:mm")); }
} // namespace

void MinuteStep::Start(const QDateTime& now) {
    beforeLast_.clear();
    last_ = minuteKey(now);
}

std::optional<QDateTime> MinuteStep::Due(const QDateTime& now) {
    if (!now.isValid()) return std::nullopt;
    const QString key = minuteKey(now);
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
