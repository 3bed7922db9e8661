// Dragging slider knobs: limits, the volume at every step, and the position
// slider seeking once, on release, to where its own knob was left.
#include "fakes/PlaybackFixture.h"
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
    int Seeks() { return static_cast<int>(media[player->PlayUnit].plays.size()); }
};

} // namespace

TEST_F(SliderDrag, AHorizontalKnobStopsAtEitherEndAndTheVolumeFollowsEveryStep) {
    DefineSlider(2, 100, 50, 80, 0);
    player->SetSlider(2, 0.5);
    ASSERT_EQ(Knob(2).left(), 140);
    Press(2, {143, 53});
    EXPECT_EQ(player->SlideFlag, 2);
    MoveTo(2, {163, 53});
    EXPECT_EQ(Knob(2).left(), 160);
    EXPECT_EQ(Caption(18), "75%");
    EXPECT_NEAR(player->GetVol(), 0.75, 1e-4);
    MoveTo(2, {400, 90}); // far past the right end
    EXPECT_EQ(Knob(2).left(), 180);
    EXPECT_EQ(Caption(18), "100%");
    EXPECT_FLOAT_EQ(in().NewP, 1.0f);
    MoveTo(2, {-50, 53}); // past the left end
    EXPECT_EQ(Knob(2).left(), 100);
    EXPECT_EQ(Caption(18), "0%");
    EXPECT_EQ(player->GetVol(), 0.0f);
    MoveTo(2, {123, 53}); // back from the end, with the grip kept
    EXPECT_EQ(Knob(2).left(), 120);
    EXPECT_EQ(Caption(18), "25%");
    in().iSlider_MouseUp(2);
    EXPECT_EQ(player->SlideFlag, 0);
    EXPECT_TRUE(media.log.isEmpty()); // the volume slider never seeks
}

TEST_F(SliderDrag, AVerticalVolumeSliderAtItsTopIsFullVolume) {
    DefineSlider(2, 300, 20, 0, 80);
    DefineSlider(4, 320, 20, 0, 80);
    player->surface.iSlider[4].rect = QRect(320, 20, 8, 80);
    player->SetVol(0.0f);
    player->SetSlider(2, 0.0);
    ASSERT_EQ(Knob(2).top(), 100);
    Press(2, {302, 104});
    MoveTo(2, {302, 64});
    EXPECT_EQ(Knob(2).top(), 60);
    EXPECT_EQ(Caption(18), "50%");
    MoveTo(2, {302, -30});
    EXPECT_EQ(Knob(2).top(), 20);
    EXPECT_EQ(Caption(18), "100%");
    EXPECT_FLOAT_EQ(player->GetVol(), 1.0f);
    EXPECT_EQ(player->surface.iSlider[4].rect.height(), 0); // the level bar repeats it
    MoveTo(4, {302, 90}); // moves over another knob do not drag it
    EXPECT_EQ(Knob(2).top(), 20);
}

TEST_F(SliderDrag, ThePositionSliderSeeksOnlyOnRelease) {
    DefineSlider(1, 10, 90, 100, 0);
    AddTracks({{"a.mp3", 100000}});
    player->PlayIt();
    const int seeks = Seeks();
    Press(1, {12, 92});
    MoveTo(1, {37, 92});
    MoveTo(1, {62, 92});
    EXPECT_EQ(Knob(1).left(), 60);
    EXPECT_EQ(Seeks(), seeks);
    Tick(20); // the playback tick leaves a held knob alone
    EXPECT_EQ(Knob(1).left(), 60);
    in().iSlider_MouseUp(1);
    ASSERT_EQ(Seeks(), seeks + 1);
    EXPECT_EQ(media[0].plays.back().first, 50000);
    EXPECT_EQ(player->SlideFlag, 0);
}

TEST_F(SliderDrag, AClickOnThePositionKnobStaysWhereItIs) {
    DefineSlider(1, 10, 90, 100, 0);
    DefineSlider(2, 200, 50, 80, 0);
    AddTracks({{"a.mp3", 100000}});
    player->PlayIt();
    Tick(300); // 30 seconds in
    ASSERT_EQ(Knob(1).left(), 40);
    Press(2, {202, 52}); // the volume slider leaves its fraction behind
    MoveTo(2, {266, 52});
    in().iSlider_MouseUp(2);
    ASSERT_FLOAT_EQ(in().NewP, 0.8f);

    const int seeks = Seeks();
    Press(1, {44, 94});
    Press(2, {250, 52}); // a press on another knob meanwhile is ignored
    EXPECT_EQ(player->SlideFlag, 1);
    in().iSlider_MouseUp(1);
    ASSERT_EQ(Seeks(), seeks + 1);
    EXPECT_EQ(media[0].plays.back().first, 30000);
}
