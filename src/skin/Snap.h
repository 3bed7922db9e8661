#pragma once
// Snapping the main window to the edges of the work area on release.
#include <QRect>

#include <cstdint>

namespace velto {

// Twips in 64 bits: a window far off screen times 15 twips per pixel does not
// fit 32.
struct TwipRect {
    int64_t left = 0, top = 0, right = 0, bottom = 0;
};
struct TwipPoint {
    int64_t x = 0, y = 0;
    bool operator==(const TwipPoint&) const = default;
};
struct TwipExtent {
    int64_t width = 0, height = 0;
};

// The window's new top-left in twips. Each edge within 240 twips of its
// target snaps to it, top and left first, then bottom and right.
TwipPoint Snap(TwipPoint topLeft, TwipExtent size, const TwipRect& workArea);

// A work area in pixels as twips.
TwipRect WorkAreaInTwips(const QRect& pixels, int twipX, int twipY);

} // namespace velto
