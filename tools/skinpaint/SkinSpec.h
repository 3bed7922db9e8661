#pragma once
// A skin as the tool lays it out: the same description writes the control
// file and guides the painting, so coordinates never disagree.
#include <QColor>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

namespace skinpaint {

struct ButtonSpec {
    int n = 0;
    QRect rect;
    QPoint pressed; // its pressed face in the resource
    QString key;    // a capital, a sign, or empty
    QString tip;
    QString link; // buttons 49 and 50
};

struct TextSpec {
    int n = 0;
    QRect rect;
    QColor colour;
    int fontSize = 8;
    QString font;
    QString tip;
};

enum class Shape { Rectangle = 0, Square, Oval, Circle, RoundedRectangle, RoundedSquare };

struct LightSpec {
    int n = 0;
    QRect rect;
    QColor colour;
    Shape shape = Shape::Circle;
    QString text;
};

struct SliderSpec {
    int n = 0;
    QPoint start;   // x, y
    int length = 0; // w or h
    bool vertical = false;
    QPoint face; // knob face in the resource
    QSize knob;
    QString tip;
};

struct DigitSpec {
    int n = 0;
    QPoint at;
    QPoint sheet; // in the resource
    QSize cell;
    int sep = 0, style = 0, gap = 0, count = 0;
    QString tip;
};

struct AreaSpec {
    QRect rect;
    QString tip;
};

struct ListSpec {
    QRect rect;
    QColor text, background;
    int fontSize = 8;
    QString font;
    QString tip;
};

struct SkinSpec {
    QString title;     // the info text's first line
    QStringList notes; // further info lines
    std::array<QSize, 3> sizes;
    QString face, resource;
    int coolFlag = 0;
    std::vector<ButtonSpec> buttons;
    std::vector<TextSpec> texts;
    std::vector<LightSpec> lights;
    std::vector<SliderSpec> sliders;
    std::vector<DigitSpec> digits;
    std::optional<AreaSpec> cover;
    std::optional<ListSpec> list;
    std::vector<QPolygon> outline; // one polygon: an N outline; more: an M outline

    const ButtonSpec* Button(int n) const;
};

// The control file, with comments that say what each group is.
QByteArray SkinFileText(const SkinSpec& skin);

} // namespace skinpaint
