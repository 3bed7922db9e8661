// The playback tick: time display, intro, A-B repeat, continuous playback
// with overlap on alternating elements, and the play modes.
#include "fakes/PlaybackFixture.h"

using namespace velto;
using velto::test::FakeMedium;
using velto::test::PlaybackFixture;

using PlaybackTick = PlaybackFixture;

TEST_F(PlaybackTick, ShowsElapsedOrRemainingTimeAndMovesThePositionKnob) {
    DefineSlider(1, 10, 40, 100, 0);
    AddTracks({{"a.mp3", 125000}});
    player->PlayIt();
    Tick(12);
    EXPECT_EQ(player->Elapsed, 1200);
    EXPECT_EQ(Caption(1), "0:01");
    EXPECT_EQ(player->surface.iSlider[1].rect.left(), 11); // 1200 / 125000 of 100 px
    media.nowMs += 64000;
    Tick();
    EXPECT_EQ(Caption(1), "1:05");

    player->TimeFlag = -1;
    Tick();
    EXPECT_EQ(player->Remain, 125000 - 65400);
    EXPECT_EQ(Caption(1), "-0:59");

    // While the knob is dragged the tick leaves it where the user holds it.
    player->SlideFlag = 1;
    const int left = player->surface.iSlider[1].rect.left();
    media.nowMs += 20000;
    Tick();
    EXPECT_EQ(player->surface.iSlider[1].rect.left(), left);
}

TEST_F(PlaybackTick, DoesNothingWhileStoppedOrWithoutALength) {
    AddTracks({{"a.mp3", 60000}});
    player->PlayIt();
    player->StopIt();
    Tick(5);
    EXPECT_EQ(player->Elapsed, 0);
    EXPECT_EQ(Caption(1), "");
}

TEST_F(PlaybackTick, AdvancesAtTheEndOnTheSameElementWithoutOverlap) {
    const QStringList paths = AddTracks({{"a.mp3", 1000}, {"b.mp3", 3000}});
    player->PlayIt();
    EXPECT_EQ(TicksUntilTrackChanges(), 10);
    EXPECT_EQ(player->PlayUnit, 0);
    EXPECT_EQ(media[0].OpenName(), paths[1]);
    EXPECT_EQ(player->SongLen, 3000);
    // Past the end of the list it starts again at the first entry.
    EXPECT_EQ(TicksUntilTrackChanges(), 30);
    EXPECT_EQ(player->TNum, 1);
}

TEST_F(PlaybackTick, OverlapStartsTheNextTrackEarlyOnTheOtherElement) {
    player->settings.PBOverlap = 2000;
    const QStringList paths = AddTracks({{"a.mp3", 10000}, {"b.mp3", 10000}, {"c.mp3", 10000}});
    player->PlayIt();
    EXPECT_EQ(TicksUntilTrackChanges(), 80); // 8000 ms: 2000 before the end
    EXPECT_EQ(player->PlayUnit, 1);
    EXPECT_EQ(media[1].OpenName(), paths[1]);
    EXPECT_EQ(media[0].Mode(), kModePlaying); // the tail goes on
    Tick(20);
    EXPECT_EQ(media[0].Mode(), kModeStopped);
    EXPECT_EQ(TicksUntilTrackChanges(), 60);
    EXPECT_EQ(player->PlayUnit, 0);
    EXPECT_EQ(media[0].OpenName(), paths[2]);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(PlaybackTick, ManualNextAndPreviousKeepTheElementOnlyAdvancesAlternate) {
    player->settings.PBOverlap = 1000;
    AddTracks({{"a.mp3", 60000}, {"b.mp3", 60000}, {"c.mp3", 60000}});
    player->PlayIt();
    player->NextTrack();
    EXPECT_EQ(player->PlayUnit, 0);
    player->PrevTrack();
    EXPECT_EQ(player->TNum, 1);
    EXPECT_EQ(player->PlayUnit, 0);
    media.nowMs += 59000;
    Tick();
    EXPECT_EQ(player->TNum, 2);
    EXPECT_EQ(player->PlayUnit, 1);
    player->NextTrack();
    EXPECT_EQ(player->PlayUnit, 1);
    EXPECT_EQ(player->TNum, 3);
}

TEST_F(PlaybackTick, ATrackShorterThanTheOverlapAdvancesAtTheFirstTick) {
    player->settings.PBOverlap = 2000;
    const QStringList paths = AddTracks({{"short.mp3", 1500}, {"next.mp3", 60000}});
    player->PlayIt();
    EXPECT_EQ(TicksUntilTrackChanges(), 1);
    EXPECT_EQ(player->PlayUnit, 1);
    EXPECT_EQ(media[1].OpenName(), paths[1]);
    // The short track's element was only just into it: stopped, silently.
    EXPECT_EQ(media[0].Mode(), kModeStopped);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(PlaybackTick, APictureCountsOnlyUnpausedTime) {
    player->settings.PBOverlap = 500;
    AddTracks({{"cover.bmp", 0}, {"b.mp3", 60000}});
    player->PlayIt();
    Tick(10);
    EXPECT_EQ(player->Elapsed, 1000);
    player->PauseIt();
    EXPECT_EQ(player->Paused, -1);
    Tick(100);
    EXPECT_EQ(player->Elapsed, 1000);
    EXPECT_EQ(player->TNum, 1);
    player->PauseIt();
    EXPECT_EQ(TicksUntilTrackChanges(), 35); // 5000 - 500 - 1000 ms
}

TEST_F(PlaybackTick, IntroPlaysTenSecondsOfLongTracksAndShortOnesWhole) {
    player->Intro = -1;
    AddTracks({{"long.mp3", 60000}, {"short.mp3", 4000}, {"third.mp3", 60000}});
    player->PlayIt();
    EXPECT_EQ(TicksUntilTrackChanges(), 101); // just over 10 s
    EXPECT_EQ(player->TNum, 2);
    // The short one is not cut off by the previous track's position.
    EXPECT_EQ(TicksUntilTrackChanges(), 40);
    EXPECT_EQ(player->TNum, 3);
}

TEST_F(PlaybackTick, RepeatWinsOverShuffle) {
    AddTracks({{"a.mp3", 1000}, {"b.mp3", 1000}, {"c.mp3", 1000}});
    player->Playback().timer.random = [] { return 0.5; };
    player->TNum = 2;
    player->PlayIt();
    player->ShuffleToggle();
    player->RepeatToggle();
    Tick(10);
    EXPECT_EQ(player->TNum, 2);
    EXPECT_EQ(media[0].plays.size(), 2u);
}

TEST_F(PlaybackTick, ShuffleDrawsFromTheGeneratorAndWrapsPastTheEnd) {
    AddTracks({{"a.mp3", 1000}, {"b.mp3", 1000}, {"c.mp3", 1000}, {"d.mp3", 1000}});
    std::vector<double> draws{0.3, 0.9, 0.0};
    player->Playback().timer.random = [&] {
        const double r = draws.front();
        draws.erase(draws.begin());
        return r;
    };
    player->ShuffleToggle();
    EXPECT_EQ(player->Shuffle, -1);
    EXPECT_EQ(player->Random, -1);
    player->PlayIt();
    Tick(10);
    EXPECT_EQ(player->TNum, 2); // 0.3 * 4 + 1 = 2.2
    Tick(10);
    EXPECT_EQ(player->TNum, 1); // 4.6 rounds to 5: past the end, entry 1
    Tick(10);
    EXPECT_EQ(player->TNum, 1);
}

TEST_F(PlaybackTick, EachRunShufflesInItsOwnOrder) {
    AddTracks({{"a.mp3", 1000}});
    std::vector<double> first, second;
    for (int i = 0; i < 16; ++i)
        first.push_back(player->Playback().timer.random());
    MakePlayer();
    for (int i = 0; i < 16; ++i)
        second.push_back(player->Playback().timer.random());
    EXPECT_NE(first, second);
    for (double r : first) {
        EXPECT_GE(r, 0.0);
        EXPECT_LT(r, 1.0);
    }
}

TEST_F(PlaybackTick, StopAfterTrackLoadsTheNextOneAndStops) {
    AddTracks({{"a.mp3", 1000}, {"b.mp3", 125000}});
    player->StpToggle();
    EXPECT_TRUE(Lit(6));
    player->PlayIt();
    Tick(10);
    EXPECT_EQ(player->TNum, 2);
    EXPECT_EQ(Caption(2), "b");
    EXPECT_EQ(Caption(13), "2:05");
    EXPECT_EQ(player->Playing, 0);
    EXPECT_EQ(media[0].Mode(), kModeStopped);
    EXPECT_EQ(media[0].Position(), 0);
    EXPECT_TRUE(Lit(2));
}

TEST_F(PlaybackTick, ABRepeatJumpsBackToA) {
    AddTracks({{"a.mp3", 60000}});
    player->PlayIt();
    Tick(20);
    player->RptButton(); // A at 2000
    EXPECT_EQ(player->RptA, 2000);
    Tick(30);
    player->RptButton(); // B at 5000
    EXPECT_EQ(player->RptB, 5000);
    EXPECT_TRUE(Lit(8));
    Tick();
    EXPECT_EQ(media[0].plays.back(), std::make_pair(2000, -1));
    EXPECT_EQ(media[0].Position(), 2000);
    player->RptButton(); // off
    EXPECT_EQ(player->RptA, 0);
    EXPECT_EQ(player->RptB, 0);
    EXPECT_TRUE(Lit(14));

    // With a separate B button, the A-B button only ever sets A.
    player->surface.Btn[31].visible = true;
    Tick(10);
    player->RptButton();
    player->RptButton();
    EXPECT_EQ(player->RptB, 0);
    EXPECT_EQ(player->RptA, 3000);
    Tick(10);
    player->SetRptB();
    EXPECT_EQ(player->RptB, 4000);
}

TEST_F(PlaybackTick, ATrackThatFailsWhilePlayingAdvancesToTheNext) {
    const QStringList paths = AddTracks({{"cut.mp3", 60000}, {"b.mp3", 60000}});
    media.media[paths[0]].failAtMs = 2500;
    player->PlayIt();
    EXPECT_EQ(TicksUntilTrackChanges(), 25);
    EXPECT_EQ(player->TNum, 2);
    EXPECT_EQ(media[0].OpenName(), paths[1]);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(PlaybackTick, AStreamWithoutALengthShowsItsTimeUntilItEnds) {
    const QStringList paths = AddTracks({{"radio.mp3", 0}, {"next.mp3", 60000}});
    media.media[paths[0]].lengthUnknown = true;
    media.media[paths[0]].failAtMs = 30000; // the connection drops
    player->PlayIt();
    EXPECT_EQ(player->SongLen, 0);
    EXPECT_EQ(Caption(13), "0:00");
    Tick(25);
    EXPECT_EQ(Caption(1), "0:02");
    EXPECT_EQ(player->TNum, 1);
    EXPECT_EQ(TicksUntilTrackChanges(), 275);
    EXPECT_EQ(player->TNum, 2);
    EXPECT_EQ(Caption(13), "1:00");
}
