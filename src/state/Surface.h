#pragma once
// The skin's elements as plain data. The player changes them; the main window
// paints them and hit-tests against the same rectangles. Arrays are indexed as
// the skin numbers its elements (index 0 unused).
#include "state/Elements.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace velto {

struct SurfaceElement {
    QRect rect; // window pixels
    bool visible = false;
    QString toolTip;
    QString tag;
    bool operator==(const SurfaceElement&) const = default;
};

struct ButtonElement : SurfaceElement {
    QPoint pressedFace;  // where its pressed face sits in the resource picture
    bool border = false; // outlined: hover, or the design aid
    bool opaque = false; // drawn as a box: the design aid
    bool operator==(const ButtonElement&) const = default;
};

struct TextFieldElement : SurfaceElement {
    QString caption;
    QColor color = Qt::black;
    QString fontName;
    int fontSize = 8;
    bool rightAligned = false;
    bool opaque = false; // drawn as a box: the design aid
    bool operator==(const TextFieldElement&) const = default;
};

enum class LightShape { Rectangle = 0, Square, Oval, Circle, RoundedRectangle, RoundedSquare };

struct LightElement : SurfaceElement {
    QColor color = Qt::black;
    LightShape shape = LightShape::Rectangle;
    bool operator==(const LightElement&) const = default;
};

// The rectangle is the knob (or the level bar) as it stands now.
struct SliderElement : SurfaceElement {
    QPoint knobFace; // knob face in the resource picture
    bool operator==(const SliderElement&) const = default;
};

// One glyph copied from the resource picture onto the window.
struct GlyphBlit {
    QRect source;  // in the resource picture
    QPoint target; // window pixels
    bool operator==(const GlyphBlit&) const = default;
};

struct DigitFieldElement : SurfaceElement {
    std::vector<GlyphBlit> glyphs;
    bool operator==(const DigitFieldElement&) const = default;
};

struct CoverElement : SurfaceElement {
    QImage picture;
    bool operator==(const CoverElement&) const = default;
};

struct PlaylistArea : SurfaceElement {
    QColor textColor = Qt::black;
    QColor background = Qt::white;
    QString fontName;
    int fontSize = 8;
    bool operator==(const PlaylistArea&) const = default;
};

// The pressed face of a button shown while the mouse holds it.
struct PressedFace : SurfaceElement {
    QRect source; // in the resource picture
    bool operator==(const PressedFace&) const = default;
};

struct Surface {
    std::array<ButtonElement, kButtons + 1> Btn;
    std::array<TextFieldElement, kTextFields + 1> Lbl;
    std::array<DigitFieldElement, kDigitFields + 1> Dig;
    std::array<LightElement, kLights + 1> Ind;
    std::array<SliderElement, kSliders + 1> iSlider;
    CoverElement iCover;
    PlaylistArea PlNames;
    PressedFace TmpBtn;
    QImage face;   // the window's face picture
    QImage ResBmp; // the resource picture: pressed faces, knobs, glyphs
    QSize windowPixels{275, 116};
    // Outline polygons (even-odd); empty means a rectangular window.
    std::vector<QPolygon> outline;
    // Bumped by every change, so views know to repaint.
    uint64_t revision = 0;

    Surface() { Lbl[lbl::Time].rightAligned = true; }
    void Changed() { ++revision; }
};

} // namespace velto
