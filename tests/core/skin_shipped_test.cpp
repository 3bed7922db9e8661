// The two shipped skins load cleanly, fit their windows and reach each other.
#include "fakes/PlayerFixture.h"
#include "ui/SurfacePainter.h"

using namespace velto;

namespace {

class ShippedSkins : public test::PlayerFixture {
protected:
    ShippedSkins() { test::CopyShippedSkins(programDir); }

    // Every placed element lies inside the window, and its faces inside the
    // resource picture.
    void ExpectElementsInside() {
        const QRect inWindow(QPoint(0, 0), s().windowPixels), resource = s().ResBmp.rect();
        for (int n = 1; n <= kButtons; ++n) {
            const ButtonElement& b = s().Btn[n];
            if (!b.visible) continue;
            EXPECT_TRUE(inWindow.contains(b.rect)) << "button " << n;
            EXPECT_TRUE(resource.contains(QRect(b.pressedFace, b.rect.size()))) << "face " << n;
        }
        for (int n = 1; n <= kDigitFields; ++n)
            EXPECT_TRUE(!s().Dig[n].visible || inWindow.contains(s().Dig[n].rect)) << n;
        for (int n = 1; n <= kSliders; ++n) {
            const SliderElement& k = s().iSlider[n];
            if (!k.visible) continue;
            const SliderTable& t = skin().SlideTab[n];
            // A knob travels its track; the level bar grows along it instead.
            const QRect reach =
                n == slider::LevelBar ? k.rect : k.rect.united(k.rect.translated(t.w, t.h));
            EXPECT_TRUE(inWindow.contains(reach)) << "slider " << n;
            EXPECT_TRUE(resource.contains(QRect(k.knobFace, k.rect.size()))) << "knob " << n;
        }
    }
};

} // namespace

TEST_F(ShippedSkins, BothLoadWithoutAWordAndTheirLinksLeadToEachOther) {
    player->Form_Load({}); // a first start: the default skin from the program folder
    EXPECT_EQ(dialogs.messages,
              QStringList({"Previously selected skin not found ()! Using default"}));
    EXPECT_EQ(player->settings.Skin, programDir.file("default.skin"));
    EXPECT_TRUE(window.size == QSize(460, 484) && s().face.size() == window.size);
    EXPECT_EQ(s().outline.size(), 3u);
    ExpectElementsInside();

    dialogs.messages.clear();
    player->DoIt(Code(Action::SkinLink1));
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
    EXPECT_EQ(player->settings.Skin, programDir.file("compact.skin"));
    EXPECT_TRUE(s().Btn[Code(Action::SkinLink2)].visible);
    EXPECT_FALSE(s().iCover.visible); // covers go to the Now Playing window
    ExpectElementsInside();
    // A non-rectangular outline of more than one polygon.
    ASSERT_EQ(skin().RgnCounts.size(), 2u);
    const QRegion compact = OutlineRegion(s());
    EXPECT_FALSE(compact.contains(QPoint(0, 0)) || compact.contains(QPoint(439, 0)));
    EXPECT_TRUE(compact.contains(QPoint(32, 32)) && compact.contains(QPoint(200, 32)));
    // The smallest size is the puck, and its own button brings the bar back.
    const QRect puck(QPoint(0, 0), skin().WinPixels[2]);
    EXPECT_TRUE(puck.contains(s().Btn[Code(Action::SmallToggle)].rect) &&
                puck.contains(s().Btn[Code(Action::PlayPause)].rect));

    player->DoIt(Code(Action::SkinLink2));
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(player->settings.Skin, programDir.file("default.skin"));
}

TEST_F(ShippedSkins, TheDefaultSkinHasAVisibleButtonForEveryActionAndDistinctKeys) {
    player->LoadSkin(programDir.file("default.skin"), false);
    const QRegion outline = OutlineRegion(s());
    std::vector<int> actions;
    for (int n = 1; n <= Code(Action::PlayPause); ++n)
        actions.push_back(n);
    actions.push_back(Code(Action::SkinLink1));
    for (int n : actions) {
        SCOPED_TRACE(n);
        const ButtonElement& b = s().Btn[n];
        ASSERT_TRUE(b.visible);
        EXPECT_TRUE(outline.contains(b.rect)); // not cut away by the outline
        EXPECT_FALSE(b.toolTip.isEmpty());
        // Pressing shows: the pressed face differs from the face.
        EXPECT_NE(s().face.copy(b.rect), s().ResBmp.copy(QRect(b.pressedFace, b.rect.size())));
        for (int other : actions)
            EXPECT_TRUE(other == n || !b.rect.intersects(s().Btn[other].rect)) << other;
    }
    // The size toggles stay reachable in the smallest size.
    const QRect deck(QPoint(0, 0), skin().WinPixels[2]);
    EXPECT_TRUE(deck.contains(s().Btn[Code(Action::SizeToggle)].rect) &&
                deck.contains(s().Btn[Code(Action::SmallToggle)].rect));

    // Keys: capitals or signs on the transport, volume and playlist buttons, none twice.
    QStringList keys;
    for (const QString& key : skin().BtnKey)
        if (!key.isEmpty()) keys << key;
    EXPECT_EQ(keys.join(""), keys.join("").toUpper());
    EXPECT_EQ(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
    for (int n = Code(Action::VolDown); n <= Code(Action::AddFolder); ++n)
        EXPECT_FALSE(skin().BtnKey[n].isEmpty()) << n;
}
