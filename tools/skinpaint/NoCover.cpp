// The missing-cover picture: a dim record with a pair of notes on its label,
// on the cover well's graphite. Shown in the cover area and the playlist
// selector at half size and less, so every line is two pixels or more.
#include "Art.h"
#include "Paint.h"

#include <QConicalGradient>
#include <QLinearGradient>
#include <QRadialGradient>

namespace skinpaint {

namespace {

constexpr int kSize = 200;

// Two beamed quavers filling `box`: heads at the foot, stems up their right
// sides, one beam rising to the right.
void drawNotes(QPainter& p, QRectF box, QColor colour) {
    const double w = box.width(), h = box.height();
    const double headW = w * 0.34, headH = h * 0.24, stem = std::max(2.0, w * 0.08);
    const double beam = h * 0.16, rise = h * 0.12;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    for (int i = 0; i < 2; ++i) {
        const double x = box.left() + i * (w - headW);
        const double foot = box.bottom() - (i == 0 ? 0 : rise);
        p.save();
        p.translate(x + headW / 2, foot - headH / 2);
        p.rotate(-22);
        p.drawEllipse(QPointF(0, 0), headW / 2, headH / 2);
        p.restore();
        const double top = box.top() + (i == 0 ? rise : 0);
        p.drawRect(QRectF(x + headW - stem, top, stem, foot - headH / 2 - top));
    }
    QPolygonF bar;
    bar << QPointF(box.left() + headW - stem, box.top() + rise) << QPointF(box.right(), box.top())
        << QPointF(box.right(), box.top() + beam)
        << QPointF(box.left() + headW - stem, box.top() + rise + beam);
    p.drawPolygon(bar);
}

} // namespace

QImage DrawNoCover() {
    const Palette c;
    QImage image(kSize, kSize, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient back(0, 0, 0, kSize);
    back.setColorAt(0, QColor(0x1b, 0x1e, 0x24));
    back.setColorAt(1, QColor(0x0d, 0x0f, 0x12));
    p.fillRect(image.rect(), back);
    for (int y = 0; y < kSize; y += 2)
        p.fillRect(0, y, kSize, 1, QColor(255, 255, 255, 4));

    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(kSize / 2.0, kSize / 2.0);
    const double radius = 80;
    // The record, a shade darker than the well, its rim catching the light.
    p.setPen(QPen(QColor(0x05, 0x06, 0x08), 2));
    QRadialGradient disc(centre, radius);
    disc.setColorAt(0, QColor(0x1a, 0x1d, 0x22));
    disc.setColorAt(1, QColor(0x0b, 0x0d, 0x10));
    p.setBrush(disc);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 9), 2));
    for (double g = radius - 8; g > 40; g -= 6)
        p.drawEllipse(centre, g, g);
    // Light across the grooves: two soft opposite wedges, as on a real record.
    QConicalGradient sheen(centre, 45);
    for (const double at : {0.0, 0.5}) {
        sheen.setColorAt(at, QColor(255, 255, 255, 24));
        sheen.setColorAt(at + 0.09, QColor(255, 255, 255, 0));
        sheen.setColorAt(at + 0.41, QColor(255, 255, 255, 0));
    }
    sheen.setColorAt(1, QColor(255, 255, 255, 24));
    p.setPen(Qt::NoPen);
    p.setBrush(sheen);
    p.drawEllipse(centre, radius - 2, radius - 2);
    p.setPen(QPen(QColor(255, 255, 255, 22), 1.5));
    p.drawArc(
        QRectF(centre.x() - radius + 1, centre.y() - radius + 1, 2 * radius - 2, 2 * radius - 2),
        35 * 16, 110 * 16);

    // The label: graphite, no colour, with the notes in the display's dim ink.
    const double label = 32;
    QRadialGradient labelFill(centre - QPointF(6, 8), label * 1.3);
    labelFill.setColorAt(0, c.bodyTop.lighter(115));
    labelFill.setColorAt(1, c.bodyBottom);
    p.setPen(QPen(c.edgeDark, 2));
    p.setBrush(labelFill);
    p.drawEllipse(centre, label, label);
    drawNotes(p, QRectF(centre.x() - 15, centre.y() - 16, 30, 32), c.lcdLabel);
    p.end();
    return image;
}

} // namespace skinpaint
