#pragma once
// Which schedule entries act in a given minute. The caller acts: an off match
// hides the main window when SnoozeHide is 1; what an on match starts is the
// caller's to decide, from the entry's number.
#include <QChar>
#include <QString>
#include <QStringList>
#include <QTime>

#include <cstdint>
#include <vector>

namespace velto {

// Whether an entry coded `day` acts today: "E" every day, "D" Monday to
// Friday, "N" Saturday and Sunday, any other code when it equals DowS (exact,
// case-sensitive). DowS is today's code from MakeDayStr.
bool DueToday(QChar day, const QString& DowS);

enum class AutoMatch { On, Off };

struct AutoAction {
    int index = 0; // the entry's place in the list
    AutoMatch match = AutoMatch::On;
    int32_t number = 0; // the entry's file/playlist number
};

// The matches of `minute` (hour and minute count, seconds do not) in list
// order; an entry whose on and off times are both this minute gives its on
// match, then its off match. Malformed lines and missing times never match.
std::vector<AutoAction> ScheduleCheck(const QStringList& AutoList, const QString& DowS,
                                      const QTime& minute);

} // namespace velto
