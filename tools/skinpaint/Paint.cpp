#include "Paint.h"

#include "PixelFont.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace skinpaint {

namespace {

void hline(QPainter& p, int x0, int x1, int y, QColor c) { p.fillRect(x0, y, x1 - x0 + 1, 1, c); }
void vline(QPainter& p, int x, int y0, int y1, QColor c) { p.fillRect(x, y0, 1, y1 - y0 + 1, c); }

QColor withAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

} // namespace

QPolygon Chamfered(QRect r, int k) {
    // Polygon points on pixel edges: right and bottom are exclusive.
    const int l = r.left(), t = r.top(), rt = r.left() + r.width(), b = r.top() + r.height();
    return QPolygon({QPoint(l + k, t), QPoint(rt - k, t), QPoint(rt, t + k), QPoint(rt, b - k),
                     QPoint(rt - k, b), QPoint(l + k, b), QPoint(l, b - k), QPoint(l, t + k)});
}

QPainterPath VeltoMark(QRectF box) {
    // Points on a 14 x 11 grid; multiplied before dividing so that the natural
    // size lands on exact pixel edges.
    const auto at = [&](double x, double y) {
        return QPointF(box.left() + box.width() * x / 14, box.top() + box.height() * y / 11);
    };
    QPainterPath v;
    v.moveTo(at(0, 0));
    for (const QPointF& pt : {at(4, 0), at(7, 7), at(10, 0), at(14, 0), at(8.5, 11), at(5.5, 11)})
        v.lineTo(pt);
    v.closeSubpath();
    return v;
}

void FillBody(QPainter& p, QRect r, const Palette& c) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, c.bodyTop);
    g.setColorAt(1, c.bodyBottom);
    p.fillRect(r, g);
    // A fine horizontal grain, every other line a shade lighter.
    for (int y = r.top(); y <= r.bottom(); y += 2)
        hline(p, r.left(), r.right(), y, QColor(255, 255, 255, 5));
}

void DrawModule(QPainter& p, QRect r, int k, const Palette& c) {
    p.save();
    QPainterPath clip;
    clip.addPolygon(QPolygonF(Chamfered(r, k)));
    p.setClipPath(clip);
    FillBody(p, r, c);
    p.restore();
    // Bevel: light top and left, dark bottom and right, diagonals at the corners.
    hline(p, r.left() + k, r.right() - k, r.top(), c.edgeLight);
    vline(p, r.left(), r.top() + k, r.bottom() - k, withAlpha(c.edgeLight, 150));
    hline(p, r.left() + k, r.right() - k, r.bottom(), c.edgeDark);
    vline(p, r.right(), r.top() + k, r.bottom() - k, c.edgeDark);
    for (int i = 0; i < k; ++i) {
        p.fillRect(r.left() + i, r.top() + k - i, 1, 1, c.edgeLight);                  // top-left
        p.fillRect(r.right() - i, r.top() + k - i, 1, 1, withAlpha(c.edgeLight, 110)); // top-right
        p.fillRect(r.left() + i, r.bottom() - k + i, 1, 1,
                   withAlpha(c.edgeDark, 200));                          // bottom-left
        p.fillRect(r.right() - i, r.bottom() - k + i, 1, 1, c.edgeDark); // bottom-right
    }
}

void DrawWell(QPainter& p, QRect r, const Palette& c, QColor fill) {
    p.fillRect(r, fill);
    hline(p, r.left(), r.right(), r.top(), c.edgeDark);
    vline(p, r.left(), r.top(), r.bottom(), c.edgeDark);
    hline(p, r.left() + 1, r.right(), r.bottom(), withAlpha(c.edgeLight, 120));
    vline(p, r.right(), r.top() + 1, r.bottom(), withAlpha(c.edgeLight, 80));
}

void DrawLcd(QPainter& p, QRect r, const Palette& c) {
    DrawWell(p, r, c, QColor(0x0a, 0x0c, 0x0f));
    const QRect glass = r.adjusted(2, 2, -2, -2);
    p.fillRect(glass, c.lcd);
    // A faint sheen along the glass's top edge, above where glyphs sit.
    hline(p, glass.left(), glass.right(), glass.top(), QColor(0x12, 0x2a, 0x31));
    hline(p, glass.left(), glass.right(), glass.top() + 1, QColor(0x09, 0x1b, 0x21));
}

void DrawLedSocket(QPainter& p, QRect r, const Palette& c) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(c.edgeDark);
    p.drawEllipse(QRectF(r).adjusted(-1, -1, 1, 1));
    p.setBrush(QColor(0x1d, 0x22, 0x28));
    p.drawEllipse(QRectF(r));
    p.restore();
}

void DrawButton(QPainter& p, QRect r, const ButtonFace& face, bool pressed, const Palette& c) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double radius = face.kind == ButtonKind::Small ? 2.5 : 3.5;
    const QRectF outer = QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor top = pressed ? c.pressedTop : c.buttonTop;
    QColor bottom = pressed ? c.pressedBottom : c.buttonBottom;
    if (face.kind == ButtonKind::Play && !pressed) {
        top = c.playTop;
        bottom = c.playBottom;
    }
    if (face.kind == ButtonKind::Small && !pressed) {
        top = top.darker(115);
        bottom = bottom.darker(110);
    }
    QLinearGradient g(outer.topLeft(), outer.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(c.edgeDark, 1));
    p.setBrush(g);
    if (face.kind == ButtonKind::Round) {
        p.drawEllipse(outer);
        // A lit rim when pressed, a highlight arc when raised.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(pressed ? withAlpha(c.accent, 150) : QColor(255, 255, 255, 45), 1));
        p.drawArc(outer.adjusted(1, 1, -1, -1), pressed ? 200 * 16 : 30 * 16, 120 * 16);
    } else {
        p.drawRoundedRect(outer, radius, radius);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    if (face.kind == ButtonKind::Round) {
        // no straight highlight lines on a round face
    } else if (!pressed) {
        hline(p, r.left() + 3, r.right() - 3, r.top() + 1, QColor(255, 255, 255, 40));
    } else {
        hline(p, r.left() + 3, r.right() - 3, r.top() + 1, QColor(0, 0, 0, 120));
        hline(p, r.left() + 3, r.right() - 3, r.bottom(), withAlpha(c.accent, 70));
    }

    const int shift = pressed ? 1 : 0;
    const QColor ink = pressed ? c.accent : (face.kind == ButtonKind::Text ? c.inkDim : c.ink);
    QRect content = r.adjusted(0, shift, 0, shift);
    if (face.ledSlot) content.setLeft(r.left() + 12);
    if (face.icon != Icon::None) {
        int size = face.kind == ButtonKind::Small ? 8 : (face.kind == ButtonKind::Text ? 7 : 10);
        if (face.kind == ButtonKind::Round) size = std::max(8, r.width() * 2 / 5);
        int x = content.center().x() - size / 2 + 1;
        if (!face.caption.isEmpty()) x = content.left() + 5;
        DrawIcon(p, face.icon, QRectF(x, content.center().y() - size / 2 + 1, size, size), ink);
    }
    if (!face.caption.isEmpty()) {
        const int w = PixelTextWidth(face.caption);
        int x = content.left() + (content.width() - w) / 2;
        if (face.icon != Icon::None) x = content.left() + 15;
        DrawPixelText(p, QPoint(x, content.center().y() - 3), face.caption, ink);
    }
    if (face.ledSlot) DrawLedSocket(p, QRect(r.left() + 5, r.center().y() - 2, 5, 5), c);
    p.restore();
}

void DrawIcon(QPainter& p, Icon icon, QRectF b, QColor colour) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const double l = b.left(), t = b.top(), w = b.width(), h = b.height();
    const double r = l + w, bt = t + h, cy = t + h / 2;
    auto tri = [&](double x0, double x1, double y0, double y1, bool right) {
        QPolygonF poly;
        if (right)
            poly << QPointF(x0, y0) << QPointF(x1, (y0 + y1) / 2) << QPointF(x0, y1);
        else
            poly << QPointF(x1, y0) << QPointF(x0, (y0 + y1) / 2) << QPointF(x1, y1);
        p.drawPolygon(poly);
    };
    auto bar = [&](double x, double y, double bw, double bh) { p.drawRect(QRectF(x, y, bw, bh)); };
    const double bw = std::max(2.0, std::round(w / 5));
    switch (icon) {
    case Icon::None: break;
    case Icon::Play: tri(l + w * 0.15, r - w * 0.05, t, bt, true); break;
    case Icon::Pause: {
        const double pw = std::max(2.0, std::round(w * 0.3));
        bar(l + std::round(w * 0.1), t, pw, h);
        bar(r - std::round(w * 0.1) - pw, t, pw, h);
        break;
    }
    case Icon::Stop: bar(l + 1, t + 1, w - 2, h - 2); break;
    case Icon::Prev:
        bar(l, t + 1, bw, h - 2);
        tri(l + bw, r, t + 1, bt - 1, false);
        break;
    case Icon::Next:
        tri(l, r - bw, t + 1, bt - 1, true);
        bar(r - bw, t + 1, bw, h - 2);
        break;
    case Icon::Rewind:
        tri(l - 1, l + w / 2, t + 1, bt - 1, false);
        tri(l + w / 2, r + 1, t + 1, bt - 1, false);
        break;
    case Icon::Forward:
        tri(l - 1, l + w / 2, t + 1, bt - 1, true);
        tri(l + w / 2, r + 1, t + 1, bt - 1, true);
        break;
    case Icon::Eject: {
        QPolygonF up;
        up << QPointF(l, t + h * 0.62) << QPointF(l + w / 2, t) << QPointF(r, t + h * 0.62);
        p.drawPolygon(up);
        bar(l, bt - 2, w, 2);
        break;
    }
    case Icon::PlayPause:
        tri(l - 1, l + w * 0.5, t + 1, bt - 1, true);
        bar(l + w * 0.6, t + 1, 2, h - 2);
        bar(r - 2, t + 1, 2, h - 2);
        break;
    case Icon::Close: {
        p.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(l + 1, t + 1), QPointF(r - 1, bt - 1));
        p.drawLine(QPointF(r - 1, t + 1), QPointF(l + 1, bt - 1));
        break;
    }
    case Icon::Minimize: bar(l + 1, bt - 2, w - 2, 2); break;
    case Icon::Shade:
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(colour, 1));
        p.drawRect(QRectF(l + 0.5, t + h * 0.3 + 0.5, w - 1, h * 0.4));
        break;
    case Icon::Playlist:
        for (int i = 0; i < 3; ++i)
            bar(l, t + 1 + i * (h - 2) / 2.5, w, 1.5);
        break;
    case Icon::Link: {
        // Two arrows passing each other: switch to the other skin.
        tri(l + w * 0.55, r, t, t + h * 0.5, true);
        bar(l, t + h * 0.2, w * 0.6, 1.4);
        tri(l, l + w * 0.45, t + h * 0.5, bt, false);
        bar(l + w * 0.4, t + h * 0.7, w * 0.6, 1.4);
        break;
    }
    case Icon::Minus: bar(l, cy - 1, w, 2); break;
    case Icon::Plus:
        bar(l, cy - 1, w, 2);
        bar(l + w / 2 - 1, t, 2, h);
        break;
    case Icon::Mute: {
        QPolygonF cone;
        cone << QPointF(l, t + h * 0.35) << QPointF(l + w * 0.25, t + h * 0.35)
             << QPointF(l + w * 0.55, t) << QPointF(l + w * 0.55, bt)
             << QPointF(l + w * 0.25, t + h * 0.65) << QPointF(l, t + h * 0.65);
        p.drawPolygon(cone);
        p.setPen(QPen(colour, 1.3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(l + w * 0.7, t + h * 0.3), QPointF(r, t + h * 0.7));
        p.drawLine(QPointF(r, t + h * 0.3), QPointF(l + w * 0.7, t + h * 0.7));
        break;
    }
    case Icon::Up: {
        QPolygonF up;
        up << QPointF(l, bt - h * 0.2) << QPointF(l + w / 2, t + h * 0.2)
           << QPointF(r, bt - h * 0.2);
        p.drawPolygon(up);
        break;
    }
    case Icon::Down: {
        QPolygonF down;
        down << QPointF(l, t + h * 0.2) << QPointF(l + w / 2, bt - h * 0.2)
             << QPointF(r, t + h * 0.2);
        p.drawPolygon(down);
        break;
    }
    }
    p.restore();
}

} // namespace skinpaint
