#pragma once
// Snapping the main window to the edges of the work area on release.
#include <QPoint>
#include <QRect>
#include <QSize>

#include <cstdint>

namespace velto {

struct TwipRect {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// The window's new top-left in twips. Each edge within 240 twips of its
// target snaps to it, top and left first, then bottom and right.
QPoint Snap(QPoint topLeftTwips, QSize sizeTwips, const TwipRect& workArea);

// A work area in pixels as twips.
TwipRect WorkAreaInTwips(const QRect& pixels, int twipX, int twipY);

} // namespace velto
