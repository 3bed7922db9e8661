#include "playback/PlaybackTimer.h"

#include "app/Player.h"
#include "common/Numbers.h"
#include "platform/MediaElement.h"
#include "playback/MediaTypes.h"
#include "playback/PlaybackEngine.h"
#include "playback/TimeText.h"

#include <memory>
#include <random>

namespace velto {

PlaybackTimer::PlaybackTimer(Player& player, PlaybackEngine& engine) : p_(player), e_(engine) {
    auto generator = std::make_shared<std::mt19937>(std::random_device{}());
    random = [generator] { return std::uniform_real_distribution<double>(0.0, 1.0)(*generator); };
}

void PlaybackTimer::Tick() {
    if (p_.Playing == 0) return;
    if (p_.SongLen == 0 && !AskLengthAgain()) return;

    if (p_.Dev == kDevDelay) {
        if (p_.Paused == 0) p_.Elapsed += kIntervalMs;
    } else {
        p_.Elapsed = e_.Element(p_.PlayUnit).Position();
    }
    p_.Remain = p_.SongLen - p_.Elapsed;
    p_.TimeDisp = p_.TimeFlag != 0 ? p_.Remain : p_.Elapsed;
    ShowTime(p_.TimeDisp, p_.TimeFlag != 0);

    if (p_.surface.iSlider[1].visible && p_.SlideFlag != 1)
        p_.SetSlider(1, double(p_.Elapsed) / double(p_.SongLen));

    if (p_.Intro != 0 && p_.Elapsed > 10000) {
        // The next track has started; this tick's position belongs to the
        // previous one and must not end the new one at once.
        Advance();
        return;
    }
    if (p_.RptB > 0 && p_.Elapsed >= p_.RptB) p_.PlayFrom(p_.RptA);
    if (p_.Elapsed >= p_.SongLen - p_.settings.PBOverlap) Advance();
}

// A medium whose length was not known when it opened (a stream) is asked
// again; until it is known, only its running time is shown.
bool PlaybackTimer::AskLengthAgain() {
    if (p_.Dev.isEmpty() || p_.Dev == kDevDelay) return false;
    MediaElement& element = e_.Element(p_.PlayUnit);
    p_.SongLen = element.TrackLength();
    if (p_.SongLen > 0) {
        p_.surface.Lbl[13].caption = TotalTimeText(p_.SongLen);
        return true;
    }
    p_.Elapsed = element.Position();
    ShowTime(p_.Elapsed, false);
    return false;
}

void PlaybackTimer::ShowTime(int32_t ms, bool remaining) {
    int32_t seconds = 0;
    const QString text = PlayTimeText(ms, remaining, &seconds);
    if (text == shownText_) return;
    p_.surface.Lbl[1].caption = text;
    p_.SetDD(1, seconds);
    shownText_ = text;
    e_.SurfaceChanged();
}

void PlaybackTimer::Advance() {
    if (p_.settings.PBOverlap > 0) p_.PlayUnit = static_cast<int16_t>(1 - p_.PlayUnit);
    if (p_.Repeat == 0) {
        if (p_.Shuffle == -1) {
            const double r = random();
            p_.TNum = ToInt16(r * p_.playlist.Count() + 1).value_or(1);
        } else {
            p_.TNum = static_cast<int16_t>(p_.TNum + 1);
        }
    }
    p_.PlayIt();
    if (p_.STP != 0) p_.StopIt();
}

} // namespace velto
