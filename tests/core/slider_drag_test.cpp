// Dragging slider knobs: limits, the volume at every step, and the position
// slider seeking once, on release, to where its own knob was left.
#include "fakes/PlaybackFixture.h"
#include "platform/MediaElement.h"
#include "skin/WindowInput.h"

using namespace velto;
using velto::test::PlaybackFixture;

namespace {

class SliderDrag : public PlaybackFixture {
protected:
    WindowInput& in() { return *player->input; }
    QRect Knob(int n) const { return player->surface.iSlider[n].rect; }
    // Mouse events on knob n carry positions inside the knob.
    void Press(int n, QPoint at) { in().iSlider_MouseDown(n, at - Knob(n).topLeft()); }
    void MoveTo(int n, QPoint at) { in().iSlider_MouseMove(n, at - Knob(n).topLeft()); }
    int Plays() { return static_cast<int>(media[0].plays.size()); }
};

} // namespace

TEST_F(SliderDrag, AKnobStopsAtEitherEndAndTheVolumeFollowsEveryStep) {
    DefineSlider(2, 100, 50, 80, 0);
    player->SetSlider(2, 0.5);
    Press(2, {143, 53}); // 3 pixels into the knob at 140
    MoveTo(2, {163, 53});
    EXPECT_EQ(Knob(2).left(), 160);
    EXPECT_EQ(Caption(18), "75%");
    MoveTo(2, {400, 90}); // far past the right end
    EXPECT_EQ(Knob(2).left(), 180);
    MoveTo(2, {-50, 53});
    EXPECT_EQ(Knob(2).left(), 100);
    EXPECT_EQ(player->GetVol(), 0.0f);
    MoveTo(2, {123, 53}); // back from the end, with the grip kept
    EXPECT_EQ(Caption(18), "25%");
    in().iSlider_MouseUp(2);
    EXPECT_EQ(player->SlideFlag, 0);
    EXPECT_TRUE(media.log.isEmpty()); // the volume slider never seeks

    DefineSlider(2, 300, 20, 0, 80); // vertical: the top end is full volume
    player->SetSlider(2, 0.0);
    Press(2, {302, 104});
    MoveTo(2, {302, -30});
    EXPECT_EQ(Knob(2).top(), 20);
    EXPECT_EQ(Caption(18), "100%");
    in().iSlider_MouseUp(2);

    // The level bar repeating the volume changes size, not place: not dragged.
    DefineSlider(4, 100, 70, 80, 0);
    Press(4, {150, 73});
    EXPECT_EQ(player->SlideFlag, 0);
}

TEST_F(SliderDrag, ThePositionSliderSeeksOnReleaseToWhereItsOwnKnobWasLeft) {
    DefineSlider(1, 10, 90, 100, 0);
    DefineSlider(2, 200, 50, 80, 0);
    AddTracks({{"a.mp3", 100000}});
    player->PlayIt();
    Press(1, {12, 92});
    MoveTo(1, {62, 92});
    Press(2, {250, 52}); // a press on another knob meanwhile is ignored
    Tick(20);            // the playback tick leaves a held knob alone
    EXPECT_EQ(Knob(1).left(), 60);
    EXPECT_EQ(Plays(), 1);
    in().iSlider_MouseUp(1);
    ASSERT_EQ(Plays(), 2);
    EXPECT_EQ(media[0].plays.back().first, 50000);

    Tick(100);           // 60 seconds: the knob at 70
    Press(2, {202, 52}); // the volume slider leaves its fraction behind
    MoveTo(2, {266, 52});
    in().iSlider_MouseUp(2);
    Press(1, {72, 94}); // a click without a move
    in().iSlider_MouseUp(1);
    ASSERT_EQ(Plays(), 3);
    EXPECT_EQ(media[0].plays.back().first, 60000); // not 80% of the track

    Press(1, {72, 94});
    MoveTo(1, {90, 94});
    player->StopIt(); // a key stops the track while the knob is held
    in().iSlider_MouseUp(1);
    EXPECT_EQ(Plays(), 3);
    EXPECT_EQ(media[0].Mode(), kModeStopped);
}
