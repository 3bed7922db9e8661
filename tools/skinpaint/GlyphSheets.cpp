#include "GlyphSheets.h"

#include "PixelFont.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

namespace skinpaint {

namespace {

// Segments a..g: top, top right, bottom right, bottom, bottom left, top left, middle.
constexpr std::array<unsigned, 10> kDigitSegments = {
    0b0111111, 0b0000110, 0b1011011, 0b1001111, 0b1100110,
    0b1101101, 0b1111101, 0b0000111, 0b1111111, 0b1101111,
};

struct Box {
    double left, top, right, bottom;
};

QPainterPath horizontal(double x0, double x1, double y, double t) {
    QPainterPath p;
    const double h = t / 2;
    p.moveTo(x0, y);
    p.lineTo(x0 + h, y - h);
    p.lineTo(x1 - h, y - h);
    p.lineTo(x1, y);
    p.lineTo(x1 - h, y + h);
    p.lineTo(x0 + h, y + h);
    p.closeSubpath();
    return p;
}

QPainterPath vertical(double x, double y0, double y1, double t) {
    QPainterPath p;
    const double h = t / 2;
    p.moveTo(x, y0);
    p.lineTo(x + h, y0 + h);
    p.lineTo(x + h, y1 - h);
    p.lineTo(x, y1);
    p.lineTo(x - h, y1 - h);
    p.lineTo(x - h, y0 + h);
    p.closeSubpath();
    return p;
}

std::array<QPainterPath, 7> segments(const Box& b, double t, double slant) {
    const double h = t / 2;
    const double gap = 0.8;
    const double l = b.left + h, r = b.right - h, top = b.top + h, bot = b.bottom - h;
    const double mid = (top + bot) / 2;
    std::array<QPainterPath, 7> s = {
        horizontal(l + gap, r - gap, top, t), vertical(r, top + gap, mid - gap, t),
        vertical(r, mid + gap, bot - gap, t), horizontal(l + gap, r - gap, bot, t),
        vertical(l, mid + gap, bot - gap, t), vertical(l, top + gap, mid - gap, t),
        horizontal(l + gap, r - gap, mid, t),
    };
    if (slant != 0) {
        // Lean the digit: shift each point by its height above the bottom.
        QTransform lean(1, 0, -slant / (bot - top), 1, slant * bot / (bot - top), 0);
        for (auto& path : s)
            path = lean.map(path);
    }
    return s;
}

void drawDigit(QPainter& p, const Box& box, const SegmentStyle& st, const LcdColours& c,
               unsigned lit) {
    const auto segs = segments(box, st.thickness, st.slant);
    for (int i = 0; i < 7; ++i) {
        const bool on = (lit >> i) & 1u;
        if (on) continue;
        p.fillPath(segs[i], c.ghost);
    }
    for (int i = 0; i < 7; ++i) {
        if (!((lit >> i) & 1u)) continue;
        if (c.glow.alpha() > 0) p.strokePath(segs[i], QPen(c.glow, 2.0));
    }
    for (int i = 0; i < 7; ++i)
        if ((lit >> i) & 1u) p.fillPath(segs[i], c.lit);
}

void drawDots(QPainter& p, QRectF cell, const SegmentStyle& st, const LcdColours& c, bool colon) {
    const double t = st.thickness;
    const double x = cell.left() + (st.sep - t) / 2.0;
    const double top = cell.top() + st.margin, bottom = cell.bottom() - st.margin;
    auto dot = [&](double y) {
        const QRectF r(x, y, t, t);
        if (c.glow.alpha() > 0) p.fillRect(r.adjusted(-1, -1, 1, 1), c.glow);
        p.fillRect(r, c.lit);
    };
    if (colon) {
        const double span = bottom - top;
        dot(top + span * 0.30 - t / 2);
        dot(top + span * 0.70 - t / 2);
    } else {
        dot(bottom - t);
    }
}

// One character of the pixel font with a soft halo.
void drawChar(QPainter& p, QPoint at, char ch, int dot, const LcdColours& c) {
    // Every character place shows its unlit matrix, like a character display.
    p.fillRect(at.x(), at.y(), kGlyphColumns * dot, kGlyphRows * dot, c.ghost);
    if (c.glow.alpha() > 0) {
        for (int row = 0; row < kGlyphRows; ++row)
            for (int col = 0; col < kGlyphColumns; ++col)
                if (GlyphPixel(ch, col, row))
                    p.fillRect(at.x() + col * dot - 1, at.y() + row * dot - 1, dot + 2, dot + 2,
                               c.glow);
    }
    for (int row = 0; row < kGlyphRows; ++row)
        for (int col = 0; col < kGlyphColumns; ++col)
            if (GlyphPixel(ch, col, row))
                p.fillRect(at.x() + col * dot, at.y() + row * dot, dot, dot, c.lit);
}

QImage blankSheet(int width, int height, QColor background) {
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(background);
    return sheet;
}

} // namespace

QImage DigitSheet(const SegmentStyle& st, const LcdColours& c) {
    const int dw = st.cell.width(), dh = st.cell.height();
    QImage sheet = blankSheet(13 * dw, dh, c.background);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int index = 0; index <= 10; ++index) {
        const double x = index * dw;
        const Box box{x + st.margin, double(st.margin), x + dw - st.margin - 1.0,
                      double(dh - st.margin)};
        drawDigit(p, box, st, c, index < 10 ? kDigitSegments[index] : 0u);
    }
    drawDots(p, QRectF(11 * dw, 0, st.sep, dh), st, c, false);
    drawDots(p, QRectF(12 * dw, 0, st.sep, dh), st, c, true);
    return sheet;
}

QImage PixelDigitSheet(QSize cell, int dot, QPoint inset, int sep, const LcdColours& c) {
    QImage sheet = blankSheet(13 * cell.width(), cell.height(), c.background);
    QPainter p(&sheet);
    for (int index = 0; index <= 10; ++index) {
        const QPoint at(index * cell.width() + inset.x(), inset.y());
        // Digits have no descenders: only the seven upper rows show a place.
        p.fillRect(at.x(), at.y(), kGlyphColumns * dot, 7 * dot, c.ghost);
        if (index == 10) continue;
        const char ch = static_cast<char>('0' + index);
        for (const QColor& colour : {c.glow, c.lit}) {
            const int grow = colour == c.glow ? 1 : 0;
            if (colour.alpha() == 0) continue;
            for (int row = 0; row < 7; ++row)
                for (int col = 0; col < kGlyphColumns; ++col)
                    if (GlyphPixel(ch, col, row))
                        p.fillRect(at.x() + col * dot - grow, at.y() + row * dot - grow,
                                   dot + 2 * grow, dot + 2 * grow, colour);
        }
    }
    const int x = (sep - dot) / 2;
    for (int row : {5, 6})
        p.fillRect(11 * cell.width() + x, inset.y() + row * dot, dot, dot, c.lit);
    for (int row : {1, 2, 4, 5})
        p.fillRect(12 * cell.width() + x, inset.y() + row * dot, dot, dot, c.lit);
    return sheet;
}

QImage CharacterTable(QSize cell, int dot, QPoint inset, const LcdColours& c) {
    QImage sheet = blankSheet(16 * cell.width(), 6 * cell.height(), c.background);
    QPainter p(&sheet);
    for (int code = 32; code < 128; ++code) {
        const int row = code / 16 - 2, col = code % 16;
        const QPoint at(col * cell.width() + inset.x(), row * cell.height() + inset.y());
        drawChar(p, at, static_cast<char>(code), dot, c);
    }
    return sheet;
}

QImage LetterSheet(QSize cell, int dot, QPoint inset, const LcdColours& c) {
    QImage sheet = blankSheet(31 * cell.width(), 3 * cell.height(), c.background);
    QPainter p(&sheet);
    // Cells without a character are blank places too.
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 31; ++col)
            p.fillRect(col * cell.width() + inset.x(), row * cell.height() + inset.y(),
                       kGlyphColumns * dot, 7 * dot, c.ghost);
    auto put = [&](int row, int col, char ch) {
        drawChar(p, QPoint(col * cell.width() + inset.x(), row * cell.height() + inset.y()), ch,
                 dot, c);
    };
    for (int i = 0; i < 26; ++i)
        put(0, i, static_cast<char>('A' + i));
    put(0, 27, '"');
    for (int i = 0; i < 10; ++i)
        put(1, i, static_cast<char>('0' + i));
    const char* signs = ":()-'!_+\\/[]^&%.=$#";
    for (int p1 = 1; signs[p1 - 1] != '\0'; ++p1)
        put(1, p1 + 11, signs[p1 - 1]);
    put(2, 3, '?');
    put(2, 4, '*');
    return sheet;
}

} // namespace skinpaint
