// The playback tick: time display, intro, A-B repeat, continuous playback
// with overlap on alternating elements, and the play modes.
#include "fakes/PlayerFixture.h"

using namespace velto;

using PlaybackTick = test::PlayerFixture;

TEST_F(PlaybackTick, ShowsElapsedOrRemainingTimeAndMovesThePositionKnob) {
    DefineSlider(slider::Position, 10, 40, 100, 0);
    AddTracks({{"a.mp3", 125000}});
    player->PlayIt();
    Tick(12); // 1200 / 125000 of 100 px
    EXPECT_TRUE(Caption(lbl::Time) == "0:01" && s().iSlider[slider::Position].rect.left() == 11);
    media.nowMs += 64000;
    player->TimeFlag = -1;
    Tick();
    EXPECT_EQ(Caption(lbl::Time), "-0:59"); // 125 s less 65.3 s
    player->StopIt();                       // stopped: the tick reads nothing
    Tick(5);
    EXPECT_EQ(player->Elapsed, 65300);
}

TEST_F(PlaybackTick, AtTheEndOrAnErrorTheNextTrackStartsOnTheSameElementUntilTheListIsCleared) {
    const QStringList paths = AddTracks({{"a.mp3", 1000}, {"cut.mp3", 60000}});
    media.media[paths[1]].failAtMs = 2500;
    player->PlayIt();
    EXPECT_EQ(TicksUntilTrackChanges(), 10);
    EXPECT_TRUE(player->PlayUnit == 0 && media[0].OpenName() == paths[1]);
    // The failure ends the track; past the end of the list comes entry 1.
    EXPECT_EQ(TicksUntilTrackChanges(), 25);
    EXPECT_TRUE(media[0].OpenName() == paths[0] && dialogs.messages.isEmpty());

    // After the list is cleared the end of the track stops playback.
    player->PlClear();
    Tick(30);
    EXPECT_TRUE(player->Playing == 0 && Lit(light::Stopped));
    const QStringList added = AddTracks({{"b.mp3", 2000}});
    Tick(5); // nothing starts by itself
    EXPECT_TRUE(player->Playing == 0 && media[0].OpenName() != added[0]);
}

TEST_F(PlaybackTick, OverlapAlternatesElementsOnlyOnAutomaticAdvances) {
    player->settings.PBOverlap = 2000;
    const QStringList paths = AddTracks({{"a.mp3", 10000}, {"b.mp3", 10000}, {"c.mp3", 10000}});
    player->PlayIt();
    player->NextTrack();
    player->PrevTrack();
    EXPECT_EQ(TicksUntilTrackChanges(), 80); // 8000 ms: 2000 before the end
    EXPECT_TRUE(media[1].OpenName() == paths[1] && media[0].Mode() == kModePlaying); // the tail
    Tick(20);
    EXPECT_EQ(media[0].Mode(), kModeStopped);
    player->NextTrack(); // by hand: on the same element
    EXPECT_EQ(media[1].OpenName(), paths[2]);
    EXPECT_EQ(TicksUntilTrackChanges(), 80);
    EXPECT_TRUE(player->PlayUnit == 0 && player->TNum == 1);

    // A track shorter than the overlap advances at the first tick; its element,
    // only just into it, is stopped silently.
    AddTracks({{"short.mp3", 1500}});
    player->TNum = 4;
    player->PlayIt();
    EXPECT_EQ(TicksUntilTrackChanges(), 1);
    EXPECT_TRUE(media[1].OpenName() == paths[0] && media[0].Mode() == kModeStopped &&
                dialogs.messages.isEmpty());
}

TEST_F(PlaybackTick, APictureCountsOnlyUnpausedTime) {
    player->settings.PBOverlap = 500;
    AddTracks({{"cover.bmp", 0}, {"b.mp3", 60000}});
    player->PlayIt();
    Tick(10);
    player->PauseIt();
    Tick(100);
    player->PauseIt();
    EXPECT_EQ(TicksUntilTrackChanges(), 35); // 5000 - 500 - 1000 ms
}

TEST_F(PlaybackTick, IntroPlaysTenSecondsOfEachTrackAndStopAfterTrackStops) {
    player->Intro = -1;
    AddTracks({{"long.mp3", 60000}, {"short.mp3", 4000}, {"third.mp3", 60000}});
    player->PlayIt();
    EXPECT_EQ(TicksUntilTrackChanges(), 101); // just over 10 s
    // The short one is not cut off by the previous track's position.
    EXPECT_EQ(TicksUntilTrackChanges(), 40);
    player->StpToggle();
    EXPECT_TRUE(Lit(light::StopAfterTrack));
    EXPECT_EQ(TicksUntilTrackChanges(), 101);
    // Entry 1 is loaded, shown and stopped.
    EXPECT_TRUE(player->TNum == 1 && player->Playing == 0 && media[0].Mode() == kModeStopped);
    EXPECT_EQ(Caption(lbl::TotalTime), "1:00");
}

TEST_F(PlaybackTick, RepeatWinsOverShuffleWhichDrawsFromTheGeneratorSeededPerRun) {
    const double first = player->Playback().timer.random();
    MakePlayer(); // a new run draws another sequence, each in [0, 1)
    const double second = player->Playback().timer.random();
    EXPECT_TRUE(second != first && first >= 0.0 && first < 1.0 && second >= 0.0 && second < 1.0);

    AddTracks({{"a.mp3", 1000}, {"b.mp3", 1000}, {"c.mp3", 1000}, {"d.mp3", 1000}});
    const std::vector<double> draws = {0.3, 0.9};
    size_t next = 0;
    player->Playback().timer.random = [&] { return draws.at(next++); };
    player->ShuffleToggle();
    player->RepeatToggle();
    EXPECT_TRUE(Lit(light::Shuffle) && Lit(light::Repeat) && !Lit(light::RandomOff));
    player->TNum = 3;
    player->PlayIt();
    Tick(10);
    EXPECT_TRUE(player->TNum == 3 && media[0].plays.size() == 2u);
    player->RepeatToggle();
    Tick(10);
    const int16_t drawn = player->TNum; // 0.3 * 4 + 1 = 2.2
    Tick(10);                           // 4.6 rounds to 5: past the end, entry 1
    EXPECT_TRUE(drawn == 2 && player->TNum == 1);
}

TEST_F(PlaybackTick, ABRepeatJumpsBackToA) {
    AddTracks({{"a.mp3", 60000}});
    player->PlayIt();
    Tick(20);
    player->RptButton();
    Tick(30);
    player->RptButton();
    EXPECT_TRUE(player->RptA == 2000 && player->RptB == 5000 && Lit(light::RepeatAB));
    Tick();
    EXPECT_EQ(media[0].plays.back(), std::make_pair(2000, -1));
    player->RptButton(); // off
    EXPECT_TRUE(player->RptA + player->RptB == 0 && Lit(light::RepeatABOff));

    // With a separate B button, the A-B button only ever sets A.
    s().Btn[btn::SetRepeatB].visible = true;
    Tick(10);
    player->RptButton();
    player->RptButton();
    Tick(10);
    player->SetRptB();
    EXPECT_TRUE(player->RptA == 3000 && player->RptB == 4000);
}

TEST_F(PlaybackTick, AStreamWithoutALengthShowsItsTimeUntilItEnds) {
    const QStringList paths = AddTracks({{"radio.mp3", 0}, {"next.mp3", 60000}});
    media.media[paths[0]].lengthUnknown = true;
    media.media[paths[0]].failAtMs = 30000; // the connection drops
    player->PlayIt();
    Tick(25);
    EXPECT_TRUE(Caption(lbl::Time) == "0:02" && TicksUntilTrackChanges() == 275);
}

TEST_F(PlaybackTick, AnEstimatedLengthIsFollowedAndANegativeOverlapCountsAsNone) {
    const QStringList paths =
        AddTracks({{"vbr.mp3", 10000}, {"long.mp3", INT32_MAX}, {"short.mp3", 1500}});
    media.media[paths[0]].estimatedMs = 8500; // until the first 5 s have played
    media.media[paths[0]].estimateUntilMs = 5000;
    player->PlayIt();
    EXPECT_EQ(Caption(lbl::TotalTime), "0:08");
    Tick(60);
    EXPECT_EQ(Caption(lbl::TotalTime), "0:10");
    EXPECT_EQ(TicksUntilTrackChanges(), 40); // at its real end, not at the estimate

    // The settings file may hold a negative overlap: it counts as none, also
    // at the end of a length at the 32-bit limit.
    player->settings.PBOverlap = -1;
    media.nowMs += INT32_MAX;
    Tick();
    EXPECT_TRUE(player->TNum == 3 && TicksUntilTrackChanges() == 15 && player->PlayUnit == 0);
}
