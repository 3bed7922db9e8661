#include "scheduler/AutoEntry.h"

#include "common/Numbers.h"
#include "scheduler/ClockTime.h"

#include <algorithm>

namespace velto {

namespace {
const QString kNoTime = QStringLiteral("     ");

// The five-character time column: "07:30", blanks for none, nothing when bad.
std::optional<QString> timeColumn(const QString& text) {
    if (text.trimmed().isEmpty()) return kNoTime;
    const std::optional<QTime> t = ParseClockTime(text);
    if (!t) return std::nullopt;
    return MinuteText(*t);
}

// The column's time; `bad` is set when it is neither blank nor a time.
std::optional<QTime> storedTime(const QString& column, bool& bad) {
    if (column.trimmed().isEmpty()) return std::nullopt;
    const std::optional<QTime> t = ParseClockTime(column);
    if (!t) bad = true;
    return t;
}
} // namespace

AutoEntryResult BuildAutoEntry(const QString& dayItem, const QString& onText,
                               const QString& offText, const QString& numberText) {
    if (dayItem.isEmpty()) return {};
    const bool known =
        std::any_of(kAutoDayItems.begin(), kAutoDayItems.end(),
                    [&](const QString& item) { return item.at(0) == dayItem.at(0); });
    if (!known) return {};
    const std::optional<QString> on = timeColumn(onText);
    const std::optional<QString> off = timeColumn(offText);
    if (!on || !off) return {std::nullopt, kBadTimeMessage};
    const QString times = *on + u' ' + *off;
    if (times == kNoTime + u' ' + kNoTime || times == QStringLiteral("00:00 00:00")) return {};
    const QString number = ZeroPadded(TextToInt32(numberText, 0), 2);
    return {QString(dayItem.at(0)) + u' ' + times + u' ' + number, {}};
}

AutoListAfterDelete DeleteAutoEntry(const QStringList& list, int selected) {
    AutoListAfterDelete after{list, selected};
    if (selected >= 0 && selected < list.size()) after.list.removeAt(selected);
    if (after.selected > after.list.size() - 1) after.selected = int(after.list.size()) - 1;
    if (after.selected < 0) after.selected = -1;
    return after;
}

std::optional<AutoEntry> ParseAutoEntry(const QString& line) {
    if (line.size() < 13 || line.at(1) != u' ' || line.at(7) != u' ') return std::nullopt;
    if (line.size() > 13 && line.at(13) != u' ') return std::nullopt;
    if (line.at(0).isSpace()) return std::nullopt;
    bool bad = false;
    AutoEntry e;
    e.day = line.at(0);
    e.on = storedTime(line.mid(2, 5), bad);
    e.off = storedTime(line.mid(8, 5), bad);
    if (bad) return std::nullopt;
    e.number = TextToInt32(line.mid(14), 0);
    return e;
}

} // namespace velto
