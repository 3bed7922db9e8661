#include "skin/DigitDisplay.h"

#include "common/Numbers.h"
#include "state/SkinState.h"

#include <cmath>

namespace velto {

namespace {

double number(const QVariant& vn) {
    if (vn.typeId() == QMetaType::QString) return LeadingNumber(vn.toString());
    bool ok = false;
    const double v = vn.toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

// A number rounded to an integer (half away from zero) with at least `digits` digits.
QString zeros(double v, int digits) {
    return ZeroPadded(static_cast<long long>(std::llround(v)), digits);
}

QString hhmmss(int seconds) {
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QChar(u'0'))
        .arg(seconds / 60 % 60, 2, 10, QChar(u'0'))
        .arg(seconds % 60, 2, 10, QChar(u'0'));
}

// A text that is not a number keeps its letters through a number format.
bool isText(const QVariant& vn) {
    if (vn.typeId() != QMetaType::QString) return false;
    bool ok = false;
    vn.toString().trimmed().toDouble(&ok);
    return !ok;
}

} // namespace

DigitText FormatDigits(int16_t c, const QVariant& vn, const QTime& now, int16_t timeFmt) {
    DigitText out;
    if (c >= 1 && c <= 7 && isText(vn)) {
        out.text = vn.toString();
    } else if (c > 9) {
        // Wide fields show text, such as the title.
        out.text = vn.toString();
    } else if (c >= 1 && c <= 6) {
        out.text = zeros(number(vn), c);
    } else if (c == 7) {
        const double v = std::round(number(vn) * 10.0) / 10.0;
        const long long whole = static_cast<long long>(std::trunc(std::fabs(v)));
        const int tenth = static_cast<int>(std::llround(std::fabs(v) * 10.0) % 10);
        out.text = (v < 0 ? QStringLiteral("-") : QString()) + ZeroPadded(whole, 3) + u'.' +
                   QString::number(tenth);
    } else if (c == 8) {
        const QString full = timeFmt != 0 ? ClockText(now, timeFmt) + u' ' : ClockText(now, 0);
        out.setsClockSuffix = true;
        out.clockSuffix = full.mid(6);
        out.text = full.left(5);
        out.leadingZeroMode = timeFmt != 0 ? 1 : 0;
    } else if (c == 9) {
        // A number shown as a time of day is a fraction of a day.
        const double v = number(vn);
        const double frac = v - std::floor(v);
        out.text = hhmmss(static_cast<int>(std::llround(frac * 86400.0)) % 86400);
    } else if (c == 0) {
        const double v = number(vn);
        const double m = std::floor(v / 60.0);
        out.text = zeros(m, 2) + u':' + zeros(v - 60.0 * m, 2);
        out.leadingZeroMode = -1;
    }
    return out;
}

QString ClockText(const QTime& now, int16_t timeFmt) {
    if (timeFmt != 0) return now.toString(QStringLiteral("HH:mm")) + QStringLiteral("   ");
    int h = now.hour() % 12;
    if (h == 0) h = 12;
    return ZeroPadded(h, 2) + u':' + ZeroPadded(now.minute(), 2) + u' ' +
           (now.hour() < 12 ? QStringLiteral("AM") : QStringLiteral("PM"));
}

QString ScrollText(const QString& s, int16_t count, int16_t& ScrollStart) {
    if (s.size() <= count) {
        ScrollStart = 1;
        return s;
    }
    if (ScrollStart > s.size() + 4 || ScrollStart < 1) ScrollStart = 1;
    const QString looped = s + QStringLiteral("  *  ") + s;
    const QString shown = looped.mid(ScrollStart - 1);
    ++ScrollStart;
    return shown;
}

namespace {

// Row and column of a character on the letter sheet (glyph style 3).
QPoint letterCell(QChar ch) {
    static const QString symbols = QStringLiteral(":()-'!_+\\/[]^&%.=$#");
    const char16_t c = ch.unicode();
    if (c == u' ') return {29, 0};
    if (c == u'"') return {27, 0};
    if (c == u'*') return {4, 2};
    if (c >= u'0' && c <= u'9') return {c - u'0', 1};
    if (c == u'?') return {3, 2};
    if (c == u'@') return {8, 0};
    if (c >= u'A' && c <= u'Z') return {c - u'A', 0};
    const auto p = symbols.indexOf(ch);
    if (p >= 0) return {static_cast<int>(p) + 1 + 11, 1};
    return {29, 0};
}

} // namespace

std::vector<GlyphBlit> LayoutGlyphs(const DigitTable& t, const QRect& field, const QString& s,
                                    int L) {
    std::vector<GlyphBlit> glyphs;
    // The field's width holds its places; the gaps after them are not
    // counted. 64 bits: a long title in wide cells runs past 32 bits.
    int64_t x = field.x(), used = 0;
    const int y = field.y();
    auto full = [&] { return used >= field.width(); };
    auto put = [&](int sx, int sy, int width) {
        glyphs.push_back({QRect(sx, sy, width, t.dh), QPoint(static_cast<int>(x), y)});
        x += int64_t(width) + t.e2;
        used += width;
    };
    if (t.e1 == 0) {
        for (const QChar ch : s) {
            if (full()) break;
            int index = 10;
            int width = t.dw;
            const char16_t c = ch.unicode();
            if (c == u'0' && L < 1) {
                index = 10;
            } else if (c >= u'0' && c <= u'9') {
                index = c - u'0';
                L = 1;
            } else if (c == u'.') {
                index = 11;
                width = t.sep;
            } else if (c == u':') {
                index = 12;
                width = t.sep;
            }
            if (L == -1) L = 1;
            put(t.sx + index * t.dw, t.sy, width);
        }
        return glyphs;
    }
    const QString text = t.e1 == 1 ? s : s.toUpper();
    for (int i = 0; i < t.count && !full(); ++i) {
        const QChar ch = i < text.size() ? text.at(i) : QChar(u' ');
        if (t.e1 == 3) {
            const QPoint cell = letterCell(ch);
            put(t.sx + cell.x() * t.dw, t.sy + cell.y() * t.dh, t.dw);
        } else {
            int code = ch.unicode();
            if (code < 32 || code > 127) code = 32;
            put(t.sx + (code % 16) * t.dw, t.sy + (code / 16 - 2) * t.dh, t.dw);
        }
    }
    return glyphs;
}

} // namespace velto
