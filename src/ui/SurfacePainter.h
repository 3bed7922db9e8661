#pragma once
// Paints a Surface: the face, digit glyphs, cover, lights, slider knobs, text
// fields and the pressed face, in that order. Painting never changes it.
#include <QFont>
#include <QRegion>

class QPainter;

namespace velto {

struct Surface;

void PaintSurface(QPainter& painter, const Surface& surface);
// The same, for the part of the window in `area` only: elements outside it
// are not laid out at all (a tick changes a few small fields).
void PaintSurface(QPainter& painter, const Surface& surface, const QRegion& area);

// The font of a text field or the playlist: the skin's name and point size
// (a default for either when missing), never bold, without kerning.
QFont FieldFont(const QString& name, int pointSize);
// `font` as it must be to show `text`: texts of scripts that join or stack
// their letters, or with combining marks, are shaped again.
QFont FontForText(QFont font, QStringView text);

// The window area that differs between two states of a surface; everything
// when the pictures changed.
QRegion ChangedArea(const Surface& before, const Surface& after);

// The window's outline as one even-odd region, within the window; empty for a
// rectangular window, and for an outline too large to cut quickly (its
// polygons' points times the rows they span above 16 million in all).
QRegion OutlineRegion(const Surface& surface);

} // namespace velto
