#pragma once
// Shared steps of painting a skin: buttons on the face and, pressed, on the
// resource picture at the same place; glyph sheets and knobs below.
#include "GlyphSheets.h"
#include "Paint.h"
#include "Skins.h"

#include <functional>
#include <map>

namespace skinpaint {

struct PixelLabel {
    QPoint at;
    QString text;
    QColor colour;
};

class SkinCanvas {
public:
    SkinCanvas(DrawnSkin& skin, const Palette& palette) : skin_(skin), palette_(palette) {}

    // A button record and its look.
    void AddButton(ButtonDesign button, ButtonFace face);
    void AddLabel(QPoint at, const QString& text, QColor colour) {
        labels_.push_back({at, text, colour});
    }
    // Places a sheet in the resource picture below the face area; returns its corner.
    QPoint PlaceSheet(const QImage& sheet);
    // A digit field whose sheet was placed with PlaceSheet; the face shows the
    // sheet's blank cell (style 0) or its background at every place.
    void AddDigits(DigitDesign digits, const QImage& sheet);
    // A knob: its face is drawn by `paint` over a copy of the face behind the
    // track's middle, so it blends in wherever it stands.
    void AddSlider(SliderDesign slider, const std::function<void(QPainter&, QRect)>& paint);

    // Paints labels, ghost digits and buttons onto the face (buttons raised) and
    // the resource (the face with every button pressed, then sheets and knobs).
    void Finish();

private:
    struct Sheet {
        QImage image;
        QPoint at;
    };
    DrawnSkin& skin_;
    const Palette& palette_;
    std::map<int, ButtonFace> faces_;
    std::vector<PixelLabel> labels_;
    std::vector<Sheet> sheets_;
    std::vector<std::pair<DigitDesign, QImage>> digitGhosts_;
    std::vector<std::pair<SliderDesign, std::function<void(QPainter&, QRect)>>> knobs_;
    int sheetX_ = 0, sheetY_ = -1, rowHeight_ = 0;
};

} // namespace skinpaint
