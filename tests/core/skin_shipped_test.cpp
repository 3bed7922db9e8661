// The two shipped skins load cleanly, fit their windows and reach each other.
#include "fakes/PlayerFixture.h"
#include "ui/SurfacePainter.h"

using namespace velto;

class ShippedSkins : public test::PlayerFixture {
protected:
    ShippedSkins() { test::CopyShippedSkins(programDir); }

    // Every placed element lies inside the window, its faces inside the resource picture.
    void ExpectElementsInside() {
        const QRect inWindow(QPoint(0, 0), s().windowPixels), resource = s().ResBmp.rect();
        for (const ButtonElement& b : s().Btn)
            EXPECT_TRUE(!b.visible || (inWindow.contains(b.rect) &&
                                       resource.contains(QRect(b.pressedFace, b.rect.size()))))
                << b.toolTip.toStdString();
        for (int n = 1; n <= kDigitFields; ++n)
            EXPECT_TRUE(!s().Dig[n].visible || inWindow.contains(s().Dig[n].rect)) << n;
        for (int n = 1; n <= kSliders; ++n) {
            const SliderElement& k = s().iSlider[n];
            const SliderTable& t = skin().SlideTab[n];
            // A knob travels its track; the level bar grows along it instead.
            const QRect reach =
                n == slider::LevelBar ? k.rect : k.rect.united(k.rect.translated(t.w, t.h));
            EXPECT_TRUE(!k.visible || (inWindow.contains(reach) &&
                                       resource.contains(QRect(k.knobFace, k.rect.size()))))
                << "slider " << n;
        }
        // The size toggles stay reachable in the smallest size.
        const QRect smallest(QPoint(0, 0), skin().WinPixels[2]);
        EXPECT_TRUE(smallest.contains(s().Btn[Code(Action::SmallToggle)].rect));
    }
};

TEST_F(ShippedSkins, BothLoadWithoutAWordLinkToEachOtherAndTheDefaultHasEveryButtonAndKey) {
    player->Form_Load({}); // a first start: the default skin from the program folder
    EXPECT_EQ(dialogs.messages,
              QStringList({"Previously selected skin not found ()! Using default"}));
    EXPECT_EQ(player->settings.Skin, programDir.file("default.skin"));
    ExpectElementsInside();

    dialogs.messages.clear();
    player->DoIt(Code(Action::SkinLink1));
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
    EXPECT_EQ(player->settings.Skin, programDir.file("compact.skin"));
    EXPECT_TRUE(s().Btn[Code(Action::SkinLink2)].visible);
    ExpectElementsInside();
    // A non-rectangular outline of more than one polygon.
    EXPECT_TRUE(skin().RgnCounts.size() == 2u && !OutlineRegion(s()).contains(QPoint(0, 0)));

    player->DoIt(Code(Action::SkinLink2));
    EXPECT_TRUE(dialogs.messages.isEmpty() && player->settings.Skin.endsWith("/default.skin"));

    // The default skin has a visible button for every action, and distinct keys.
    const QRegion outline = OutlineRegion(s());
    std::vector<int> actions{Code(Action::SkinLink1)};
    for (int n = 1; n <= Code(Action::PlayPause); ++n)
        actions.push_back(n);
    for (int n : actions) {
        SCOPED_TRACE(n);
        const ButtonElement& b = s().Btn[n];
        ASSERT_TRUE(b.visible);
        EXPECT_TRUE(outline.contains(b.rect)); // not cut away by the outline
        // Pressing shows: the pressed face differs from the face.
        EXPECT_NE(s().face.copy(b.rect), s().ResBmp.copy(QRect(b.pressedFace, b.rect.size())));
        for (int other : actions)
            EXPECT_TRUE(other == n || !b.rect.intersects(s().Btn[other].rect)) << other;
    }
    // Keys: capitals or signs on the transport, volume and playlist buttons, none twice.
    QStringList keys;
    for (const QString& key : skin().BtnKey)
        if (!key.isEmpty()) keys << key;
    EXPECT_TRUE(keys.join("") == keys.join("").toUpper() && !keys.removeDuplicates());
    for (int n = Code(Action::VolDown); n <= Code(Action::AddFolder); ++n)
        EXPECT_FALSE(skin().BtnKey[n].isEmpty()) << n;
}
