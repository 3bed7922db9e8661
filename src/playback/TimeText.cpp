#include "playback/TimeText.h"

#include "common/Numbers.h"

#include <cmath>

namespace velto {

QString TotalTimeText(int32_t ms) {
    const int32_t s = ToInt32(ms / 1000.0).value_or(0);
    const int32_t m = static_cast<int32_t>(std::floor(s / 60.0));
    return Plain(m) + QStringLiteral(":") + ZeroPadded(s - 60 * m, 2);
}

QString PlayTimeText(int32_t ms, bool remaining, int32_t* seconds) {
    // Integer division drops the remainder toward zero, as the display always did.
    const int32_t s = ms / 1000;
    const int32_t m = s / 60;
    if (seconds) *seconds = s;
    const QString text = Plain(m) + QStringLiteral(":") + ZeroPadded(s - 60 * m, 2);
    return remaining ? QStringLiteral("-") + text : text;
}

} // namespace velto
