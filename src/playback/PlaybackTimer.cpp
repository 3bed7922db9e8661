#include "playback/PlaybackTimer.h"

#include "common/Numbers.h"
#include "platform/MediaElement.h"
#include "playback/MediaTypes.h"
#include "playback/PlaybackEngine.h"
#include "playback/TimeText.h"
#include "skin/Display.h"
#include "skin/Sliders.h"
#include "state/Elements.h"
#include "state/Notify.h"
#include "state/PlayerState.h"

#include <algorithm>
#include <memory>
#include <random>

namespace velto {

int32_t Overlap(const Settings& settings) { return std::max<int32_t>(settings.PBOverlap, 0); }

PlaybackTimer::PlaybackTimer(PlaybackEngine& engine) : s_(engine.parts.state), e_(engine) {
    auto generator = std::make_shared<std::mt19937>(std::random_device{}());
    random = [generator] { return std::uniform_real_distribution<double>(0.0, 1.0)(*generator); };
}

void PlaybackTimer::Tick() {
    if (s_.Playing == 0) return;
    if (!FollowLength()) return;

    if (s_.Dev == kDevDelay) {
        if (s_.Paused == 0) s_.Elapsed += kIntervalMs;
    } else {
        s_.Elapsed = e_.Element(s_.PlayUnit).Position();
    }
    s_.Remain = s_.SongLen - s_.Elapsed;
    s_.TimeDisp = s_.TimeFlag != 0 ? s_.Remain : s_.Elapsed;
    ShowTime(s_.TimeDisp, s_.TimeFlag != 0);

    if (s_.surface.iSlider[slider::Position].visible && s_.SlideFlag != slider::Position)
        e_.parts.sliders.SetSlider(slider::Position, double(s_.Elapsed) / double(s_.SongLen));

    if (s_.Intro != 0 && s_.Elapsed > 10000) {
        // The next track has started; this tick's position belongs to the
        // previous one and must not end the new one at once.
        Advance();
        return;
    }
    if (s_.RptB > 0 && s_.Elapsed >= s_.RptB) e_.transport.PlayFrom(s_.RptA);
    // 64 bits: a length near the 32-bit limit must not wrap.
    if (int64_t(s_.Elapsed) >= int64_t(s_.SongLen) - Overlap(s_.settings)) Advance();
}

// The length is asked again on every tick: a stream's becomes known only
// later, and a VBR MP3 without a length header has only an estimate that
// changes while it plays. Until a length is known, only the running time
// is shown.
bool PlaybackTimer::FollowLength() {
    if (s_.Dev.isEmpty() || s_.Dev == kDevDelay) return s_.SongLen != 0;
    MediaElement& element = e_.Element(s_.PlayUnit);
    const int32_t length = element.TrackLength();
    if (length > 0 && length != s_.SongLen) {
        s_.SongLen = length;
        s_.surface.Lbl[lbl::TotalTime].caption = TotalTimeText(length);
        e_.parts.repaint.Repaint();
    }
    if (s_.SongLen > 0) return true;
    s_.Elapsed = element.Position();
    ShowTime(s_.Elapsed, false);
    return false;
}

void PlaybackTimer::ShowTime(int32_t ms, bool remaining) {
    const std::pair<int32_t, bool> shown{ms / 1000, remaining};
    if (shown_ == shown) return;
    s_.surface.Lbl[lbl::Time].caption = PlayTimeText(ms, remaining);
    e_.parts.display.SetDD(dig::PlayTime, shown.first);
    shown_ = shown;
    e_.parts.repaint.Repaint();
}

void PlaybackTimer::Advance() {
    // Nothing left to play (the list was cleared): the end stops playback.
    if (s_.playlist.Count() == 0) {
        e_.transport.StopIt();
        return;
    }
    if (Overlap(s_.settings) > 0) s_.PlayUnit = static_cast<int16_t>(1 - s_.PlayUnit);
    if (s_.Repeat == 0) {
        if (s_.Shuffle == -1) {
            const double r = random();
            s_.TNum = ToInt16(r * s_.playlist.Count() + 1).value_or(1);
        } else {
            s_.TNum = static_cast<int16_t>(s_.TNum + 1);
        }
    }
    e_.starter.PlayIt();
    if (s_.STP != 0) e_.transport.StopIt();
}

} // namespace velto
