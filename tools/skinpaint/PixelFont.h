#pragma once
// A 5 x 9 pixel font of the printable ASCII characters (capitals on rows 0..6,
// descenders on rows 7..8), defined here so that the skins never depend on the
// fonts a machine has installed.
#include <QColor>
#include <QPoint>
#include <QString>

class QPainter;

namespace skinpaint {

constexpr int kGlyphColumns = 5;
constexpr int kGlyphRows = 9;

// True when pixel (column, row) of character c is lit; unknown characters are blank.
bool GlyphPixel(char c, int column, int row);

// Draws text with its top-left at `at`, each font pixel a dot x dot square,
// `spacing` font pixels between characters. Returns the width drawn.
int DrawPixelText(QPainter& p, QPoint at, const QString& text, QColor colour, int dot = 1,
                  int spacing = 1);
int PixelTextWidth(const QString& text, int dot = 1, int spacing = 1);

} // namespace skinpaint
