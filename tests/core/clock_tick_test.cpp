// The second timer's tick: the title scroll, the volume knob following the
// output level, and the clock once per wall-clock minute.
#include "core/skin_test_support.h"
#include "fakes/PlaybackFixture.h"
#include "playback/PlaybackEngine.h"

using namespace velto;
using velto::test::PlaybackFixture;

namespace {

class ClockTick : public PlaybackFixture {
protected:
    ClockTick() {
        const QString skin = test::WriteSkin(
            programDir, "clock.skin",
            "D3,110,10,0,0,10,12,4,0,0,8,Clock\r\nD6,10,50,0,40,8,10,0,1,0,12,Title\r\n");
        player->LoadSkin(skin, false);
    }
    void TickAt(QTime time, int times = 1) {
        clock.now.setTime(time);
        for (int i = 0; i < times; ++i)
            player->Timer2_Timer();
    }
    int ClockGlyph(int place) const {
        return player->surface.Dig[3].glyphs.at(static_cast<size_t>(place)).source.x() / 10;
    }
};

} // namespace

TEST_F(ClockTick, TheMinuteStepRunsOnceForEachMinuteWhoseSecondsReadZero) {
    player->settings.TimeFmt = 1;
    const QString shownAtLoad = Caption(3);
    TickAt(QTime(14, 4, 59, 800), 3);
    EXPECT_EQ(Caption(3), shownAtLoad);
    TickAt(QTime(14, 5, 0, 0));
    EXPECT_EQ(Caption(3), "14:05   ");
    EXPECT_EQ(ClockGlyph(0), 1);
    EXPECT_EQ(ClockGlyph(4), 5);
    EXPECT_EQ(Caption(9), "   ");
    // Later ticks of the same second find the minute done.
    player->surface.Lbl[3].caption = "mark";
    for (int ms : {200, 400, 600, 800, 999})
        TickAt(QTime(14, 5, 0, ms));
    EXPECT_EQ(Caption(3), "mark");
    TickAt(QTime(14, 5, 1), 5);
    TickAt(QTime(14, 5, 59, 800));
    EXPECT_EQ(Caption(3), "mark");

    player->settings.TimeFmt = 0;
    TickAt(QTime(14, 6, 0, 100), 4);
    EXPECT_EQ(Caption(3), "02:06 PM");
    EXPECT_EQ(Caption(9), "PM");
    EXPECT_EQ(ClockGlyph(0), 10); // the 12-hour clock blanks its leading zero

    // A minute whose second 00 saw no tick is missed; the same minute of
    // another day is a new minute.
    player->surface.Lbl[3].caption = "mark";
    TickAt(QTime(14, 7, 1));
    EXPECT_EQ(Caption(3), "mark");
    clock.now = clock.now.addDays(1);
    TickAt(QTime(14, 6, 0, 300));
    EXPECT_EQ(Caption(3), "02:06 PM");
}

TEST_F(ClockTick, EveryTickScrollsTheTitleAndSetsTheVolumeKnob) {
    player->SongName = "ABCDEFGHIJKLMNOPQRST";
    player->settings.ScrollName = 0;
    TickAt(QTime(9, 0, 1), 3);
    EXPECT_EQ(player->ScrollStart, 1);
    player->settings.ScrollName = 1;
    TickAt(QTime(9, 0, 2), 3);
    EXPECT_EQ(player->ScrollStart, 4);
    EXPECT_EQ(player->surface.Dig[6].glyphs.at(0).source.x(), ('C' % 16) * 8);

    DefineSlider(2, 100, 50, 80, 0);
    player->Playback().volume.SetLevels(0x40004000u); // changed from outside: a quarter
    TickAt(QTime(9, 0, 3));
    EXPECT_EQ(player->surface.iSlider[2].rect.left(), 120);

    player->settings.Auto = 0;
    player->surface.Lbl[5].caption = "Snooze 5";
    TickAt(QTime(9, 0, 4));
    EXPECT_EQ(Caption(5), "");
}
