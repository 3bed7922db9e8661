#include "SkinCanvas.h"

#include "PixelFont.h"

#include <QPainter>

namespace skinpaint {

namespace {
constexpr int kSheetGap = 4;
}

void SkinCanvas::AddButton(ButtonDesign button, ButtonFace face) {
    faces_[button.n] = face;
    skin_.design.buttons.push_back(std::move(button));
}

QPoint SkinCanvas::PlaceSheet(const QImage& sheet) {
    const int width = skin_.face.width();
    if (sheetY_ < 0) sheetY_ = 0;
    if (sheetX_ > 0 && sheetX_ + sheet.width() > width) {
        sheetX_ = 0;
        sheetY_ += rowHeight_ + kSheetGap;
        rowHeight_ = 0;
    }
    const QPoint at(sheetX_, sheetY_);
    sheets_.push_back({sheet, at});
    sheetX_ += sheet.width() + kSheetGap;
    rowHeight_ = std::max(rowHeight_, sheet.height());
    return at;
}

void SkinCanvas::AddDigits(DigitDesign digits, const QImage& sheet) {
    digitGhosts_.emplace_back(digits, sheet);
    skin_.design.digits.push_back(std::move(digits));
}

void SkinCanvas::AddSlider(SliderDesign slider,
                           const std::function<void(QPainter&, QRect)>& paint) {
    // Reserve the knob's place now; it is drawn once the face is complete.
    slider.face = PlaceSheet(QImage(slider.knob, QImage::Format_RGB32));
    knobs_.emplace_back(slider, paint);
    skin_.design.sliders.push_back(std::move(slider));
}

void SkinCanvas::Finish() {
    QImage& face = skin_.face;
    {
        QPainter p(&face);
        for (const PixelLabel& l : labels_)
            DrawPixelText(p, l.at, l.text, l.colour);
        // Blank glyphs where the digit fields sit, so the face alone looks lit-ready.
        for (const auto& [d, sheet] : digitGhosts_) {
            const bool clock = d.n == 3 || d.count == 0;
            const int places = clock ? 4 : d.count;
            int x = d.at.x();
            for (int i = 0; i < places; ++i) {
                if (clock && i == 2) x += d.sep + d.gap;
                const QRect blank =
                    d.style == 0 ? QRect(10 * d.cell.width(), 0, d.cell.width(), d.cell.height())
                                 : QRect(0, 0, d.cell.width(), d.cell.height());
                p.drawImage(QPoint(x, d.at.y()), sheet, blank);
                x += d.cell.width() + d.gap;
            }
        }
    }
    // Knob faces over the face's own background at the track's middle.
    for (auto& [slider, paint] : knobs_) {
        const QPoint middle = slider.vertical ? slider.start + QPoint(0, slider.length / 2)
                                              : slider.start + QPoint(slider.length / 2, 0);
        QImage knob = face.copy(QRect(middle, slider.knob));
        {
            QPainter p(&knob);
            paint(p, knob.rect());
        }
        for (Sheet& s : sheets_)
            if (s.at == slider.face) s.image = knob;
    }

    // Pressed faces, each over a copy of the face it covers. A face at (0, 0)
    // would read as "the button's own place", so that corner is never one.
    if (sheets_.empty()) PlaceSheet(QImage(1, 1, QImage::Format_RGB32));
    for (ButtonDesign& b : skin_.design.buttons) {
        QImage pressed = face.copy(b.rect);
        {
            QPainter p(&pressed);
            DrawButton(p, pressed.rect(), faces_[b.n], true, palette_);
        }
        b.pressed = PlaceSheet(pressed);
    }

    QImage resource(face.width(), sheetY_ + rowHeight_, QImage::Format_RGB32);
    resource.fill(Qt::black);
    {
        QPainter r(&resource);
        for (const Sheet& s : sheets_)
            r.drawImage(s.at, s.image);
    }
    QPainter f(&face);
    for (const ButtonDesign& b : skin_.design.buttons)
        DrawButton(f, b.rect, faces_[b.n], false, palette_);
    skin_.resource = resource;
}

} // namespace skinpaint
