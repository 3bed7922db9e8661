#pragma once
// The player's output volume: two 16-bit channel levels in one 32-bit word
// (left low, right high), applied to both elements' streams, and mute.
#include <cstdint>

namespace velto {

class MediaElement;
class PlaybackEngine;
struct PlayerState;

// The whole percent of a level 0..1. The level is kept in 16 bits, so a value
// read back lies up to a level step below the one set (0.95 reads 0.949996);
// a hundredth of a percent absorbs that, so 95 stays 95 and not 94.
int WholePercent(double v);

class Volume {
public:
    explicit Volume(PlaybackEngine& engine);

    float GetVol() const;
    void SetVol(float v);
    void VolStep(int16_t d);
    void MuteToggle();
    // The level in whole percent to start with next time: while muted, the
    // level before mute, since mute itself is not kept.
    int PercentToKeep() const;

    uint32_t Levels() const { return levels_; }
    void SetLevels(uint32_t levels);
    // Gives an element the current level (a new element starts at it).
    void ApplyTo(MediaElement& element) const;

private:
    PlayerState& s_;
    PlaybackEngine& e_;
    uint32_t levels_ = 0xFFFFFFFFu;
    int16_t savedHundredths_ = 0; // the level before mute
};

} // namespace velto
