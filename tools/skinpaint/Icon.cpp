// The application icon: the title bar's "V" mark, lit like the display's
// glyphs, in a display glass set into a graphite tile. 16 to 32 pixels (menus,
// panels, the tray) are drawn on the pixel grid; from 128 up a level meter
// runs along the glass's foot.
#include "Art.h"
#include "Paint.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace skinpaint {

namespace {

const QColor kGlassGlow(0x0a, 0x2a, 0x33); // the glass's lit middle

// The mark's colour from its top (0) to its foot (1).
QColor markColour(double t, const Palette& c) {
    const QColor top = c.lcdLit, bottom = c.accent.darker(118);
    return QColor::fromRgbF(float(top.redF() + (bottom.redF() - top.redF()) * t),
                            float(top.greenF() + (bottom.greenF() - top.greenF()) * t),
                            float(top.blueF() + (bottom.blueF() - top.blueF()) * t));
}

// The tile: the deck's graphite and grain, a dark rim that sets it apart from
// a dark panel, and a lit upper edge.
void drawTile(QPainter& p, QRectF r, double radius, bool grain, const Palette& c) {
    QPainterPath shape;
    shape.addRoundedRect(r, radius, radius);
    p.save();
    p.setClipPath(shape);
    if (grain) {
        FillBody(p, r.toAlignedRect(), c);
    } else {
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, c.bodyTop);
        g.setColorAt(1, c.bodyBottom);
        p.fillRect(r, g);
    }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c.edgeDark, 1));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5, radius - 0.5);
    QLinearGradient rim(r.topLeft(), r.bottomLeft());
    rim.setColorAt(0, c.edgeLight);
    rim.setColorAt(0.5, QColor(255, 255, 255, 12));
    rim.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(QPen(QBrush(rim), 1));
    p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), radius - 1.5, radius - 1.5);
}

// A soft shadow below the tile, in the transparent margin.
void drawShadow(QPainter& p, QRectF r, double radius, double depth) {
    p.setPen(Qt::NoPen);
    for (int i = 1; i <= 4; ++i) {
        const double grow = depth * i / 4;
        p.setBrush(QColor(0, 0, 0, 22));
        p.drawRoundedRect(r.adjusted(-grow / 2, grow / 2, grow / 2, grow), radius + grow / 2,
                          radius + grow / 2);
    }
}

// The display glass the mark is lit in, recessed into the tile.
void drawGlass(QPainter& p, QRectF r, double radius, const Palette& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 30)); // the lower lip catching the light
    p.drawRoundedRect(r.adjusted(0, 0, 0, 1), radius, radius);
    p.setBrush(c.edgeDark);
    p.drawRoundedRect(r, radius, radius);
    const QRectF glass = r.adjusted(1.5, 1.5, -1.5, -1.5);
    QRadialGradient glow(glass.center() + QPointF(0, glass.height() * 0.1), glass.width() * 0.6);
    glow.setColorAt(0, kGlassGlow);
    glow.setColorAt(1, c.lcd);
    p.setBrush(glow);
    p.drawRoundedRect(glass, radius - 1, radius - 1);
    // The sheen across the glass's upper half.
    QPainterPath sheen;
    sheen.addRoundedRect(glass, radius - 1, radius - 1);
    QPainterPath upper;
    upper.addRect(glass.adjusted(0, 0, 0, -glass.height() * 0.55));
    QLinearGradient g(glass.topLeft(), QPointF(glass.left(), glass.top() + glass.height() * 0.45));
    g.setColorAt(0, QColor(255, 255, 255, 20));
    g.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillPath(sheen.intersected(upper), g);
}

void drawLitMark(QPainter& p, QRectF box, const Palette& c) {
    const QPainterPath v = VeltoMark(box);
    // The halo lit glyphs have on the display: layers that fade outwards.
    p.setBrush(Qt::NoBrush);
    constexpr int kLayers = 8;
    for (int i = kLayers; i >= 1; --i) {
        QColor halo = c.accent;
        halo.setAlpha(10);
        p.setPen(QPen(halo, box.width() * 0.016 * i, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(v);
    }
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, markColour(0, c));
    g.setColorAt(1, markColour(1, c));
    p.fillPath(v, g);
}

// Segments lit from the left, cool to bright like the deck's volume meter, on
// whole pixels so that every segment is as wide as the next.
void drawMeter(QPainter& p, QRect r, const Palette& c) {
    constexpr int kSegments = 16, kLit = 11;
    const int step = r.width() / kSegments, gap = std::max(1, step / 3);
    const int left = r.left() + (r.width() - (kSegments * step - gap)) / 2;
    const int top = r.top(), height = r.height();
    for (int i = 0; i < kSegments; ++i) {
        const double t = double(i) / (kSegments - 1);
        const QColor lit =
            QColor::fromRgbF(float(0.25 + 0.6 * t), float(0.72 + 0.25 * t), float(0.85 + 0.15 * t));
        p.fillRect(left + i * step, top, step - gap, height, i < kLit ? lit : c.lcdGhost);
    }
}

QImage vectorIcon(int size, const Palette& c) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Whole-pixel edges throughout, so that nothing is soft but the curves.
    const int margin = size / 16, lift = size / 64;
    const QRect tile(margin, margin - lift, size - 2 * margin, size - 2 * margin);
    const double radius = tile.width() * 0.2;
    drawShadow(p, tile, radius, margin);
    drawTile(p, tile, radius, true, c);
    const int inset = int(std::lround(tile.width() * 0.11));
    const QRect glass = tile.adjusted(inset, inset, -inset, -inset);
    drawGlass(p, glass, radius * 0.55, c);
    int markWidth = int(std::lround(glass.width() * 0.72)), markBottom = glass.bottom() + 1;
    if (size >= 128) {
        // A level meter along the glass's foot, as on the deck.
        const int height = int(std::lround(glass.height() * 0.08));
        const int top = glass.bottom() + 1 - int(std::lround(glass.height() * 0.1)) - height;
        const int pad = int(std::lround(glass.width() * 0.12));
        drawMeter(p, QRect(glass.left() + pad, top, glass.width() - 2 * pad, height), c);
        markWidth = int(std::lround(glass.width() * 0.65));
        markBottom = top - int(std::lround(glass.height() * 0.02));
    }
    markWidth += (glass.width() - markWidth) % 2; // centred on whole pixels
    const int markHeight = int(std::lround(markWidth * 11.0 / 14));
    const int markTop = glass.top() + (markBottom - glass.top() - markHeight) / 2;
    drawLitMark(
        p, QRectF(glass.left() + (glass.width() - markWidth) / 2, markTop, markWidth, markHeight),
        c);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// The mark on the pixel grid: strokes `stroke` pixels wide that step in by one
// pixel every two rows until they meet.
void drawPixelMark(QPainter& p, QPoint at, int width, int rows, int stroke, const Palette& c) {
    for (int y = 0; y < rows; ++y) {
        const QColor colour = markColour(double(y) / (rows - 1), c);
        const int in = y / 2;
        const int left = at.x() + in, right = at.x() + width - in - stroke;
        if (right <= left + stroke) {
            p.fillRect(left, at.y() + y, right + stroke - left, 1, colour);
        } else {
            p.fillRect(left, at.y() + y, stroke, 1, colour);
            p.fillRect(right, at.y() + y, stroke, 1, colour);
        }
    }
}

// The small sizes: the tile on whole pixels and the mark as a staircase.
struct PixelLayout {
    int size, margin, radius, frame;
    QPoint mark;
    int width, rows, stroke;
};
constexpr PixelLayout kPixelLayouts[] = {
    {16, 0, 3, 2, {2, 4}, 12, 9, 3},
    {22, 0, 4, 2, {3, 5}, 16, 12, 4},
    {24, 0, 4, 2, {3, 5}, 18, 14, 5},
    {32, 1, 6, 3, {6, 8}, 20, 16, 5},
};

QImage pixelIcon(const PixelLayout& l, const Palette& c) {
    QImage image(l.size, l.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF tile(l.margin, l.margin, l.size - 2 * l.margin, l.size - 2 * l.margin);
    drawTile(p, tile, l.radius, false, c);
    const QRectF glass = tile.adjusted(l.frame, l.frame, -l.frame, -l.frame);
    QRadialGradient glow(glass.center(), glass.width() * 0.6);
    glow.setColorAt(0, kGlassGlow);
    glow.setColorAt(1, c.lcd);
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawRoundedRect(glass, l.radius - l.frame + 0.5, l.radius - l.frame + 0.5);
    p.setRenderHint(QPainter::Antialiasing, false);
    drawPixelMark(p, l.mark, l.width, l.rows, l.stroke, c);
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

} // namespace

QImage DrawAppIcon(int size) {
    const Palette c;
    for (const PixelLayout& l : kPixelLayouts)
        if (l.size == size) return pixelIcon(l, c);
    return vectorIcon(size, c);
}

} // namespace skinpaint
