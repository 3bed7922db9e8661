#pragma once
// The program's own pictures, in the shipped skins' style: the application
// icon at every size it is installed at, and the picture shown where a track
// or a playlist has no cover.
#include <QImage>

#include <array>

namespace skinpaint {

constexpr std::array<int, 8> kIconSizes{16, 22, 24, 32, 48, 64, 128, 256};

// size x size pixels, transparent around a graphite tile with the lit mark.
// The smallest sizes are drawn pixel by pixel rather than scaled down.
QImage DrawAppIcon(int size);

// 200 x 200, opaque: a dim record and a note on graphite.
QImage DrawNoCover();

} // namespace skinpaint
