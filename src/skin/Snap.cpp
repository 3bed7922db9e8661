#include "skin/Snap.h"

namespace velto {

namespace {
constexpr int32_t kSnapTwips = 240;

bool near(int64_t value, int64_t target) {
    return value > target - kSnapTwips && value < target + kSnapTwips;
}
} // namespace

QPoint Snap(QPoint topLeftTwips, QSize sizeTwips, const TwipRect& w) {
    int64_t left = topLeftTwips.x();
    int64_t top = topLeftTwips.y();
    if (near(top, 0)) top = 0;
    if (near(left, 0)) left = 0;
    if (near(top + sizeTwips.height(), w.bottom)) top = int64_t(w.bottom) - sizeTwips.height() - 15;
    if (near(left + sizeTwips.width(), w.right)) left = int64_t(w.right) - sizeTwips.width();
    return QPoint(static_cast<int>(left), static_cast<int>(top));
}

TwipRect WorkAreaInTwips(const QRect& px, int twipX, int twipY) {
    // The right and bottom edges are exclusive, as a window rectangle's are.
    return TwipRect{px.left() * twipX, px.top() * twipY, (px.right() + 1) * twipX,
                    (px.bottom() + 1) * twipY};
}

} // namespace velto
