#pragma once
// The transport buttons and play modes: stop, pause, seek, next and previous,
// the mode switches with their lights and A-B repeat.
#include <cstdint>

namespace velto {

class PlaybackEngine;
struct PlayerState;

class Transport {
public:
    explicit Transport(PlaybackEngine& engine);

    void StopIt();
    // The player shows and behaves as stopped; the element is left alone.
    void ShowStopped();
    void PauseIt();
    void PlayPause();
    void Reverse();
    void Forward();
    void NextTrack();
    void PrevTrack();
    void PlayFrom(int32_t SPos);
    void MoveTo(int32_t SPos);
    void IntroToggle();
    void StpToggle();
    void RepeatToggle();
    void ShuffleToggle();
    void RptButton();
    void SetRptB();

private:
    void SetA();
    int32_t InTrack(int32_t SPos) const;

    PlayerState& s_;
    PlaybackEngine& e_;
};

} // namespace velto
