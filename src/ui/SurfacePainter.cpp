#include "ui/SurfacePainter.h"

#include "state/Surface.h"
#include "trackinfo/CoverPicture.h"

#include <QPainter>

#include <algorithm>
#include <vector>

namespace velto {

namespace {

void paintLight(QPainter& p, const LightElement& light) {
    const QRectF r = light.rect;
    const qreal side = std::min(r.width(), r.height());
    const QRectF square(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
    p.setPen(Qt::NoPen);
    p.setBrush(light.color);
    switch (light.shape) {
    case LightShape::Rectangle: p.drawRect(r); break;
    case LightShape::Square: p.drawRect(square); break;
    case LightShape::Oval: p.drawEllipse(r); break;
    case LightShape::Circle: p.drawEllipse(square); break;
    case LightShape::RoundedRectangle: p.drawRoundedRect(r, side / 4, side / 4); break;
    case LightShape::RoundedSquare: p.drawRoundedRect(square, side / 4, side / 4); break;
    }
}

void paintTextField(QPainter& p, const TextFieldElement& field) {
    if (field.caption.isEmpty()) return;
    p.setFont(FontForText(FieldFont(field.fontName, field.fontSize), field.caption));
    p.setPen(field.color);
    const int flags =
        Qt::AlignTop | Qt::TextSingleLine | (field.rightAligned ? Qt::AlignRight : Qt::AlignLeft);
    p.save();
    p.setClipRect(field.rect);
    p.drawText(field.rect, flags, field.caption);
    p.restore();
}

void paintBox(QPainter& p, const QRect& r, bool opaque, bool border) {
    if (opaque) p.fillRect(r, QColor(255, 255, 255, 160));
    if (border) {
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

} // namespace

QFont FieldFont(const QString& name, int pointSize) {
    QFont font(name.isEmpty() ? QStringLiteral("DejaVu Sans") : name);
    font.setPointSize(pointSize > 0 ? pointSize : 8);
    font.setBold(false);
    // Set like a classic Windows text box, letter by letter without kerning
    // or ligatures: the shaping engine (0.7 MB) is then not loaded for the
    // usual titles. FontForText brings it back for texts that need it.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

namespace {
// Latin letters, digits, punctuation and the usual symbols: each character is
// one glyph whatever stands beside it. Anything else (combining marks,
// joining or stacking scripts, format controls) may need shaping.
bool SetLetterByLetter(QStringView text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x0300 || (u >= 0x2010 && u <= 0x2027) || (u >= 0x2030 && u <= 0x205E) ||
            u == 0x20AC || u == 0x2122)
            continue;
        return false;
    }
    return true;
}
} // namespace

QFont FontForText(QFont font, QStringView text) {
    if (!SetLetterByLetter(text))
        font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() & ~QFont::PreferNoShaping));
    return font;
}

void PaintSurface(QPainter& p, const Surface& s) {
    PaintSurface(p, s, QRegion(QRect(QPoint(0, 0), s.windowPixels)).united(p.window()));
}

namespace {
constexpr int kFaceBandRows = 32;
}

void PaintSurface(QPainter& p, const Surface& s, const QRegion& area) {
    const auto in = [&area](const QRect& r) { return area.intersects(r); };
    if (!s.face.isNull()) {
        // In bands of a few rows: Qt splits a taller blit across worker
        // threads, which then stay alive for half a minute after the paint.
        const QRect drawn = area.boundingRect() & s.face.rect();
        for (int y = drawn.top(); y <= drawn.bottom(); y += kFaceBandRows) {
            const QRect band(drawn.left(), y, drawn.width(),
                             std::min(kFaceBandRows, drawn.bottom() + 1 - y));
            p.drawImage(band.topLeft(), s.face, band);
        }
    }

    for (size_t n = 1; n < s.Dig.size(); ++n) {
        const DigitFieldElement& dig = s.Dig[n];
        if (!dig.visible) continue;
        for (const GlyphBlit& g : dig.glyphs) {
            if (in(QRect(g.target, g.source.size()))) p.drawImage(g.target, s.ResBmp, g.source);
        }
    }

    if (s.iCover.visible && !s.iCover.picture.isNull() && in(s.iCover.rect)) {
        p.save();
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(FittedRect(s.iCover.picture.size(), s.iCover.rect), s.iCover.picture);
        p.restore();
    }

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    for (size_t n = 1; n < s.Ind.size(); ++n) {
        if (s.Ind[n].visible && in(s.Ind[n].rect)) paintLight(p, s.Ind[n]);
    }
    p.restore();

    for (size_t n = 1; n < s.iSlider.size(); ++n) {
        const SliderElement& knob = s.iSlider[n];
        if (!knob.visible || knob.rect.isEmpty() || !in(knob.rect)) continue;
        p.drawImage(knob.rect.topLeft(), s.ResBmp, QRect(knob.knobFace, knob.rect.size()));
    }

    for (size_t n = 1; n < s.Lbl.size(); ++n) {
        const TextFieldElement& field = s.Lbl[n];
        if (!field.visible || !in(field.rect)) continue;
        if (field.opaque) paintBox(p, field.rect, true, false);
        paintTextField(p, field);
    }

    if (s.TmpBtn.visible && in(s.TmpBtn.rect))
        p.drawImage(s.TmpBtn.rect.topLeft(), s.ResBmp, s.TmpBtn.source);

    for (size_t n = 1; n < s.Btn.size(); ++n) {
        const ButtonElement& b = s.Btn[n];
        if (!b.visible || !in(b.rect)) continue;
        if (b.opaque || b.border) paintBox(p, b.rect, b.opaque, b.border);
    }
}

namespace {

void addIf(QRegion& region, bool differs, const QRect& a, const QRect& b) {
    if (!differs) return;
    region += a;
    region += b;
}

template <typename Elements>
void addChanged(QRegion& region, const Elements& a, const Elements& b) {
    for (size_t n = 1; n < a.size(); ++n)
        addIf(region, a[n] != b[n], a[n].rect, b[n].rect);
}

} // namespace

QRegion ChangedArea(const Surface& a, const Surface& b) {
    const QRect all(QPoint(0, 0), b.windowPixels.expandedTo(a.windowPixels));
    if (a.face.cacheKey() != b.face.cacheKey() || a.ResBmp.cacheKey() != b.ResBmp.cacheKey() ||
        a.windowPixels != b.windowPixels)
        return all;
    QRegion r;
    for (size_t n = 1; n < a.Dig.size(); ++n) {
        const auto& x = a.Dig[n];
        const auto& y = b.Dig[n];
        if (x == y) continue;
        // Glyphs may lie outside the field's rectangle.
        for (const auto& g : x.glyphs)
            r += QRect(g.target, g.source.size());
        for (const auto& g : y.glyphs)
            r += QRect(g.target, g.source.size());
        r += x.rect;
        r += y.rect;
    }
    addIf(r, a.iCover != b.iCover, a.iCover.rect, b.iCover.rect);
    addChanged(r, a.Ind, b.Ind);
    addChanged(r, a.iSlider, b.iSlider);
    addChanged(r, a.Lbl, b.Lbl);
    addIf(r, a.TmpBtn != b.TmpBtn, a.TmpBtn.rect, b.TmpBtn.rect);
    addChanged(r, a.Btn, b.Btn);
    return r;
}

QRegion OutlineRegion(const Surface& s) {
    // Even-odd across polygons: a point is inside when an odd number of them
    // hold it. Each polygon's region is cut to the window, and the regions are
    // combined pairwise, level by level: combining them one by one into one
    // growing region takes time quadratic in their number.
    // Points farther out are pulled in, so the polygon arithmetic cannot overflow.
    constexpr int kFar = 1 << 28;
    constexpr qint64 kMostWork = qint64(1) << 24;
    const QRect window(QPoint(0, 0), s.windowPixels);
    std::vector<QRegion> parts;
    qint64 work = 0;
    for (QPolygon poly : s.outline) {
        const QRect bounds = poly.boundingRect();
        // Cutting a polygon takes time for every row it spans and every point.
        work += qint64(poly.size()) * (qint64(bounds.bottom()) - bounds.top() + 1);
        if (work > kMostWork) return {}; // too large to cut: rectangular
        for (QPoint& p : poly)
            p.setX(std::clamp(p.x(), -kFar, kFar));
        parts.push_back(QRegion(poly, Qt::OddEvenFill) & window);
    }
    while (parts.size() > 1) {
        std::vector<QRegion> next;
        for (size_t i = 0; i + 1 < parts.size(); i += 2)
            next.push_back(parts[i] ^ parts[i + 1]);
        if (parts.size() % 2 == 1) next.push_back(parts.back());
        parts.swap(next);
    }
    return parts.empty() ? QRegion() : parts.front();
}

} // namespace velto
