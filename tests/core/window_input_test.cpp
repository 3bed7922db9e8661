// Buttons, keys, DoIt, the window's drag and snap and the knobs' drags, without a widget.
#include "fakes/PlayerFixture.h"
#include "skin/Snap.h"
#include "skin/WindowInput.h"

using namespace velto;

// Two buttons sharing the key "+", stop, play, a link button (its key beyond 40),
// a keyboard-only button, and one whose small-letter key can never match.
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

    QRect Knob(int n) const { return s().iSlider[n].rect; }
    // Mouse events on knob n carry positions inside the knob.
    void Press(int n, QPoint at) { in().iSlider_MouseDown(n, at - Knob(n).topLeft()); }
    void MoveTo(int n, QPoint at, bool held = true) {
        in().iSlider_MouseMove(n, at - Knob(n).topLeft(), held);
    }
    int Plays() { return static_cast<int>(media[0].plays.size()); }
};

TEST_F(WindowInputTest, KeysRunTheLowestButtonDoItOnlyTheTableAndANewSkinKeepsNoOldKeys) {
    AddTracks({{"a.mp3", 60000}, {"b.mp3", 60000}});
    const int changes = window.surfaceChanges;
    for (int16_t n : {0, 37, 51, -1})
        player->DoIt(n);
    EXPECT_TRUE(window.surfaceChanges == changes && media.log.isEmpty() && model().Count() == 2 &&
                dialogs.fileRequests.empty() && window.quitRequests + window.popups == 0);

    player->SetVol(0.5f);
    EXPECT_TRUE(in().Form_KeyPress('+') == 0 && Caption(lbl::VolumePercent) == "45%"); // B7 only
    for (int key : {'x', 'b', 'B'}) // a small letter in the skin never matches
        in().Form_KeyPress(key);
    EXPECT_TRUE(player->Playing == -1 && player->TNum == 1);
    EXPECT_EQ(in().Form_KeyPress('K'), 0); // the link button's key: consumed, never run
    EXPECT_FALSE(player->settings.Skin.endsWith("other.skin"));
    in().Form_KeyPress('n'); // a button without area keeps its key
    EXPECT_EQ(model().Count(), 0);

    in().InFlag = 1; // keys pass through; the design aids still work
    EXPECT_TRUE(in().Form_KeyPress('v') == 'v' && player->Playing == -1);
    in().Form_KeyPress('`');
    EXPECT_TRUE(Btn(Action::VolDown).opaque && s().Btn[kButtons].opaque &&
                s().Lbl[kTextFields].opaque);
    for (int key : {int('~'), 27})
        in().Form_KeyPress(key);
    EXPECT_FALSE(Btn(Action::VolDown).opaque || Btn(Action::VolDown).border ||
                 s().Lbl[kTextFields].opaque);
    in().InFlag = 0;
    for (int key : {'~', 'V'})
        in().Form_KeyPress(key);
    EXPECT_TRUE(Btn(Action::VolDown).border && player->Playing == 0); // they stay until Escape

    // A new skin keeps none of the old keys, and its tracks take a press.
    AddTracks({{"a.mp3", 100000}});
    // No button 20 (the old skin's "N" cleared the list); a negative length reads as none.
    player->LoadSkin(programDir.write("c.skin", test::SkinHeader("C") +
                                                    "B12,100,10,20,10,60,100,X,Play\r\n"
                                                    "S1,10,90,100,0,0,0,8,8,Position\r\n"
                                                    "S2,300,20,0,80,0,0,8,8,Volume\r\n"
                                                    "S3,100,50,-80,0,0,0,8,8,Backwards\r\n"),
                     false);
    in().Form_KeyPress('n');
    Press(3, {102, 52});
    EXPECT_TRUE(player->playlist.Count() == 1 && player->SlideFlag == 0 &&
                in().TrackAt({150, 52}) == 0);

    // A press on a track, within the knob's thickness and travel only, centres
    // the knob there (a horizontal one is the window test's).
    player->PlayIt();
    EXPECT_EQ(QList<int>({in().TrackAt({64, 94}), in().TrackAt({64, 98}), in().TrackAt({118, 94})}),
              QList<int>({1, 0, 0}));
    in().Track_MouseDown(2, {304, 30}); // vertical: near the top is loud, at once
    EXPECT_TRUE(Knob(2).top() == 26 && Caption(lbl::VolumePercent) == "92%");
}

TEST_F(WindowInputTest, DraggingMovesByTheMousesTravelFarOffScreenAndSnapsEdgesWithin240Twips) {
    window.pos = QPoint(200'000'000, 40); // 3e9 twips: beyond 32 bits
    in().Form_MouseDown(MouseButton::Left, {10, 10});
    in().Form_MouseDown(MouseButton::Left, {50, 50}); // a second press changes nothing
    in().Form_MouseMove(true, {25, 5});
    EXPECT_EQ(window.pos, QPoint(200'000'015, 35));
    in().Form_MouseUp(MouseButton::Left);
    in().Form_MouseMove(true, {20, 20}); // released, and snapping is off: it stays off screen
    EXPECT_EQ(window.pos, QPoint(200'000'015, 35));
    in().Form_MouseDown(MouseButton::Right, {30, 40});
    EXPECT_TRUE(window.popupAt == QPoint(200'000'045, 75) && player->DragFlag == 0);

    player->settings.WinSnap = 1; // the rule is Snap's; the release applies it, far off too
    window.pos = QPoint(-200'000'000, 10);
    in().Form_MouseDown(MouseButton::Left, {5, 5});
    in().Form_MouseUp(MouseButton::Left);
    EXPECT_EQ(window.pos, QPoint(-200'000'000, 0));

    // Snap: a 4125 x 1740 window's edges within 240 twips snap (a bottom edge ends 15
    // twips above the work area's), others stay.
    const TwipRect work{0, 0, 28800, 16200}; // 1920 x 1080 px at 15 twips per pixel
    const std::pair<TwipPoint, TwipPoint> moves[] = {
        {{3000, 239}, {3000, 0}},        {{3000, 240}, {3000, 240}},
        {{-239, 5000}, {0, 5000}},       {{-240, 5000}, {-240, 5000}},
        {{3000, 14360}, {3000, 14445}},  {{24575, 5000}, {24675, 5000}},
        {{60000, -9000}, {60000, -9000}}};
    for (const auto& [from, to] : moves)
        EXPECT_EQ(Snap(from, {4125, 1740}, work), to);
}

TEST_F(WindowInputTest, KnobsStopAtTheirEndsTheVolumeFollowsAndThePositionSeeksOnRelease) {
    DefineSlider(slider::Volume, 100, 50, 80, 0);
    player->SetSlider(slider::Volume, 0.5);
    Press(slider::Volume, {143, 53}); // 3 pixels into the knob at 140
    MoveTo(slider::Volume, {163, 53});
    EXPECT_TRUE(Knob(slider::Volume).left() == 160 && Caption(lbl::VolumePercent) == "75%");
    MoveTo(slider::Volume, {400, 90}); // far past the right end
    EXPECT_EQ(Knob(slider::Volume).left(), 180);
    MoveTo(slider::Volume, {-50, 53}); // and the left one
    EXPECT_TRUE(Knob(slider::Volume).left() == 100 && player->GetVol() == 0.0f);
    MoveTo(slider::Volume, {123, 53}); // back from the end, with the grip kept
    EXPECT_EQ(Caption(lbl::VolumePercent), "25%");
    in().iSlider_MouseUp(slider::Volume);
    EXPECT_TRUE(player->SlideFlag == 0 && media.log.isEmpty()); // the volume slider never seeks

    DefineSlider(slider::LevelBar, 100, 70, 80, 0); // it changes size, not place: not dragged
    Press(slider::LevelBar, {150, 73});
    EXPECT_EQ(player->SlideFlag, 0);

    // The position slider seeks on release, to where its own knob was left.
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
    EXPECT_TRUE(Plays() == 2 && media[0].plays.back().first == 50000);

    Tick(100);                // 60 seconds: the knob at 70
    Press(volume, {202, 52}); // the volume slider leaves its fraction behind
    MoveTo(volume, {266, 52});
    in().iSlider_MouseUp(volume);
    Press(position, {72, 94}); // a click without a move
    in().iSlider_MouseUp(position);
    EXPECT_TRUE(Plays() == 3 && media[0].plays.back().first == 60000); // not 80% of the track

    Press(position, {72, 94});
    MoveTo(position, {90, 94});
    player->StopIt(); // a key stops the track while the knob is held
    in().iSlider_MouseUp(position);
    EXPECT_TRUE(Plays() == 3 && media[0].Mode() == kModeStopped);
}

TEST_F(WindowInputTest, HoverFollowsCoolFlagAndARightPressWhileAnythingIsHeldOpensNoMenu) {
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
    in().iSlider_MouseUp(2);
    EXPECT_FALSE(in().Holding());

    // Hovering follows CoolFlag, and a hovered face is not a held button.
    in().Btn_MouseMove(Code(Action::VolDown));
    EXPECT_FALSE(Btn(Action::VolDown).border || s().TmpBtn.visible); // CoolFlag 0: nothing

    LoadRecords(kSkin, 1);
    in().Btn_MouseMove(Code(Action::VolDown));
    in().Btn_MouseMove(Code(Action::VolUp));
    EXPECT_TRUE(Btn(Action::VolUp).border && !Btn(Action::VolDown).border && !s().TmpBtn.visible);
    in().Form_MouseMove(false, {190, 90}); // the bare face clears the hover
    EXPECT_FALSE(Btn(Action::VolUp).border);
    in().Btn_MouseDown(10); // a hold whose release never came ends without acting
    in().DropHeld();
    EXPECT_FALSE(s().TmpBtn.visible || in().Holding());
}
