#pragma once
// Number conventions: text converts by its leading number, integers round half
// to even, and the two written forms of a number.
#include <QString>

#include <cstdint>
#include <optional>

namespace velto {

// Value of the leading number of s: leading blanks skipped, sign, digits,
// fraction and exponent allowed; 0 when there is none.
double LeadingNumber(const QString& s);

// Rounds half to even; nothing when the result does not fit the type.
std::optional<int16_t> ToInt16(double v);
std::optional<int32_t> ToInt32(double v);

// Leading number of s rounded into 16 bits, or fallback when out of range.
int16_t TextToInt16(const QString& s, int16_t fallback = 0);
int32_t TextToInt32(const QString& s, int32_t fallback = 0);

// Window positions in twips are 32-bit: a position in pixels converts only
// when its twips fit, and the arithmetic runs in 64 bits.
std::optional<int32_t> PixelsToTwips(int64_t pixels, int twipsPerPixel);
// Twips as whole pixels (half away from zero), held within the int range.
int TwipsToPixels(int64_t twips, int twipsPerPixel);

// " 5", " 0", "-1": one blank in front of a non-negative number.
QString BlankPrefixed(long long n);
// "5", "-1".
QString Plain(long long n);
// n with at least `digits` digits, zero-padded ("07").
QString ZeroPadded(long long n, int digits);

} // namespace velto
