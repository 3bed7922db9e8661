// Buttons, hover, keys, dragging and snapping the window, DoIt, and dragging
// slider knobs, on a player without a widget; the snap rule itself.
#include "fakes/PlayerFixture.h"
#include "platform/MediaElement.h"
#include "skin/Snap.h"
#include "skin/WindowInput.h"

using namespace velto;

namespace {

// A 200 x 100 window: two buttons sharing the key "+", stop and play, a link
// button whose key lies beyond 40, a keyboard-only button, and a button whose
// small-letter key can never match.
const QByteArray kSkin = "B7,10,10,20,10,0,100,+,Volume down\r\n"
                         "B8,40,10,20,10,20,100,+,Volume up\r\n"
                         "B10,70,10,20,10,40,100,V,Stop\r\n"
                         "B12,100,10,20,10,60,100,X,Play\r\n"
                         "B49,130,10,20,10,80,100,K,Other skin,other.skin\r\n"
                         "B20,0,0,0,0,0,0,N,Clear\r\n"
                         "B15,160,10,20,10,0,0,b,Next\r\n";

class WindowInputTest : public test::PlayerFixture {
protected:
    WindowInputTest() {
        programDir.write("other.skin", test::SkinHeader("Other"));
        LoadRecords(kSkin);
    }
    WindowInput& in() { return *player->input; }
    const ButtonElement& Btn(Action a) const { return s().Btn[Code(a)]; }
    void OverFace() { in().Form_MouseMove(false, {190, 90}); }

    QRect Knob(int n) const { return s().iSlider[n].rect; }
    // Mouse events on knob n carry positions inside the knob.
    void Press(int n, QPoint at) { in().iSlider_MouseDown(n, at - Knob(n).topLeft()); }
    void MoveTo(int n, QPoint at, bool held = true) {
        in().iSlider_MouseMove(n, at - Knob(n).topLeft(), held);
    }
    int Plays() { return static_cast<int>(media[0].plays.size()); }
};

} // namespace

TEST_F(WindowInputTest, DoItRunsTheNumberedActionAndNothingOutsideTheTable) {
    AddTracks({{"a.mp3", 60000}, {"b.mp3", 60000}});
    const int changes = window.surfaceChanges;
    for (int16_t n : {0, 37, 51, -1})
        player->DoIt(n);
    EXPECT_EQ(window.surfaceChanges, changes);
    EXPECT_TRUE(media.log.isEmpty() && dialogs.fileRequests.empty());
    EXPECT_EQ(window.quitRequests + window.moves + window.popups, 0);

    player->DoIt(Code(Action::AddFile)); // the dialog is cancelled: nothing is added
    EXPECT_TRUE(dialogs.fileRequests.size() == 1 && model().Count() == 2);
    window.visible = true;
    player->DoIt(Code(Action::HideMain)); // no tray here: minimised, never lost
    EXPECT_TRUE(window.minimized && window.visible);
}

TEST_F(WindowInputTest, HoverFollowsCoolFlag) {
    in().Btn_MouseMove(Code(Action::VolDown));
    EXPECT_FALSE(Btn(Action::VolDown).border || s().TmpBtn.visible); // CoolFlag 0: nothing

    LoadRecords(kSkin, 1);
    in().Btn_MouseMove(Code(Action::VolDown));
    in().Btn_MouseMove(Code(Action::VolUp));
    EXPECT_TRUE(Btn(Action::VolUp).border && !Btn(Action::VolDown).border && !s().TmpBtn.visible);
    OverFace(); // the bare face clears the hover
    EXPECT_FALSE(Btn(Action::VolUp).border);

    LoadRecords(kSkin, 2);
    in().Btn_MouseMove(Code(Action::NextTrack)); // a face at the button's own place
    EXPECT_TRUE(s().TmpBtn.source == QRect(160, 10, 20, 10) && s().TmpBtn.toolTip == "Next");
    in().Btn_MouseMove(Code(Action::Play));
    EXPECT_EQ(s().TmpBtn.source, QRect(60, 100, 20, 10));
    OverFace();
    EXPECT_FALSE(s().TmpBtn.visible);
}

TEST_F(WindowInputTest, KeysRunTheLowestButtonWithTheUpperCasedCharacter) {
    AddTracks({{"a.mp3", 60000}, {"b.mp3", 60000}});
    player->SetVol(0.5f);
    EXPECT_EQ(in().Form_KeyPress('+'), 0);
    EXPECT_EQ(Caption(lbl::VolumePercent), "45%"); // button 7, not 8, not both
    in().Form_KeyPress('x');
    EXPECT_EQ(player->Playing, -1);
    in().Form_KeyPress('b'); // a small letter in the skin never matches
    in().Form_KeyPress('B');
    EXPECT_EQ(player->TNum, 1);
    EXPECT_EQ(in().Form_KeyPress('K'), 0); // the link button's key: consumed, never run
    EXPECT_NE(player->settings.Skin, programDir.file("other.skin"));
    in().Form_KeyPress('n'); // a button without area keeps its key
    EXPECT_EQ(model().Count(), 0);

    in().InFlag = 1; // keys pass through; the design aids still work
    EXPECT_EQ(in().Form_KeyPress('v'), 'v');
    EXPECT_EQ(player->Playing, -1);
    in().Form_KeyPress('`');
    EXPECT_TRUE(Btn(Action::VolDown).opaque && s().Btn[kButtons].opaque &&
                s().Lbl[kTextFields].opaque);
    in().Form_KeyPress('~');
    in().Form_KeyPress(27);
    EXPECT_FALSE(Btn(Action::VolDown).opaque || Btn(Action::VolDown).border ||
                 s().Lbl[kTextFields].opaque);
    in().InFlag = 0;
    in().Form_KeyPress('~');
    in().Form_KeyPress('V');
    EXPECT_TRUE(Btn(Action::VolDown).border); // tilde borders stay until Escape
    EXPECT_EQ(player->Playing, 0);
}

TEST_F(WindowInputTest, DraggingMovesByTheMousesTravelFarOffScreenAndTheReleaseSnapsWhenAsked) {
    window.pos = QPoint(200'000'000, 40); // 3e9 twips: beyond 32 bits
    in().Form_MouseDown(MouseButton::Left, {10, 10});
    in().Form_MouseDown(MouseButton::Left, {50, 50}); // a second press changes nothing
    in().Form_MouseMove(true, {25, 5});
    EXPECT_EQ(window.pos, QPoint(200'000'015, 35));
    in().Form_MouseUp(MouseButton::Left);
    in().Form_MouseMove(true, {20, 20});
    EXPECT_EQ(window.pos, QPoint(200'000'015, 35)); // snapping is off: it stays off screen
    in().Form_MouseDown(MouseButton::Right, {30, 40});
    EXPECT_TRUE(window.popupAt == QPoint(200'000'045, 75) && player->DragFlag == 0);

    player->settings.WinSnap = 1; // 200 x 100 pixels of 15 twips in 1920 x 1050
    auto releaseAt = [&](QPoint p) {
        window.pos = p;
        in().Form_MouseDown(MouseButton::Left, {5, 5});
        in().Form_MouseUp(MouseButton::Left);
        return window.pos;
    };
    EXPECT_EQ(releaseAt({-200'000'000, 10}), QPoint(-200'000'000, 0)); // 150 twips down
    EXPECT_EQ(releaseAt({1713, 943}), QPoint(1720, 949)); // right flush, bottom 15 twips up
}

TEST_F(WindowInputTest, ASliderKnobStopsAtEitherEndAndTheVolumeFollowsEveryStep) {
    DefineSlider(slider::Volume, 100, 50, 80, 0);
    player->SetSlider(slider::Volume, 0.5);
    Press(slider::Volume, {143, 53}); // 3 pixels into the knob at 140
    MoveTo(slider::Volume, {163, 53});
    EXPECT_EQ(Knob(slider::Volume).left(), 160);
    EXPECT_EQ(Caption(lbl::VolumePercent), "75%");
    MoveTo(slider::Volume, {400, 90}); // far past the right end
    EXPECT_EQ(Knob(slider::Volume).left(), 180);
    MoveTo(slider::Volume, {-50, 53});
    EXPECT_TRUE(Knob(slider::Volume).left() == 100 && player->GetVol() == 0.0f);
    MoveTo(slider::Volume, {123, 53}); // back from the end, with the grip kept
    EXPECT_EQ(Caption(lbl::VolumePercent), "25%");
    in().iSlider_MouseUp(slider::Volume);
    EXPECT_TRUE(player->SlideFlag == 0 && media.log.isEmpty()); // the volume slider never seeks

    DefineSlider(slider::Volume, 300, 20, 0, 80); // vertical: the top end is full volume
    player->SetSlider(slider::Volume, 0.0);
    Press(slider::Volume, {302, 104});
    MoveTo(slider::Volume, {302, -30});
    EXPECT_TRUE(Knob(slider::Volume).top() == 20 && Caption(lbl::VolumePercent) == "100%");
    in().iSlider_MouseUp(slider::Volume);

    // The level bar repeating the volume changes size, not place: not dragged.
    DefineSlider(slider::LevelBar, 100, 70, 80, 0);
    Press(slider::LevelBar, {150, 73});
    EXPECT_EQ(player->SlideFlag, 0);
}

TEST_F(WindowInputTest, ThePositionSliderSeeksOnReleaseToWhereItsOwnKnobWasLeft) {
    const int position = slider::Position, volume = slider::Volume;
    DefineSlider(position, 10, 90, 100, 0);
    DefineSlider(volume, 200, 50, 80, 0);
    AddTracks({{"a.mp3", 100000}});
    player->PlayIt();
    Press(position, {12, 92});
    MoveTo(position, {62, 92});
    Press(volume, {250, 52}); // a press on another knob meanwhile is ignored
    Tick(20);                 // the playback tick leaves a held knob alone
    EXPECT_TRUE(Knob(position).left() == 60 && Plays() == 1);
    in().iSlider_MouseUp(position);
    ASSERT_EQ(Plays(), 2);
    EXPECT_EQ(media[0].plays.back().first, 50000);

    Tick(100);                // 60 seconds: the knob at 70
    Press(volume, {202, 52}); // the volume slider leaves its fraction behind
    MoveTo(volume, {266, 52});
    in().iSlider_MouseUp(volume);
    Press(position, {72, 94}); // a click without a move
    in().iSlider_MouseUp(position);
    ASSERT_EQ(Plays(), 3);
    EXPECT_EQ(media[0].plays.back().first, 60000); // not 80% of the track

    Press(position, {72, 94});
    MoveTo(position, {90, 94});
    player->StopIt(); // a key stops the track while the knob is held
    in().iSlider_MouseUp(position);
    EXPECT_TRUE(Plays() == 3 && media[0].Mode() == kModeStopped);
}

TEST(Snap, EdgesWithin240TwipsSnapAndOthersStay) {
    const TwipRect work{0, 0, 28800, 16200}; // 1920 x 1080 px at 15 twips per pixel
    const TwipExtent size{4125, 1740};
    EXPECT_EQ(Snap({3000, 239}, size, work), (TwipPoint{3000, 0}));
    EXPECT_EQ(Snap({3000, 240}, size, work), (TwipPoint{3000, 240}));
    EXPECT_EQ(Snap({-239, 5000}, size, work), (TwipPoint{0, 5000}));
    EXPECT_EQ(Snap({-240, 5000}, size, work), (TwipPoint{-240, 5000}));
    // Bottom 100 twips above the work area's: ends 15 twips above it.
    EXPECT_EQ(Snap({3000, 16200 - 100 - 1740}, size, work).y, 16200 - 1740 - 15);
    // Right edge 100 twips left of the work area's: ends flush.
    EXPECT_EQ(Snap({28800 - 100 - 4125, 5000}, size, work).x, 28800 - 4125);
    // Far away, even off screen: stays.
    EXPECT_EQ(Snap({60000, -9000}, size, work), (TwipPoint{60000, -9000}));
}

TEST_F(WindowInputTest, ARightPressWhileAButtonADragOrAKnobIsHeldOpensNoMenu) {
    // The menu's own event loop would take the left release: the hold would stick.
    DefineSlider(2, 100, 50, 80, 0);
    player->SetSlider(2, 0.5);
    in().Btn_MouseDown(10);
    in().Form_MouseDown(MouseButton::Right, {150, 60});
    in().Btn_MouseUp(10);
    in().Form_MouseDown(MouseButton::Left, {150, 60});
    in().Form_MouseDown(MouseButton::Right, {150, 60});
    in().Form_MouseUp(MouseButton::Left);
    Press(2, {143, 53});
    in().Form_MouseDown(MouseButton::Right, {150, 60});
    EXPECT_EQ(window.popups, 0);
    MoveTo(2, {163, 53}, false); // no button held: the knob stays
    EXPECT_EQ(Knob(2).left(), 140);
    MoveTo(2, {163, 53});
    EXPECT_EQ(Knob(2).left(), 160);
    in().iSlider_MouseUp(2);
    EXPECT_FALSE(in().Holding());

    LoadRecords(kSkin, 2); // a hovered face is not a held button
    in().Btn_MouseMove(7);
    in().Form_MouseDown(MouseButton::Right, {150, 60});
    EXPECT_EQ(window.popups, 1);

    // A hold whose release never came ends without acting.
    in().Btn_MouseDown(10);
    in().DropHeld();
    EXPECT_FALSE(s().TmpBtn.visible || in().Holding());
}

TEST_F(WindowInputTest, ANewSkinKeepsNoOldKeysAndItsTracksTakeAPress) {
    AddTracks({{"a.mp3", 100000}});
    // No button 20 (the old skin's "N" cleared the list); two tracks with a
    // negative length, which read as none.
    player->LoadSkin(programDir.write("c.skin", test::SkinHeader("C") +
                                                    "B12,100,10,20,10,60,100,X,Play\r\n"
                                                    "S1,10,90,100,0,0,0,8,8,Position\r\n"
                                                    "S2,300,20,0,80,0,0,8,8,Volume\r\n"
                                                    "S3,100,50,-80,0,0,0,8,8,Backwards\r\n"),
                     false);
    in().Form_KeyPress('n');
    EXPECT_EQ(player->playlist.Count(), 1);
    Press(3, {102, 52});
    EXPECT_EQ(player->SlideFlag, 0);
    EXPECT_EQ(in().TrackAt({150, 52}), 0);

    // A press on a track: the knob centres there and the drag goes on.
    player->PlayIt();
    EXPECT_EQ(in().TrackAt({64, 94}), 1);
    EXPECT_EQ(in().TrackAt({64, 98}), 0);  // below the knob's thickness
    EXPECT_EQ(in().TrackAt({118, 94}), 0); // past the knob's travel
    in().Track_MouseDown(1, {64, 94});
    EXPECT_EQ(Knob(1).left(), 60);
    EXPECT_EQ(Plays(), 1); // no seek until the release
    MoveTo(1, {74, 94});
    EXPECT_EQ(Knob(1).left(), 70);
    in().iSlider_MouseUp(1);
    ASSERT_EQ(Plays(), 2);
    EXPECT_EQ(media[0].plays.back().first, 60000);
    in().Track_MouseDown(2, {304, 30}); // vertical: near the top is loud, at once
    EXPECT_EQ(Knob(2).top(), 26);
    EXPECT_EQ(Caption(lbl::VolumePercent), "92%");
    in().iSlider_MouseUp(2);
}
