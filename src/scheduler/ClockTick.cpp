// The 200 ms tick of the second timer: title scrolling, the volume slider
// following the output level, and once a minute the clock.
#include "app/Player.h"
#include "platform/Clock.h"
#include "platform/MainWindow.h"
#include "skin/DigitDisplay.h"

namespace velto {

void Player::Timer2_Timer() {
    if (settings.ScrollName == 1) SetDD(6, QVariant(SongName));
    const QDateTime now = clock.Now();
    const QTime time = now.time();
    if (time.second() == 0) {
        // Once per minute: ticks later in the same second find it done.
        const QString minute = now.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        if (minute != lastMinute_) {
            lastMinute_ = minute;
            surface.Lbl[3].caption = ClockText(time, settings.TimeFmt);
            SetDD(3, QVariant(0));
            if (time.hour() == 0 && time.minute() == 0) MakeDayStr();
            Repaint();
        }
    } else if (settings.Auto != 1 || settings.Snooze != 1) {
        if (!surface.Lbl[5].caption.isEmpty()) {
            surface.Lbl[5].caption.clear();
            Repaint();
        }
    }
    SetSlider(2, GetVol());
}

} // namespace velto
