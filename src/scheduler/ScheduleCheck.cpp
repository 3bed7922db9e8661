#include "scheduler/ScheduleCheck.h"

#include "scheduler/AutoEntry.h"

namespace velto {

namespace {
bool sameMinute(const std::optional<QTime>& t, const QTime& minute) {
    return t && t->hour() == minute.hour() && t->minute() == minute.minute();
}
} // namespace

bool DueToday(QChar day, const QString& DowS) {
    if (day == u'E') return true;
    if (DowS.size() != 1) return false;
    if (day == u'D') return QStringLiteral("MTWRF").contains(DowS.at(0));
    if (day == u'N') return QStringLiteral("US").contains(DowS.at(0));
    return day == DowS.at(0);
}

std::vector<AutoAction> ScheduleCheck(const QStringList& AutoList, const QString& DowS,
                                      const QTime& minute) {
    std::vector<AutoAction> actions;
    if (!minute.isValid()) return actions;
    for (qsizetype i = 0; i < AutoList.size(); ++i) {
        const std::optional<AutoEntry> e = ParseAutoEntry(AutoList.at(i));
        if (!e || !DueToday(e->day, DowS)) continue;
        if (sameMinute(e->on, minute)) actions.push_back({int(i), AutoMatch::On, e->number});
        if (sameMinute(e->off, minute)) actions.push_back({int(i), AutoMatch::Off, e->number});
    }
    return actions;
}

} // namespace velto
