#pragma once
// The playback engine: the two media elements and the procedures that drive
// them. Player forwards its playback procedures here.
#include "playback/PlaybackTimer.h"
#include "playback/TrackStarter.h"
#include "playback/Transport.h"
#include "playback/Volume.h"
#include "skin/SkinState.h"

#include <array>
#include <memory>

namespace velto {

class MediaElement;
class MediaElementFactory;
class Player;

class PlaybackEngine {
public:
    PlaybackEngine(Player& player, MediaElementFactory& factory);
    ~PlaybackEngine();
    PlaybackEngine(const PlaybackEngine&) = delete;
    PlaybackEngine& operator=(const PlaybackEngine&) = delete;

    // Element 0 or 1 (MMControl).
    MediaElement& Element(int unit);
    // Tells the surface's viewers that it changed.
    void SurfaceChanged();

    // Slider knobs for a value 0..1 (SetSlider) and the volume slider's action.
    void SetSlider(int n, double v);
    void SlideAction(int n, double v);
    // The skin loader's tables: slider records and window sizes.
    SkinState& Skin();
    std::array<SliderTable, 5>& SlideTab() { return Skin().SlideTab; }

    TrackStarter starter;
    Transport transport;
    Volume volume;
    PlaybackTimer timer;

private:
    Player& p_;
    std::array<std::unique_ptr<MediaElement>, 2> elements_;
    SkinState noSkin_; // until the skin loader exists
};

} // namespace velto
