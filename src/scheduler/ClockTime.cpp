#include "scheduler/ClockTime.h"

namespace velto {

namespace {
int digitAt(const QString& s, qsizetype i) {
    const QChar c = s.at(i);
    return c >= u'0' && c <= u'9' ? c.unicode() - u'0' : -1;
}
} // namespace

std::optional<QTime> ParseClockTime(const QString& text) {
    const QString s = text.trimmed();
    const qsizetype colon = s.indexOf(u':');
    if (colon < 1 || colon > 2 || s.size() != colon + 3) return std::nullopt;
    int hour = 0;
    for (qsizetype i = 0; i < colon; ++i) {
        const int d = digitAt(s, i);
        if (d < 0) return std::nullopt;
        hour = hour * 10 + d;
    }
    const int tens = digitAt(s, colon + 1);
    const int ones = digitAt(s, colon + 2);
    if (tens < 0 || ones < 0) return std::nullopt;
    const int minute = tens * 10 + ones;
    if (hour > 23 || minute > 59) return std::nullopt;
    return QTime(hour, minute);
}

bool IsClockMinute(const QString& text, const QTime& now) {
    const std::optional<QTime> t = ParseClockTime(text);
    return t && now.isValid() && t->hour() == now.hour() && t->minute() == now.minute();
}

QString MinuteText(const QTime& t) { return t.toString(QStringLiteral("HH:mm")); }

} // namespace velto
