#include "scheduler/DayTexts.h"

#include <array>

namespace velto {

namespace {
// Sunday first, as the day codes run.
constexpr std::array<const char*, 7> kDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};
constexpr std::array<const char*, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
constexpr char kDayCodes[] = "UMTWRFS";
} // namespace

DayTexts MakeDayStr(const QDate& date) {
    if (!date.isValid()) return {};
    const int w = date.dayOfWeek() % 7; // Qt counts Monday 1 .. Sunday 7
    const QString day = QString::fromLatin1(kDayNames[w]);
    const QString month = QString::fromLatin1(kMonthNames[date.month() - 1]);
    DayTexts t;
    t.longDate = QStringLiteral("%1 %2 %3,%4")
                     .arg(day, month, QString::number(date.day()))
                     .arg(date.year(), 4, 10, QChar(u'0'));
    t.shortDay = day.left(3);
    t.DowS = QString(QChar::fromLatin1(kDayCodes[w]));
    return t;
}

} // namespace velto
