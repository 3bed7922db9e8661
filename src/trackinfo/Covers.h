#pragma once
// Cover pictures: the skin's cover area and the Now Playing window.
#include <QString>

namespace velto {

class Repainter;
struct PlayerState;

class Covers {
public:
    Covers(PlayerState& state, Repainter& repaint) : s_(state), repaint_(repaint) {}

    // Shows a picture file, or the picture FindPic finds for a base name, or
    // clears the cover for an empty name.
    void LoadCover(const QString& A);
    // Finds an artist/album picture in folder Path and shows it.
    void LoadTagCover(const QString& Path, const QString& Artist, const QString& Album);
    // Empties the cover and forgets the last shown one (the playlist was cleared).
    void Clear();

private:
    PlayerState& s_;
    Repainter& repaint_;
};

} // namespace velto
