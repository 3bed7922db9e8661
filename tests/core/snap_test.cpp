#include "skin/Snap.h"

#include <gtest/gtest.h>

using namespace velto;

TEST(Snap, EdgesWithin240TwipsSnapAndOthersStay) {
    const TwipRect work{0, 0, 28800, 16200}; // 1920 x 1080 px at 15 twips per pixel
    const QSize size(4125, 1740);
    EXPECT_EQ(Snap({3000, 239}, size, work), QPoint(3000, 0));
    EXPECT_EQ(Snap({3000, 240}, size, work), QPoint(3000, 240));
    EXPECT_EQ(Snap({-239, 5000}, size, work), QPoint(0, 5000));
    EXPECT_EQ(Snap({-240, 5000}, size, work), QPoint(-240, 5000));
    // Bottom 100 twips above the work area's: ends 15 twips above it.
    EXPECT_EQ(Snap({3000, 16200 - 100 - 1740}, size, work).y(), 16200 - 1740 - 15);
    // Right edge 100 twips left of the work area's: ends flush.
    EXPECT_EQ(Snap({28800 - 100 - 4125, 5000}, size, work).x(), 28800 - 4125);
    // Far away, even off screen: stays.
    EXPECT_EQ(Snap({60000, -9000}, size, work), QPoint(60000, -9000));
}
