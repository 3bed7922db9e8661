#include "scheduler/MinuteStep.h"
#include "scheduler/Snooze.h"

#include <gtest/gtest.h>

using namespace velto;

namespace {
QDateTime at(int h, int m, int s, int ms = 0, int day = 5) {
    return QDateTime(QDate(2024, 6, day), QTime(h, m, s, ms));
}

// The snooze part of the second timer's tick; `field` is text field 5.
struct SnoozeDriver {
    int16_t Auto = 1, Snooze = 1, SnoozeMode = 0;
    QString SnoozeTime = "23:59";
    MinuteStep minutes;
    SnoozeState snooze;
    QString field;
    int fired = 0;

    void tick(const QDateTime& now) {
        const auto minute = minutes.Due(now);
        const SnoozeMinute step =
            minute ? snooze.MinuteStep(Auto, Snooze, SnoozeMode, SnoozeTime, minute->time())
                   : SnoozeMinute{snooze.DisplayRefresh(Auto, Snooze, SnoozeMode, SnoozeTime)};
        field = step.text.value_or(field);
        fired += step.fires;
    }
};
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
    EXPECT_TRUE(step.NewDay(QDate(2024, 6, 8))); // a jump over midnight
}

TEST(SchedulerTiming, SnoozeCountsDownOrWaitsForItsTime) {
    SnoozeDriver s;
    s.minutes.Start(at(8, 0, 10));
    s.tick(at(8, 0, 10, 200));
    EXPECT_EQ(s.field, "30");
    for (int m = 1; m < 30; ++m)
        s.tick(at(8, m, 0, 100));
    EXPECT_TRUE(s.field == "01" && s.fired == 0);
    s.tick(at(8, 30, 0, 100));
    EXPECT_TRUE(s.field == "00" && s.fired == 1 && s.Snooze == 0);

    // Chosen at 10:00:30 after the snooze had fired: on at once, then down.
    s.tick(at(10, 0, 10));
    s.snooze.SnzMin_Click(kSnoozeMinuteItems.at(0));
    s.snooze.cbSnoozeEn_Click(1, s.Snooze);
    s.tick(at(10, 0, 30, 200));
    EXPECT_EQ(s.field, "05");
    s.tick(at(10, 1, 0, 100));
    EXPECT_EQ(s.field, "04");
    for (int m = 2; m <= 5; ++m)
        s.tick(at(10, m, 0, 100));
    EXPECT_EQ(s.fired, 2);
    // Re-armed: the chosen count afresh, in full though chosen just before a minute.
    s.snooze.cbSnoozeEn_Click(1, s.Snooze);
    s.tick(at(10, 6, 0, 100));
    EXPECT_EQ(s.field, "04");

    // At a set time: daily, as long as Auto is on.
    SnoozeState::SnzMd_Click(1, s.SnoozeMode);
    s.tick(at(23, 59, 0, 100));
    s.tick(at(23, 59, 5, 100, 6));
    EXPECT_TRUE(s.field == "23:59" && s.fired == 4);
    SnoozeState::SnoozeAt_Change("7:30", s.SnoozeTime);
    s.tick(at(7, 30, 0, 100, 7));
    SnoozeState::SnoozeAt_Change("7.30", s.SnoozeTime);
    s.tick(at(7, 30, 0, 100, 8));
    EXPECT_EQ(s.fired, 5);
    s.Auto = 0;
    SnoozeState::SnzMd_Click(0, s.SnoozeMode);
    s.tick(at(7, 31, 0, 100, 8));
    s.tick(at(7, 31, 0, 300, 8));
    EXPECT_TRUE(s.field == "" && s.snooze.SnzLeft() == 4 && s.fired == 5);
}
