#pragma once
// The 100 ms playback tick: time display, position slider, intro, A-B
// repeat, and the advance to the next track, overlapping on the other element.
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

namespace velto {

class PlaybackEngine;
struct PlayerState;
struct Settings;

// The overlap of continuous playback, ms; the settings file may hold a
// negative one, which counts as none.
int32_t Overlap(const Settings& settings);

class PlaybackTimer {
public:
    explicit PlaybackTimer(PlaybackEngine& engine);

    void Tick();
    void Advance();
    // The time text is rewritten on the next tick even when it is unchanged.
    void ForgetTimeText() { shown_.reset(); }

    static constexpr int kIntervalMs = 100;

    // Numbers in [0, 1) for shuffle; seeded once per run. Tests put their own.
    std::function<double()> random;

private:
    void ShowTime(int32_t ms, bool remaining);
    bool FollowLength();

    PlayerState& s_;
    PlaybackEngine& e_;
    // The whole seconds and sign of the time on show; its text changes with them only.
    std::optional<std::pair<int32_t, bool>> shown_;
};

} // namespace velto
