// The schedule and the snooze acting on the player through the second timer.
#include "fakes/PlayerFixture.h"
#include "scheduler/Scheduler.h"

using namespace velto;
using velto::test::PlayerFixture;

class Schedule : public PlayerFixture {
protected:
    Schedule() {
        AddTracks({{"one.mp3", 600000}, {"two.mp3", 600000}, {"three.mp3", 600000}});
        player->settings.Auto = 1;
        tray.available = tray.added = true; // hiding is to the tray
        player->MakeDayStr();
        player->Timer2_Timer(); // the minute the player started in
    }
    // The tick of `time` on `date` (Monday 7 December 2026 unless given).
    void TickAt(QTime time, QDate date = QDate(2026, 12, 7)) {
        clock.now = QDateTime(date, time);
        player->Timer2_Timer();
    }
};

TEST_F(Schedule, OnTimesPlayTheirEntryOffTimesStopAndHideAndANewDayActsAtOnce) {
    player->AutoList = {"D 07:30 07:45 02", "E 07:31       00"};
    TickAt(QTime(7, 30, 0, 150));
    EXPECT_TRUE(player->TNum == 2 && player->Playing != 0);
    player->TNum = 1;
    TickAt(QTime(7, 31, 1)); // number 00 starts nothing
    window.visible = true;
    TickAt(QTime(7, 45, 0)); // SnoozeHide 0: stopped, still shown
    EXPECT_TRUE(player->TNum == 1 && player->Playing == 0 && window.visible);

    player->settings.SnoozeHide = 1;
    player->AutoList = {"E 08:00 08:00 03"}; // on, then off, in the same minute
    TickAt(QTime(8, 0, 0));
    EXPECT_TRUE(player->TNum == 3 && player->Playing == 0 && !window.visible);
    player->settings.Auto = 0; // nothing acts
    player->AutoList = {"E 09:00 09:05 01"};
    TickAt(QTime(9, 0, 0));
    EXPECT_EQ(player->Playing, 0);
    player->settings.Auto = 1;

    // A new day changes the date texts at once and its entries act.
    player->AutoList = {"R 00:00       01"};
    TickAt(QTime(0, 0, 0, 400), QDate(2026, 12, 10)); // a jump over three midnights
    EXPECT_EQ(player->surface.Lbl[lbl::Date].caption, "Thursday December 10,2026");
    EXPECT_TRUE(player->surface.Lbl[lbl::Day].caption == "Thu" && player->Playing != 0);
}

// 30 minutes until others are chosen.
TEST_F(Schedule, TheSnoozeCountsDownOrWaitsForItsTimeThenStopsAndHides) {
    Settings& set = player->settings;
    SnoozeState& snooze = player->Schedule().snooze;
    const QString& field = player->surface.Lbl[lbl::Snooze].caption;
    const auto fires = [&](QTime time, QDate date = QDate(2026, 12, 7)) {
        player->PlayIt();
        TickAt(time, date);
        return player->Playing == 0;
    };
    set.Snooze = set.SnoozeHide = 1;
    window.visible = true;
    EXPECT_TRUE(!fires(QTime(10, 0, 30)) && field == "30");
    for (int m = 1; m < 30; ++m)
        EXPECT_FALSE(fires(QTime(10, m, 0))) << m;
    EXPECT_EQ(field, "01");
    EXPECT_TRUE(fires(QTime(10, 30, 0)) && field == "00" && !window.visible && set.Snooze == 0);

    // Chosen after it ran out: shown at once, then down; re-armed, the full count
    // though chosen just before a minute.
    TickAt(QTime(11, 0, 0));
    snooze.SnzMin_Click(kSnoozeMinuteItems.at(0));
    snooze.cbSnoozeEn_Click(1, set.Snooze);
    EXPECT_TRUE(!fires(QTime(11, 0, 30)) && field == "05");
    for (int m = 1; m < 5; ++m)
        TickAt(QTime(11, m, 0));
    EXPECT_TRUE(fires(QTime(11, 5, 0)));
    snooze.cbSnoozeEn_Click(1, set.Snooze);
    TickAt(QTime(11, 6, 0));
    EXPECT_EQ(field, "04");

    // At a set time: daily, as long as Auto is on; "7.30" names no time.
    SnoozeState::SnzMd_Click(1, set.SnoozeMode);
    EXPECT_TRUE(fires(QTime(23, 59, 0)) && field == "23:59");
    EXPECT_TRUE(fires(QTime(23, 59, 5), QDate(2026, 12, 8)));
    SnoozeState::SnoozeAt_Change("7:30", set.SnoozeTime);
    EXPECT_TRUE(fires(QTime(7, 30, 0), QDate(2026, 12, 9)));
    SnoozeState::SnoozeAt_Change("7.30", set.SnoozeTime);
    EXPECT_FALSE(fires(QTime(7, 30, 0), QDate(2026, 12, 10)));
    set.Auto = 0; // the field empties and the count waits
    SnoozeState::SnzMd_Click(0, set.SnoozeMode);
    EXPECT_FALSE(fires(QTime(7, 31, 0), QDate(2026, 12, 10)));
    TickAt(QTime(7, 31, 0, 300), QDate(2026, 12, 10));
    EXPECT_TRUE(field.isEmpty() && snooze.SnzLeft() == 4);
}

TEST_F(Schedule, TheListRoundTripsThroughStartAndExitAndSurvivesAFailedWrite) {
    userDir.write("autolist.txt", "D 07:30 08:15 03\rE 06:00       00\n\n");
    MakePlayer();
    player->Form_Load({});
    EXPECT_EQ(player->AutoList, QStringList({"D 07:30 08:15 03", "E 06:00       00"}));
    player->AutoList << "N 10:00 11:00 01";
    player->Form_Unload();
    EXPECT_EQ(userDir.read("autolist.txt"),
              "D 07:30 08:15 03\r\nE 06:00       00\r\nN 10:00 11:00 01\r\n");

    userDir.write("autolist.txt", "E 06:00 07:00 01\r\n");
    MakePlayer();
    player->Form_Load({});
    player->AutoList = QStringList(40, "E 06:00 07:00 01");
    dialogs.messages.clear();
    {
        const test::FileSizeLimit limit(64);
        player->Form_Unload();
    }
    EXPECT_EQ(userDir.read("autolist.txt"), "E 06:00 07:00 01\r\n");
    EXPECT_TRUE(dialogs.messages.contains("Unable to write the Auto On/Off list!"));
}
