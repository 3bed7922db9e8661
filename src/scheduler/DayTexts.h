#pragma once
// The day and date texts shown in the skin, and today's schedule day code.
// English names always, whatever the locale, as the skins are made for them.
#include <QDate>
#include <QString>

namespace velto {

struct DayTexts {
    QString longDate; // text field 6: "Sunday December 5,1999"
    QString shortDay; // text field 7: "Sun"
    QString DowS;     // one of "UMTWRFS", Sunday first
};

// All three empty for an invalid date.
DayTexts MakeDayStr(const QDate& date);

} // namespace velto
