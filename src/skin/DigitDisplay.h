#pragma once
// The digit fields: formatting a value for a field's count, scrolling a long
// title, and laying out the glyphs cut from the resource picture.
#include "state/Surface.h"

#include <QString>
#include <QTime>
#include <QVariant>

#include <cstdint>
#include <vector>

namespace velto {

struct DigitTable;

struct DigitText {
    QString text;
    int leadingZeroMode = 0; // below 1: zeros are blanked (style 0); -1: only the first
    bool setsClockSuffix = false;
    QString clockSuffix; // text field 9: the AM/PM marker, or blanks in 24-hour form
};

// The text a field of `count` shows for vn; `now` and `timeFmt` serve the clock (count 8).
DigitText FormatDigits(int16_t count, const QVariant& vn, const QTime& now, int16_t timeFmt);

// The clock text of text field 3: "hh:mm" and three blanks on the 24-hour
// clock, else the 12-hour time, a blank and its AM/PM marker.
QString ClockText(const QTime& now, int16_t timeFmt);

// Scrolls a text longer than `count` one step per call; ScrollStart is 1-based.
QString ScrollText(const QString& s, int16_t count, int16_t& ScrollStart);

// The glyph copies that show s in `field`; the layout stops when the glyphs
// laid out fill the field's width (the gaps between them not counted).
std::vector<GlyphBlit> LayoutGlyphs(const DigitTable& tab, const QRect& field, const QString& s,
                                    int leadingZeroMode);

} // namespace velto
