#include "skin/Snap.h"

namespace velto {

namespace {
constexpr int32_t kSnapTwips = 240;

bool near(int64_t value, int64_t target) {
    return value > target - kSnapTwips && value < target + kSnapTwips;
}
} // namespace

TwipPoint Snap(TwipPoint topLeft, TwipExtent size, const TwipRect& w) {
    int64_t left = topLeft.x;
    int64_t top = topLeft.y;
    if (near(top, 0)) top = 0;
    if (near(left, 0)) left = 0;
    if (near(top + size.height, w.bottom)) top = w.bottom - size.height - 15;
    if (near(left + size.width, w.right)) left = w.right - size.width;
    return {left, top};
}

TwipRect WorkAreaInTwips(const QRect& px, int twipX, int twipY) {
    // The right and bottom edges are exclusive, as a window rectangle's are.
    return TwipRect{int64_t(px.left()) * twipX, int64_t(px.top()) * twipY,
                    (int64_t(px.right()) + 1) * twipX, (int64_t(px.bottom()) + 1) * twipY};
}

} // namespace velto
