#pragma once
#include <QDateTime>

namespace velto {

// Time of day and date for the clock, the schedule and the snooze.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime Now() const = 0;
};

class SystemClock : public Clock {
public:
    QDateTime Now() const override { return QDateTime::currentDateTime(); }
};

} // namespace velto
