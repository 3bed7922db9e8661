// The two shipped skins load cleanly, use every kind of element and reach each other.
#include "fakes/PlayerFixture.h"
#include "skin/SkinLoader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegion>

using namespace velto;

namespace {

QRegion outlineRegion(const Surface& s) {
    QRegion region;
    for (const QPolygon& poly : s.outline)
        region = region.xored(QRegion(poly, Qt::OddEvenFill));
    return region;
}

bool uniform(const QImage& image) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0)) return false;
    return true;
}

} // namespace

// The skins as the build lays them out: every file side by side in the program folder.
class ShippedSkins : public test::PlayerFixture {
protected:
    ShippedSkins() {
        const QString source = QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../../skins/";
        for (const char* folder : {"default", "compact"}) {
            const QDir dir(source + folder);
            for (const QString& name : dir.entryList(QDir::Files))
                QFile::copy(dir.filePath(name), programDir.file(name));
        }
    }
    const Surface& s() const { return player->surface; }
    const SkinState& skin() const { return player->skin; }

    // Every placed element lies inside the window, and its faces inside the
    // resource picture.
    void ExpectElementsInside() {
        const QRect inWindow(QPoint(0, 0), s().windowPixels), resource = s().ResBmp.rect();
        for (int n = 1; n <= 50; ++n) {
            const ButtonElement& b = s().Btn[n];
            if (!b.visible) continue;
            EXPECT_TRUE(inWindow.contains(b.rect)) << "button " << n;
            EXPECT_TRUE(resource.contains(QRect(b.pressedFace, b.rect.size()))) << "face " << n;
        }
        for (int n = 1; n <= 6; ++n)
            EXPECT_TRUE(!s().Dig[n].visible || inWindow.contains(s().Dig[n].rect))
                << "digits " << n;
        for (int n = 1; n <= 4; ++n) {
            if (!s().iSlider[n].visible) continue;
            const SliderTable& t = skin().SlideTab[n];
            // A knob travels its track; the level bar (4) grows along it instead.
            const QRect reach = n == 4 ? QRect(t.x, t.y, std::max(t.w, t.c), std::max(t.h, t.d))
                                       : QRect(t.x, t.y, t.w + t.c, t.h + t.d);
            EXPECT_TRUE(inWindow.contains(reach)) << "slider " << n;
            EXPECT_TRUE(resource.contains(QRect(t.a, t.b, t.c, t.d))) << "knob " << n;
        }
    }
};

TEST_F(ShippedSkins, BothLoadWithoutAWordAndTheirLinksLeadToEachOther) {
    player->Form_Load({}); // a first start: the default skin from the program folder
    EXPECT_EQ(dialogs.messages,
              QStringList({"Previously selected skin not found ()! Using default"}));
    EXPECT_EQ(player->settings.Skin, programDir.path() + "/default.skin");
    EXPECT_EQ(window.size, QSize(460, 484));
    EXPECT_EQ(s().face.size(), QSize(460, 484));
    EXPECT_EQ(s().outline.size(), 3u);
    ExpectElementsInside();

    dialogs.messages.clear();
    player->LoadSkin(skin().SkinLink1, false); // what button 49 does
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
    EXPECT_EQ(player->settings.Skin, programDir.path() + "/compact.skin");
    EXPECT_TRUE(s().Btn[50].visible && !s().Btn[49].visible);
    EXPECT_FALSE(s().iCover.visible); // covers go to the Now Playing window
    ExpectElementsInside();
    // A non-rectangular outline of more than one polygon.
    ASSERT_EQ(skin().RgnCounts.size(), 2u);
    const QRegion compact = outlineRegion(s());
    EXPECT_FALSE(compact.contains(QPoint(0, 0)) || compact.contains(QPoint(439, 0)));
    EXPECT_TRUE(compact.contains(QPoint(32, 32)) && compact.contains(QPoint(200, 32)));
    // The smallest size is the puck, and its own button brings the bar back.
    const QRect puck(QPoint(0, 0), skin().WinPixels[2]);
    EXPECT_TRUE(puck.contains(s().Btn[4].rect) && puck.contains(s().Btn[36].rect));

    player->LoadSkin(skin().SkinLink2, false); // button 50
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(player->settings.Skin, programDir.path() + "/default.skin");
}

TEST_F(ShippedSkins, TheDefaultSkinHasAVisibleButtonForEveryActionAndEveryKindOfElement) {
    player->LoadSkin(programDir.path() + "/default.skin", false);
    const QRegion outline = outlineRegion(s());
    std::vector<int> actions;
    for (int n = 1; n <= 49; ++n)
        if (n <= 36 || n == 49) actions.push_back(n);
    for (int n : actions) {
        SCOPED_TRACE(n);
        const ButtonElement& b = s().Btn[n];
        ASSERT_TRUE(b.visible);
        EXPECT_TRUE(outline.contains(b.rect)); // not cut away by the outline
        EXPECT_FALSE(b.toolTip.isEmpty());
        const QImage up = s().face.copy(b.rect);
        EXPECT_FALSE(uniform(up)); // something is drawn there
        EXPECT_NE(up, s().ResBmp.copy(QRect(b.pressedFace, b.rect.size()))); // pressing shows
        for (int other : actions)
            EXPECT_TRUE(other == n || !b.rect.intersects(s().Btn[other].rect)) << other;
    }
    // The size toggles stay reachable in the smallest size.
    const QRect deck(QPoint(0, 0), skin().WinPixels[2]);
    EXPECT_TRUE(deck.contains(s().Btn[3].rect) && deck.contains(s().Btn[4].rect));
    EXPECT_LT(skin().WinPixels[2].height(), skin().WinPixels[1].height());
    EXPECT_LT(skin().WinPixels[1].height(), skin().WinPixels[0].height());

    for (int n : {1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 16, 18})
        EXPECT_TRUE(s().Lbl[n].visible) << "text field " << n;
    QSet<int> styles;
    for (int n = 1; n <= 6; ++n) {
        EXPECT_TRUE(s().Dig[n].visible) << "digit field " << n;
        styles << skin().DigTab[n].e1;
    }
    EXPECT_TRUE(styles.contains(0) && (styles.contains(1) || styles.contains(3)));
    for (int n = 2; n <= 16; ++n)
        EXPECT_GE(s().Ind[n].rect.x(), 0) << "light " << n;
    for (int n : {1, 2, 4})
        EXPECT_TRUE(s().iSlider[n].visible) << "slider " << n;
    EXPECT_TRUE(s().iCover.visible && s().PlNames.visible);

    // Keys: capitals or signs on the transport, volume and playlist buttons, none twice.
    QStringList keys;
    for (const QString& key : skin().BtnKey)
        if (!key.isEmpty()) keys << key;
    EXPECT_EQ(keys.join(""), keys.join("").toUpper());
    EXPECT_EQ(QSet<QString>(keys.begin(), keys.end()).size(), keys.size());
    for (int n : {7, 8, 9, 10, 11, 12, 13, 14, 15, 17, 18, 19, 20, 21, 22, 23, 24, 36})
        EXPECT_FALSE(skin().BtnKey[n].isEmpty()) << n;
}
