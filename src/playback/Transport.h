#pragma once
// The transport buttons and play modes: stop, pause, seek, next and previous,
// the mode switches with their lights, A-B repeat and the window sizes.
#include <cstdint>

namespace velto {

class PlaybackEngine;
class Player;

class Transport {
public:
    Transport(Player& player, PlaybackEngine& engine) : p_(player), e_(engine) {}

    void StopIt();
    void PauseIt();
    void PlayPause();
    void Reverse();
    void Forward();
    void NextTrack();
    void PrevTrack();
    void PlayFrom(int32_t SPos);
    void OpenPlay();
    void IntroToggle();
    void StpToggle();
    void RepeatToggle();
    void ShuffleToggle();
    void RptButton();
    void SetRptB();
    void SizeToggle();
    void SmallToggle();

private:
    void SetA();
    void ApplyWindowSize(int size);

    Player& p_;
    PlaybackEngine& e_;
};

} // namespace velto
