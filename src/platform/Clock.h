#pragma once
#include <QDateTime>

namespace velto {

// Time of day and date for the clock, the schedule and the snooze.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime Now() const = 0;
};

// Local time from the system clock. Asked five times a second: the offset
// from UTC is looked up (a time zone file read) once a minute, which still
// follows a change of summer time or of zone within the minute it happens.
class SystemClock : public Clock {
public:
    QDateTime Now() const override {
        const QDateTime utc = QDateTime::currentDateTimeUtc();
        const qint64 minute = utc.toSecsSinceEpoch() / 60;
        if (minute != minute_) {
            minute_ = minute;
            offset_ = utc.toLocalTime().offsetFromUtc();
        }
        return utc.toOffsetFromUtc(offset_);
    }

private:
    mutable qint64 minute_ = -1;
    mutable int offset_ = 0;
};

} // namespace velto
