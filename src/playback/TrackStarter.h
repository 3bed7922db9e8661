#pragma once
// PlayIt: starts playlist entry TNum on the element in use, or shows a
// picture for five seconds, or marks a missing file.
#include <QString>

#include <cstdint>

namespace velto {

class MediaElement;
class PlaybackEngine;
struct PlayerState;

inline const QString kFileNotFound = QStringLiteral("[FILE NOT FOUND]");

class TrackStarter {
public:
    explicit TrackStarter(PlaybackEngine& engine);

    void PlayIt();
    void CloseElement(int unit);

    // How long PlayIt waits for module music to start moving.
    int moduleWaitLimitMs = 3000;

private:
    void StopShortTail();
    bool MissingFile(int index);
    bool Open(MediaElement& element, int16_t cdTrack);
    void ReportOpenError(MediaElement& element);
    void WaitForModule(MediaElement& element);

    PlayerState& s_;
    PlaybackEngine& e_;
};

} // namespace velto
