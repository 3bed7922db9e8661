#pragma once
// The glyph sheets of the digit fields, laid out the way the display code cuts
// them: style 0 digits (13 cells: 0-9, blank, ".", ":"), the style 1 character
// table (16 x 6 cells of codes 32..127) and the style 3 letter sheet (31 x 3).
#include <QColor>
#include <QImage>
#include <QSize>

namespace skinpaint {

struct LcdColours {
    QColor background; // must match the face behind the field
    QColor lit;
    QColor ghost; // unlit segments and dots
    QColor glow;  // halo around lit pixels (alpha used)
};

struct SegmentStyle {
    QSize cell;  // dw x dh
    int sep = 0; // width of "." and ":"
    int thickness = 3;
    int margin = 2;   // space left around the digit inside its cell
    double slant = 0; // horizontal shift of the top against the bottom
};

// 13 cells side by side.
QImage DigitSheet(const SegmentStyle& style, const LcdColours& colours);

// Style 0 cells drawn with the pixel font: digits, a blank place, then "." and
// ":" as narrow dots `sep` pixels wide.
QImage PixelDigitSheet(QSize cell, int dot, QPoint inset, int sep, const LcdColours& colours);

// 16 columns x 6 rows, each font pixel a dot x dot square, the glyph at `inset`.
QImage CharacterTable(QSize cell, int dot, QPoint inset, const LcdColours& colours);

// 31 columns x 3 rows of capitals, digits and signs.
QImage LetterSheet(QSize cell, int dot, QPoint inset, const LcdColours& colours);

} // namespace skinpaint
