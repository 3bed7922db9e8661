#include "scheduler/MinuteStep.h"

#include <gtest/gtest.h>

using namespace velto;

namespace {
QDateTime at(int h, int m, int s, int ms = 0) { return {QDate(2024, 6, 5), QTime(h, m, s, ms)}; }
} // namespace

TEST(SchedulerTiming, EachMinuteIsHandledOnceEvenWithoutItsFirstSecond) {
    MinuteStep step;
    step.Start(at(9, 59, 30));
    EXPECT_EQ(step.Due(at(10, 0, 1, 100)), at(10, 0, 0)); // the 10:00:00 ticks never came
    EXPECT_TRUE(step.Due(at(10, 1, 0, 50)));
    // Stepped back a moment across the minute's start, then on again.
    EXPECT_FALSE(step.Due(at(10, 0, 59, 950)));
    EXPECT_FALSE(step.Due(at(10, 1, 0, 100)));
    // A suspend handles only the minute woken into.
    EXPECT_EQ(step.Due(at(13, 7, 42)), at(13, 7, 0));

    EXPECT_TRUE(step.NewDay(QDate(2024, 6, 5)));
    EXPECT_FALSE(step.NewDay(QDate(2024, 6, 5)));
}
