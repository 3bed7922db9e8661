#pragma once
// Clock times as the user types them: "7:30" and "07:30" are the same minute.
#include <QString>
#include <QTime>

#include <optional>

namespace velto {

// "H:MM" or "HH:MM" on the 24-hour clock, blanks around it allowed; nothing
// for anything else ("25:00", "7:5", "ab", "").
std::optional<QTime> ParseClockTime(const QString& text);

// True when text is a clock time naming the hour and minute of now.
bool IsClockMinute(const QString& text, const QTime& now);

// "07:30".
QString MinuteText(const QTime& t);

} // namespace velto
