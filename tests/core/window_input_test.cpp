// Buttons, hover, keys, dragging and snapping the window, and DoIt, on a
// player without a widget.
#include "core/skin_test_support.h"
#include "fakes/PlaybackFixture.h"
#include "platform/MediaElement.h"
#include "skin/SkinLoader.h"
#include "skin/WindowInput.h"

using namespace velto;
using velto::test::PlaybackFixture;

namespace {

// A 200 x 100 window: two buttons sharing the key "+", a stop and a play
// button, a link button with a key it may not use, a keyboard-only button,
// a button whose lower-case key can never match, and a text field.
const QByteArray kButtons = "B7,10,10,20,10,0,100,+,Volume down\r\n"
                            "B8,40,10,20,10,20,100,+,Volume up\r\n"
                            "B10,70,10,20,10,40,100,V,Stop\r\n"
                            "B12,100,10,20,10,60,100,X,Play\r\n"
                            "B49,130,10,20,10,80,100,K,Other skin,other.skin\r\n"
                            "B20,0,0,0,0,0,0,N,Clear\r\n"
                            "B15,160,10,20,10,0,0,b,Next\r\n"
                            "L1,10,40,50,12,0,0,0,8,DejaVu Sans,Time\r\n";

class WindowInputTest : public PlaybackFixture {
protected:
    void LoadSkin(int cool) {
        test::WriteBitmap(programDir, "face.bmp", QSize(200, 100), Qt::darkBlue);
        test::WriteBitmap(programDir, "res.bmp", QSize(200, 200), Qt::darkGreen);
        programDir.write("other.skin", test::SkinHeader("Other"));
        const QString skin =
            programDir.write("buttons.skin", test::SkinHeader("Buttons", cool) + kButtons);
        player->LoadSkin(skin, false);
        ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
    }
    WindowInput& in() { return *player->input; }
    const ButtonElement& Btn(int n) const { return player->surface.Btn[n]; }
    const PressedFace& TmpBtn() const { return player->surface.TmpBtn; }

    // The mouse moves to a screen point while the left button is held.
    void DragTo(QPoint screen) { in().Form_MouseMove(true, screen - window.pos); }
};

} // namespace

TEST_F(WindowInputTest, DoItRunsTheNumberedActionAndNothingOutsideTheTable) {
    LoadSkin(0);
    AddTracks({{"a.mp3", 60000}, {"b.mp3", 60000}});
    const QString skinBefore = player->settings.Skin;
    const uint64_t revision = player->surface.revision;
    const int changes = window.surfaceChanges;
    for (int16_t n : {0, 37, 48, 51, -1, 32767})
        player->DoIt(n);
    EXPECT_EQ(player->surface.revision, revision);
    EXPECT_EQ(window.surfaceChanges, changes);
    EXPECT_TRUE(media.log.isEmpty());
    EXPECT_TRUE(dialogs.fileRequests.empty());
    EXPECT_EQ(player->playlist.Count(), 2);
    EXPECT_EQ(window.quitRequests + window.moves + window.popups, 0);
    EXPECT_EQ(player->settings.Skin, skinBefore);

    player->DoIt(12);
    EXPECT_EQ(player->Playing, -1);
    player->DoIt(15);
    EXPECT_EQ(player->TNum, 2);
    player->DoIt(10);
    EXPECT_EQ(player->Playing, 0);
    player->DoIt(23); // the dialog is cancelled: nothing is added
    EXPECT_EQ(player->playlist.Count(), 2);
    EXPECT_EQ(dialogs.fileRequests.back().title, "Open Media file");
    player->DoIt(20);
    EXPECT_EQ(player->playlist.Count(), 0);

    window.visible = true;
    player->DoIt(2); // no tray here: minimised, never lost
    EXPECT_TRUE(window.minimized);
    EXPECT_TRUE(window.visible);
    window.tray = true;
    player->DoIt(2);
    EXPECT_FALSE(window.visible);

    player->DoIt(49);
    EXPECT_EQ(player->settings.Skin, programDir.file("other.skin"));
    player->DoIt(1);
    EXPECT_EQ(window.quitRequests, 1);
}

TEST_F(WindowInputTest, HoverFollowsTheSkinsCoolFlag) {
    LoadSkin(0);
    in().Btn_MouseMove(7);
    in().Btn_MouseMove(8);
    EXPECT_FALSE(Btn(7).border || Btn(8).border || TmpBtn().visible);
    EXPECT_EQ(in().LastIndex, 8);

    LoadSkin(1);
    in().Form_MouseMove(false, {190, 90});
    in().Btn_MouseMove(7);
    EXPECT_TRUE(Btn(7).border);
    in().Btn_MouseMove(8);
    EXPECT_FALSE(Btn(7).border);
    EXPECT_TRUE(Btn(8).border);
    EXPECT_FALSE(TmpBtn().visible);
    in().Form_MouseMove(false, {190, 90}); // the bare face clears the hover
    EXPECT_FALSE(Btn(8).border);
    EXPECT_EQ(in().LastIndex, 0);

    LoadSkin(2);
    in().Btn_MouseMove(7);
    EXPECT_TRUE(TmpBtn().visible);
    EXPECT_EQ(TmpBtn().rect, Btn(7).rect);
    EXPECT_EQ(TmpBtn().source, QRect(0, 100, 20, 10));
    in().Btn_MouseMove(15); // a face at the button's own place
    EXPECT_EQ(TmpBtn().source, QRect(160, 10, 20, 10));
    EXPECT_EQ(TmpBtn().toolTip, "Next");
    EXPECT_FALSE(Btn(7).border);
    in().Form_MouseMove(false, {190, 90});
    EXPECT_FALSE(TmpBtn().visible);
}

TEST_F(WindowInputTest, APressShowsThePressedFaceAndTheReleaseRunsTheAction) {
    LoadSkin(1);
    AddTracks({{"a.mp3", 60000}});
    in().Btn_MouseMove(12);
    in().Btn_MouseDown(12);
    EXPECT_TRUE(TmpBtn().visible);
    EXPECT_EQ(TmpBtn().source, QRect(60, 100, 20, 10));
    EXPECT_EQ(player->Playing, 0); // nothing runs until the release
    in().TmpBtn_MouseUp();         // the release lands on the pressed face
    EXPECT_EQ(player->Playing, -1);
    EXPECT_FALSE(TmpBtn().visible);
    EXPECT_FALSE(Btn(12).border);
    in().Btn_MouseDown(10);
    in().Btn_MouseUp(10);
    EXPECT_EQ(player->Playing, 0);
}

TEST_F(WindowInputTest, KeysRunTheLowestButtonCarryingTheUpperCasedCharacter) {
    LoadSkin(0);
    AddTracks({{"a.mp3", 60000}, {"b.mp3", 60000}});
    player->SetVol(0.5f);
    EXPECT_EQ(in().Form_KeyPress('+'), 0);
    EXPECT_EQ(player->surface.Lbl[18].caption, "45%"); // button 7, not 8 or both

    EXPECT_EQ(in().Form_KeyPress('x'), 0); // small letter typed, capital in the skin
    EXPECT_EQ(player->Playing, -1);
    EXPECT_EQ(in().Form_KeyPress('b'), 0); // a small letter in the skin never matches
    EXPECT_EQ(in().Form_KeyPress('B'), 0);
    EXPECT_EQ(player->TNum, 1);
    EXPECT_EQ(in().Form_KeyPress('V'), 0);
    EXPECT_EQ(player->Playing, 0);

    const QString skin = player->settings.Skin;
    EXPECT_EQ(in().Form_KeyPress('k'), 0); // button 49's key: beyond 40, consumed unused
    EXPECT_EQ(player->settings.Skin, skin);
    EXPECT_EQ(in().Form_KeyPress('?'), 0); // no button: consumed all the same

    EXPECT_EQ(in().Form_KeyPress('n'), 0); // a button without area keeps its key
    EXPECT_EQ(player->playlist.Count(), 0);
}

TEST_F(WindowInputTest, InFlagLetsKeysPassButNotTheDesignAids) {
    LoadSkin(0);
    AddTracks({{"a.mp3", 60000}});
    Surface& s = player->surface;
    in().InFlag = 1;
    EXPECT_EQ(in().Form_KeyPress('x'), 'x');
    EXPECT_EQ(player->Playing, 0);

    EXPECT_EQ(in().Form_KeyPress('`'), '`');
    EXPECT_TRUE(s.Btn[7].opaque && s.Btn[50].opaque && s.Lbl[1].opaque && s.Lbl[20].opaque);
    EXPECT_FALSE(s.Btn[7].border);
    in().Form_KeyPress('~');
    EXPECT_TRUE(s.Btn[1].border && s.Btn[7].border);
    in().Form_KeyPress(27);
    for (size_t n = 1; n <= 50; ++n)
        EXPECT_FALSE(s.Btn[n].opaque || s.Btn[n].border) << n;
    for (size_t n = 1; n <= 20; ++n)
        EXPECT_FALSE(s.Lbl[n].opaque) << n;

    in().InFlag = 0;
    in().Form_KeyPress('~');
    in().Form_KeyPress('x'); // other keys leave the borders on
    EXPECT_TRUE(s.Btn[7].border);
    EXPECT_EQ(player->Playing, -1);
}

TEST_F(WindowInputTest, DraggingTheFaceMovesTheWindowByTheMousesTravelAcrossWideDesktops) {
    LoadSkin(0);
    window.pos = QPoint(2100, 40);
    in().Form_MouseDown(MouseButton::Left, {10, 10});
    EXPECT_EQ(player->DragFlag, -1);
    in().Form_MouseDown(MouseButton::Left, {50, 50}); // a second press changes nothing
    EXPECT_EQ(in().IX, 150);
    // 2,184 pixels are 32,760 twips: the drag goes on past 16 bits.
    for (int x = 2110; x <= 2710; x += 150)
        DragTo({x, 50 + (x - 2110) / 10});
    EXPECT_EQ(window.pos, QPoint(2700, 100));
    EXPECT_EQ(in().FX, 2700 * 15);
    DragTo({-290, 60});
    EXPECT_EQ(window.pos, QPoint(-300, 50));
    in().Form_MouseUp(MouseButton::Left);
    EXPECT_EQ(player->DragFlag, 0);
    EXPECT_EQ(window.pos, QPoint(-300, 50)); // no snapping: stays, even off screen
    in().Form_MouseMove(true, {20, 20});     // after the release nothing moves
    EXPECT_EQ(window.pos, QPoint(-300, 50));

    in().Form_MouseDown(MouseButton::Right, {30, 40});
    EXPECT_EQ(window.popups, 1);
    EXPECT_EQ(window.popupAt, QPoint(-270, 90));
    EXPECT_EQ(player->DragFlag, 0);
}

TEST_F(WindowInputTest, TheReleaseSnapsToTheWorkAreaWhenAsked) {
    LoadSkin(0); // 200 x 100 pixels
    player->settings.WinSnap = 1;
    window.workArea = QRect(0, 0, 1920, 1050);
    auto releaseAt = [&](QPoint p) {
        window.pos = p;
        in().Form_MouseDown(MouseButton::Left, {5, 5});
        in().Form_MouseUp(MouseButton::Left);
        return window.pos;
    };
    EXPECT_EQ(releaseAt({500, 15}), QPoint(500, 0));      // 225 twips
    EXPECT_EQ(releaseAt({500, 16}), QPoint(500, 16));     // 240 twips stay
    EXPECT_EQ(releaseAt({-15, 300}), QPoint(0, 300));     // left edge, from outside
    EXPECT_EQ(releaseAt({500, 943}), QPoint(500, 949));   // bottom: 15 twips above the edge
    EXPECT_EQ(releaseAt({1713, 300}), QPoint(1720, 300)); // right edge flush
    EXPECT_EQ(releaseAt({1713, 943}), QPoint(1720, 949));
    EXPECT_EQ(releaseAt({900, 500}), QPoint(900, 500));
    const int moves = window.moves;
    releaseAt({900, 500});
    EXPECT_EQ(window.moves, moves); // nothing to snap: the window is not moved
}
