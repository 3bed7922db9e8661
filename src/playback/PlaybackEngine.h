#pragma once
// The playback engine: the two media elements and the procedures that drive
// them (PlayIt, the transport, the volume and the 100 ms tick). It works on
// the player's state and reaches the displays, the track information and the
// covers through the pieces it is given.
#include "playback/PlaybackTimer.h"
#include "playback/TrackStarter.h"
#include "playback/Transport.h"
#include "playback/Volume.h"

#include <array>
#include <memory>

class QTimer;

namespace velto {

class Covers;
class Dialogs;
class Display;
class MediaElement;
class MediaElementFactory;
class Repainter;
class Sliders;
class TrackInfo;
struct PlayerState;

// What the engine works with besides its elements.
struct PlaybackParts {
    PlayerState& state;
    Repainter& repaint;
    Dialogs& dialogs;
    Display& display;
    Sliders& sliders;
    TrackInfo& trackInfo;
    Covers& covers;
    QTimer& Timer1; // the 100 ms tick; off while a track starts
};

class PlaybackEngine {
public:
    PlaybackEngine(PlaybackParts parts, MediaElementFactory& factory);
    ~PlaybackEngine();
    PlaybackEngine(const PlaybackEngine&) = delete;
    PlaybackEngine& operator=(const PlaybackEngine&) = delete;

    // Element 0 or 1 (MMControl).
    MediaElement& Element(int unit);
    // The volume slider's action: the level, its percentage and the level bar.
    void SlideAction(int n, double v);

    PlaybackParts parts;
    TrackStarter starter;
    Transport transport;
    Volume volume;
    PlaybackTimer timer;

private:
    std::array<std::unique_ptr<MediaElement>, 2> elements_;
};

} // namespace velto
