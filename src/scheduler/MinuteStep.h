#pragma once
// When the second timer's tick runs its once-a-minute work. The minute step
// runs on the first tick of each new minute, whatever its seconds, so a tick
// that misses second 00 (a busy machine) still handles the minute; a clock
// jump (suspend, a changed time) handles only the minute jumped to.
#include <QDate>
#include <QDateTime>

#include <cstdint>
#include <optional>

namespace velto {

class MinuteStep {
public:
    // Marks now's minute as handled: at start the clock and the day texts are
    // shown by the load, and the schedule waits for the next exact minute.
    void Start(const QDateTime& now);

    // now's minute (seconds cleared) when it is neither the last minute
    // handled nor the one before it, else nothing. The one before
    // keeps a clock stepped back a moment across a minute's start from
    // handling that minute again; a larger step back is a new time and runs.
    std::optional<QDateTime> Due(const QDateTime& now);

    // True when today differs from the date the day texts were last built for
    // (so the first call is true); the caller then runs MakeDayStr.
    bool NewDay(const QDate& today);

private:
    // Minutes counted from the start of the Julian calendar; -1: none.
    int64_t last_ = -1;
    int64_t beforeLast_ = -1;
    QDate dayBuilt_;
};

} // namespace velto
