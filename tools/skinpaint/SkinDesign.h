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

struct ButtonDesign {
    int n = 0;
    QRect rect;
    QPoint pressed; // its pressed face in the resource
    QString key;    // a capital, a sign, or empty
    QString tip;
    QString link; // the two skin link buttons
};

struct TextDesign {
    int n = 0;
    QRect rect;
    QColor colour;
    int fontSize = 8;
    QString font;
    QString tip;
};

enum class Shape { Rectangle = 0, Square, Oval, Circle, RoundedRectangle, RoundedSquare };

struct LightDesign {
    int n = 0;
    QRect rect;
    QColor colour;
    Shape shape = Shape::Circle;
    QString text;
};

struct SliderDesign {
    int n = 0;
    QPoint start;   // x, y
    int length = 0; // w or h
    bool vertical = false;
    QPoint face; // knob face in the resource
    QSize knob;
    QString tip;
};

struct DigitDesign {
    int n = 0;
    QPoint at;
    QPoint sheet; // in the resource
    QSize cell;
    int sep = 0, style = 0, gap = 0, count = 0;
    QString tip;
};

struct AreaDesign {
    QRect rect;
    QString tip;
};

struct ListDesign {
    QRect rect;
    QColor text, background;
    int fontSize = 8;
    QString font;
    QString tip;
};

struct SkinDesign {
    QString title;     // the info text's first line
    QStringList notes; // further info lines
    std::array<QSize, 3> sizes;
    QString face, resource;
    int coolFlag = 0;
    std::vector<ButtonDesign> buttons;
    std::vector<TextDesign> texts;
    std::vector<LightDesign> lights;
    std::vector<SliderDesign> sliders;
    std::vector<DigitDesign> digits;
    std::optional<AreaDesign> cover;
    std::optional<ListDesign> list;
    std::vector<QPolygon> outline; // one polygon: an N outline; more: an M outline

    const ButtonDesign* Button(int n) const;
};

// The control file, with comments that say what each group is.
QByteArray SkinFileText(const SkinDesign& skin);

} // namespace skinpaint
