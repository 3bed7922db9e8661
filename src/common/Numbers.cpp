#include "common/Numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace velto {

double LeadingNumber(const QString& s) {
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n && (s[i] == u' ' || s[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    const auto digit = [&s](qsizetype k) { return s[k].isDigit() && s[k].unicode() < 128; };
    if (i < n && (s[i] == u'+' || s[i] == u'-')) ++i;
    qsizetype digits = 0;
    for (; i < n && digit(i); ++i)
        ++digits;
    if (i < n && s[i] == u'.') {
        for (++i; i < n && digit(i); ++i)
            ++digits;
    }
    if (digits == 0) return 0.0;
    // The number is the text from its sign on, with an exponent only when
    // digits follow the "e".
    qsizetype stop = i;
    if (i < n && (s[i] == u'e' || s[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (s[j] == u'+' || s[j] == u'-')) ++j;
        const qsizetype expStart = j;
        while (j < n && digit(j))
            ++j;
        if (j > expStart) stop = j;
    }
    bool ok = false;
    const double v = QStringView(s).mid(start, stop - start).toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0.0;
}

namespace {
template <typename T> std::optional<T> roundInto(double v) {
    if (!std::isfinite(v)) return std::nullopt;
    const double r = std::nearbyint(v); // default rounding mode: half to even
    if (r < static_cast<double>(std::numeric_limits<T>::min()) ||
        r > static_cast<double>(std::numeric_limits<T>::max()))
        return std::nullopt;
    return static_cast<T>(r);
}
} // namespace

std::optional<int16_t> ToInt16(double v) { return roundInto<int16_t>(v); }
std::optional<int32_t> ToInt32(double v) { return roundInto<int32_t>(v); }

int16_t TextToInt16(const QString& s, int16_t fallback) {
    return ToInt16(LeadingNumber(s)).value_or(fallback);
}

int32_t TextToInt32(const QString& s, int32_t fallback) {
    return ToInt32(LeadingNumber(s)).value_or(fallback);
}

std::optional<int32_t> PixelsToTwips(int64_t pixels, int twipsPerPixel) {
    constexpr int64_t kLimit = int64_t(1) << 40; // keeps the product itself in range
    if (pixels <= -kLimit || pixels >= kLimit || twipsPerPixel <= 0 || twipsPerPixel > 0xFFFF)
        return std::nullopt;
    const int64_t twips = pixels * twipsPerPixel;
    if (twips < std::numeric_limits<int32_t>::min() || twips > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return static_cast<int32_t>(twips);
}

int TwipsToPixels(int64_t twips, int twipsPerPixel) {
    const double pixels = std::round(double(twips) / (twipsPerPixel > 0 ? twipsPerPixel : 1));
    return static_cast<int>(std::clamp<double>(pixels, std::numeric_limits<int>::min(),
                                               std::numeric_limits<int>::max()));
}

QString BlankPrefixed(long long n) {
    return n >= 0 ? QStringLiteral(" ") + QString::number(n) : QString::number(n);
}

QString Plain(long long n) { return QString::number(n); }

QString ZeroPadded(long long n, int digits) {
    if (n < 0) return QStringLiteral("-") + ZeroPadded(-n, digits);
    return QStringLiteral("%1").arg(n, digits, 10, QChar(u'0'));
}

} // namespace velto
