// Transport buttons, volume and mute, the knobs and the state lights.
#include "fakes/PlayerFixture.h"

using namespace velto;

using TransportControls = test::PlayerFixture;

TEST_F(TransportControls, StopReturnsToTheStartPauseResumesAndPlayFromClampsLeavingPausedAlone) {
    DefineSlider(slider::Position, 0, 0, 100, 0);
    AddTracks({{"a.mp3", 60000}});
    player->PlayIt();
    Tick(30);
    player->PauseIt();
    EXPECT_TRUE(player->Paused == -1 && media[0].Mode() == kModeStopped && Lit(light::Paused));
    Tick(10);
    player->PauseIt();
    Tick(10);
    EXPECT_TRUE(player->Paused == 0 && player->Elapsed == 4000);

    player->StopIt();
    EXPECT_TRUE(player->Playing == 0 && media[0].Position() == 0 && Lit(light::Stopped));
    EXPECT_TRUE(!s().iSlider[slider::Position].visible && Caption(lbl::Time).isEmpty());
    const int commands = media.log.size();
    player->PauseIt(); // while stopped: nothing
    EXPECT_TRUE(player->Paused == 0 && media.log.size() == commands);
    player->PlayPause(); // stopped: starts the entry again, its time shown again
    Tick();
    EXPECT_TRUE(player->Playing == -1 && Caption(lbl::Time) == "0:00");
    player->PlayPause();
    EXPECT_EQ(player->Paused, -1);

    // PlayFrom clamps and leaves Paused alone.
    player->PlayFrom(90000); // the device plays though Paused stays
    EXPECT_TRUE(player->Paused == -1 && media[0].Mode() == kModePlaying &&
                media[0].plays.back().first == 59000);
    player->PlayFrom(-5);
    EXPECT_EQ(media[0].plays.back().first, 0);
    player->Elapsed = 4000;
    player->Forward();
    EXPECT_EQ(media[0].plays.back().first, 14000);
    player->Reverse(); // in the first ten seconds: from the start
    EXPECT_EQ(media[0].plays.back().first, 0);

    // A jump from a desktop client moves a paused medium without playing it.
    player->PauseIt(); // stops the device that PlayFrom set going
    player->PauseIt();
    player->MoveTo(90000);
    Tick();
    EXPECT_TRUE(player->Paused == -1 && media[0].Mode() == kModeStopped &&
                player->Elapsed == 59000);
    player->PauseIt();
    player->MoveTo(20000);
    EXPECT_TRUE(media[0].Mode() == kModePlaying && media[0].plays.back().first == 20000);
}

TEST_F(TransportControls, VolumeFollowsTheLouderChannelMuteKeepsTheLevelAndTheSliderSetsTheBar) {
    player->Playback().volume.SetLevels(0x0000FFFFu); // left full, right silent
    player->VolStep(-5);
    const uint32_t level = 62258; // 0.95 of 65535, rounded
    EXPECT_EQ(player->Playback().volume.Levels(), level | (level << 16));
    EXPECT_TRUE(std::abs(media[0].volume - 0.95) < 1e-5 && media[1].volume == media[0].volume);
    // Muting remembers the level read back from 16 bits (0.949996): still 95.
    player->MuteToggle();
    player->MuteToggle();
    EXPECT_EQ(Caption(lbl::VolumePercent), "95%");
    player->VolStep(50);
    EXPECT_EQ(Caption(lbl::VolumePercent), "100%");

    player->SetVol(0.6f);
    player->MuteToggle();
    EXPECT_TRUE(player->Mute == -1 && player->GetVol() == 0.0f && media[0].volume == 0.0);
    player->VolUp(); // unmutes, then raises
    EXPECT_TRUE(player->Mute == 0 && Caption(lbl::VolumePercent) == "65%");

    // The volume slider sets the level bar.
    DefineSlider(slider::LevelBar, 320, 20, 0, 80);
    QRect& bar = s().iSlider[slider::LevelBar].rect;
    bar = QRect(320, 20, 8, 80);
    // A fresh table's position of 0 does not keep the bar at the skin's size.
    player->SlideAction(slider::Volume, 1.0);
    EXPECT_EQ(bar.height(), 0);
    player->SlideAction(slider::Volume, 0.3);   // 80 - whole part of 24
    player->SlideAction(slider::Position, 0.9); // only the volume slider acts
    EXPECT_TRUE(bar.height() == 56 && Caption(lbl::VolumePercent) == "30%");
}

TEST_F(TransportControls, OpenPlayReplacesTheListWithTheChosenFile) {
    AddTracks({{"old.mp3", 60000}, {"older.mp3", 60000}});
    const QString chosen = music.write("new.wav", "x");
    dialogs.fileAnswers.push_back(FileDialogResult{chosen, "new.wav", 1});
    player->OpenPlay();
    player->OpenPlay(); // cancelled: the list and the track stay
    EXPECT_TRUE(model().Count() == 1 && player->Playing == -1 && media[0].OpenName() == chosen);
}

TEST_F(TransportControls, SizeSwitchesTakeTheSkinsWindowSizes) {
    player->skin.WinPixels = {QSize(275, 116), QSize(275, 300), QSize(275, 30)};
    player->SizeToggle();
    EXPECT_EQ(window.size, QSize(275, 300));
    player->SmallToggle();
    player->SizeToggle(); // while small the size stays
    EXPECT_TRUE(player->HFlag == 0 && window.size == QSize(275, 30));
    player->SmallToggle();
    EXPECT_TRUE(window.size == QSize(275, 116) && s().windowPixels == window.size);
}
