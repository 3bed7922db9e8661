#include "scheduler/ClockTick.h"

#include "platform/Clock.h"
#include "playback/Volume.h"
#include "skin/DigitDisplay.h"
#include "skin/Display.h"
#include "skin/Sliders.h"
#include "state/Elements.h"
#include "state/Notify.h"
#include "state/PlayerState.h"

namespace velto {

void ClockTick::Tick() {
    if (s_.settings.ScrollName == 1) display_.SetDD(dig::Title, QVariant(s_.SongName));
    const QDateTime now = clock_.Now();
    const QTime time = now.time();
    if (time.second() == 0) {
        // Once per minute: ticks later in the same second find it done.
        const QString minute = now.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        if (minute != lastMinute_) {
            lastMinute_ = minute;
            s_.surface.Lbl[lbl::Clock].caption = ClockText(time, s_.settings.TimeFmt);
            display_.SetDD(dig::Clock, QVariant(0));
            if (time.hour() == 0 && time.minute() == 0) MakeDayStr();
            repaint_.Repaint();
        }
    } else if (s_.settings.Auto != 1 || s_.settings.Snooze != 1) {
        display_.ShowCaption(lbl::Snooze, QString());
    }
    sliders_.SetSlider(slider::Volume, volume_.GetVol());
}

void ClockTick::MakeDayStr() {}

} // namespace velto
