#pragma once
// What the skin loader keeps between loads besides the Surface: the tables the
// buttons, digit fields, sliders and keys work from, the outline points and the
// header's window sizes. Names are the skin format's own.
#include "state/Elements.h"

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace velto {

// One D record: where the field's glyph sheet lies and how it is read.
struct DigitTable {
    int16_t sx = 0, sy = 0; // glyph sheet's corner in the resource picture
    int16_t dw = 0, dh = 0; // one glyph cell
    int16_t sep = 0;        // width of "." and ":" in glyph style 0
    int16_t e1 = 0;         // glyph style 0..3
    int16_t e2 = 0;         // gap after each glyph
    int16_t count = 0;      // format selector and number of glyph places
};

// The track of an S record plus the knob position (or bar size) last applied;
// the knob's face and size are its Surface element's.
struct SliderTable {
    int16_t x = 0, y = 0; // track start, window pixels
    int16_t w = 0, h = 0; // track length: h for a vertical slider, else w
    int16_t pos = 0;      // the position word
};

struct TwipSize {
    int32_t width = 0, height = 0;
};

struct SkinState {
    QString SkinInfo; // header line 2 and every "/" line, joined with CR
    QString SkinDir;  // folder of the skin file last resolved, with a trailing "/"
    // The header's three window sizes: 0 normal, 1 while HFlag, 2 while Small.
    std::array<TwipSize, 3> WinSize{};        // twips
    std::array<QSize, 3> WinPixels{};         // the same, as the skin gives them
    std::array<QString, kButtons + 1> BtnKey; // one character (or none) per button
    std::array<DigitTable, kDigitFields + 1> DigTab{};
    std::array<SliderTable, kSliders + 1> SlideTab{};
    // Outline: the points announced by the last N or M record and those read.
    std::vector<QPoint> RgnPts;
    std::vector<int32_t> RgnCounts; // per polygon of an M outline; empty for N
    int32_t RgnPointCount = 0;
    int32_t RgnPointsRead = 0;
    QString SkinLink1, SkinLink2; // link targets of buttons 49 and 50
    int16_t CoolFlag = 0;         // hover style: 0 none, 1 outline, 2 pressed face
    std::array<QImage, 3> Pic;    // work pictures, only during a load
};

} // namespace velto
