// The schedule and the snooze acting on the player through the second timer.
#include "fakes/PlayerFixture.h"
#include "platform/MediaElement.h"
#include "scheduler/Scheduler.h"

#include <QFile>

using namespace velto;
using velto::test::PlayerFixture;

namespace {

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

} // namespace

TEST_F(Schedule, OnTimesPlayTheirEntryAndOffTimesStopAndHide) {
    player->AutoList = {"D 07:30 07:45 02", "E 07:31       00", "S 07:32 07:33 03"};
    TickAt(QTime(7, 30, 0, 150));
    EXPECT_EQ(player->TNum, 2);
    EXPECT_NE(player->Playing, 0);
    player->TNum = 1;
    TickAt(QTime(7, 31, 1)); // number 00 starts nothing
    TickAt(QTime(7, 32, 0)); // a Saturday entry on a Monday
    EXPECT_EQ(player->TNum, 1);
    window.visible = true;
    TickAt(QTime(7, 45, 0)); // SnoozeHide 0: stopped, still shown
    EXPECT_EQ(player->Playing, 0);
    EXPECT_TRUE(window.visible);

    player->settings.SnoozeHide = 1;
    player->AutoList = {"E 08:00 08:00 03"}; // on, then off, in the same minute
    TickAt(QTime(8, 0, 0));
    EXPECT_EQ(player->TNum, 3);
    EXPECT_EQ(player->Playing, 0);
    EXPECT_FALSE(window.visible);

    player->settings.Auto = 0; // nothing acts, the snooze field stays empty
    player->settings.Snooze = 1;
    player->surface.Lbl[lbl::Snooze].caption = "05";
    player->AutoList = {"E 09:00 09:05 01"};
    TickAt(QTime(9, 0, 0));
    TickAt(QTime(9, 0, 0, 200));
    EXPECT_EQ(player->Playing, 0);
    EXPECT_EQ(player->surface.Lbl[lbl::Snooze].caption, "");
}

TEST_F(Schedule, ANewDayChangesTheDateTextsAtOnceAndItsEntriesAct) {
    EXPECT_EQ(player->surface.Lbl[lbl::Date].caption, "Monday December 7,2026");
    player->AutoList = {"R 00:00       01"};
    TickAt(QTime(0, 0, 0, 400), QDate(2026, 12, 10)); // a jump over three midnights
    EXPECT_EQ(player->surface.Lbl[lbl::Date].caption, "Thursday December 10,2026");
    EXPECT_EQ(player->surface.Lbl[lbl::Day].caption, "Thu");
    EXPECT_EQ(player->DowS, "R");
    EXPECT_NE(player->Playing, 0);
}

TEST_F(Schedule, AMinutesSnoozeFiresAndDisarms) {
    player->settings.Snooze = 1;
    player->settings.SnoozeHide = 1;
    window.visible = true;
    player->PlayIt();
    player->Schedule().snooze.SnzMin_Click("5");
    TickAt(QTime(10, 0, 30));
    EXPECT_EQ(player->surface.Lbl[lbl::Snooze].caption, "05");
    TickAt(QTime(10, 1, 0));
    EXPECT_EQ(player->surface.Lbl[lbl::Snooze].caption, "04");
    for (int m = 2; m <= 4; ++m)
        TickAt(QTime(10, m, 0));
    EXPECT_NE(player->Playing, 0);
    TickAt(QTime(10, 5, 0));
    EXPECT_EQ(player->Playing, 0);
    EXPECT_FALSE(window.visible);
    EXPECT_EQ(player->settings.Snooze, 0);
}

TEST_F(Schedule, TheListRoundTripsThroughStartAndExitAndSurvivesAFailedWrite) {
    const QString file = userDir.write("autolist.txt", "D 07:30 08:15 03\rE 06:00       00\n\n");
    MakePlayer();
    player->Form_Load({});
    EXPECT_EQ(player->AutoList, QStringList({"D 07:30 08:15 03", "E 06:00       00"}));
    player->AutoList << "N 10:00 11:00 01";
    player->Form_Unload();
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), "D 07:30 08:15 03\r\nE 06:00       00\r\nN 10:00 11:00 01\r\n");
    written.close();

    userDir.write("autolist.txt", "E 06:00 07:00 01\r\n");
    MakePlayer();
    player->Form_Load({});
    player->AutoList = QStringList(40, "E 06:00 07:00 01");
    dialogs.messages.clear();
    {
        const test::FileSizeLimit limit(64);
        player->Form_Unload();
    }
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), "E 06:00 07:00 01\r\n");
    EXPECT_TRUE(dialogs.messages.contains("Unable to write the Auto On/Off list!"));
}
