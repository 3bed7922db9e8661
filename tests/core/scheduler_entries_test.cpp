#include "scheduler/AutoEntry.h"
#include "scheduler/DayTexts.h"
#include "scheduler/MinuteStep.h"
#include "scheduler/ScheduleCheck.h"

#include <gtest/gtest.h>

using namespace velto;

// "index:On|Off:number" for each action, to compare whole results at once.
static QString actions(const QStringList& list, const QDate& day, const QTime& minute) {
    QStringList out;
    for (const AutoAction& a : ScheduleCheck(list, MakeDayStr(day).DowS, minute))
        out << QString::number(a.index) + (a.match == AutoMatch::On ? ":On:" : ":Off:") +
                   QString::number(a.number);
    return out.join(u' ');
}

TEST(SchedulerEntries, BuildingNormalisesAndRefusesAndDeletingNeedsASelection) {
    EXPECT_EQ(BuildAutoEntry("D - Weekday", "7:30", "08:15", "3").entry, "D 07:30 08:15 03");
    EXPECT_EQ(BuildAutoEntry("E", "00:00", "06:00", "12").entry, "E 00:00 06:00 12");
    EXPECT_EQ(BuildAutoEntry("U - Sunday", " 23:59 ", "", "123").entry, "U 23:59       123");
    EXPECT_EQ(BuildAutoEntry("N - Weekend", "", "6:05", "junk").entry, "N       06:05 00");
    // Refused silently without a time, with the message for a bad one.
    const auto refusal = [](const char* on, const char* off) {
        const AutoEntryResult r = BuildAutoEntry("E - Every Day!", on, off, "1");
        return r.entry ? QString("accepted") : r.message;
    };
    EXPECT_TRUE(refusal("0:00", "00:00").isEmpty() && refusal("", " ").isEmpty());
    for (const char* t : {"25:00", "ab", "7:5", "12:60", "07:30:00"})
        EXPECT_EQ(refusal("07:00", t), "Times must be typed as HH:MM (24-hour clock)!") << t;
    // Deleting selects the neighbour: the options dialog's test.
    EXPECT_EQ(DeleteAutoEntry({"a", "b"}, -1).list, QStringList({"a", "b"})); // needs a selection
}

TEST(SchedulerEntries, DueOnTheirDaysAtTheirClockMinutes) {
    const QStringList list = {"D 07:00 08:00 01", "N 07:00 08:00 02", "U 07:00 08:00 03",
                              "S 07:00 08:00 04", "E 07:00 08:00 05", "s 07:00 08:00 06"};
    // 2024-06-03 is a Monday.
    EXPECT_EQ(actions(list, QDate(2024, 6, 3), QTime(7, 0, 40)), "0:On:1 4:On:5");
    EXPECT_EQ(actions(list, QDate(2024, 6, 8), QTime(7, 0)), "1:On:2 3:On:4 4:On:5");
    EXPECT_EQ(actions(list, QDate(2024, 6, 9), QTime(8, 0)), "1:Off:2 2:Off:3 4:Off:5");

    // Times compare as clock times; malformed lines never match.
    const QDate day(2024, 6, 5);
    EXPECT_EQ(actions({"E 12:00 12:00 7"}, day, QTime(12, 0)), "0:On:7 0:Off:7");
    EXPECT_EQ(actions({"E 7:30  08:00 03", "E       07:30 4"}, day, QTime(7, 30)),
              "0:On:3 1:Off:4");
    const QStringList bad = {"E 07:30", "E07:30 07:30 1", "E 7:3x  07:30 1", " 07:30 07:30 1"};
    EXPECT_EQ(actions(bad, day, QTime(7, 30)), "");
}

TEST(SchedulerEntries, EachMinuteIsHandledOnceEvenWithoutItsFirstSecond) {
    const auto at = [](int h, int m, int s, int ms = 0) {
        return QDateTime(QDate(2024, 6, 5), QTime(h, m, s, ms));
    };
    MinuteStep step;
    step.Start(at(9, 59, 30));
    EXPECT_EQ(step.Due(at(10, 0, 1, 100)), at(10, 0, 0)); // the 10:00:00 ticks never came
    EXPECT_TRUE(step.Due(at(10, 1, 0, 50)));
    // Stepped back a moment across the minute's start, then on again.
    EXPECT_FALSE(step.Due(at(10, 0, 59, 950)) || step.Due(at(10, 1, 0, 100)));
    // A suspend handles only the minute woken into.
    EXPECT_EQ(step.Due(at(13, 7, 42)), at(13, 7, 0));
    EXPECT_TRUE(step.NewDay(QDate(2024, 6, 5)));
    EXPECT_FALSE(step.NewDay(QDate(2024, 6, 5)));
}
