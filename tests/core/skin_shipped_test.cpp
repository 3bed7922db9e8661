// The two shipped skins load cleanly, use every kind of element and reach each other.
#include "fakes/PlayerFixture.h"
#include "skin/SkinLoader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegion>

using namespace velto;
using velto::test::PlayerFixture;

namespace {

QString sourceSkins() {
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../../skins";
}

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
class ShippedSkins : public PlayerFixture {
protected:
    ShippedSkins() {
        for (const char* folder : {"default", "compact"}) {
            const QDir dir(sourceSkins() + "/" + folder);
            for (const QString& name : dir.entryList(QDir::Files))
                QFile::copy(dir.filePath(name), programDir.file(name));
        }
    }
    const Surface& s() const { return player->surface; }
    const SkinLoader& skin() const { return *player->skin; }

    // Every placed element lies inside the window and its glyphs and faces
    // inside the resource picture.
    void ExpectElementsInside() {
        const QRect inWindow(QPoint(0, 0), s().windowPixels);
        const QRect resource = s().ResBmp.rect();
        for (int n = 1; n <= 50; ++n) {
            if (!s().Btn[n].visible) continue;
            EXPECT_TRUE(inWindow.contains(s().Btn[n].rect)) << "button " << n;
            EXPECT_TRUE(resource.contains(QRect(s().Btn[n].pressedFace, s().Btn[n].rect.size())))
                << "pressed face " << n;
        }
        for (int n = 1; n <= 20; ++n) {
            if (!s().Lbl[n].visible) continue;
            EXPECT_TRUE(inWindow.contains(s().Lbl[n].rect)) << "text " << n;
        }
        for (int n = 1; n <= 6; ++n) {
            if (!s().Dig[n].visible) continue;
            const DigitTable& t = skin().DigTab[n];
            EXPECT_TRUE(inWindow.contains(s().Dig[n].rect)) << "digits " << n;
            const QSize cells =
                t.e1 == 0 ? QSize(13, 1) : (t.e1 == 3 ? QSize(31, 3) : QSize(16, 6));
            EXPECT_TRUE(
                resource.contains(QRect(t.sx, t.sy, cells.width() * t.dw, cells.height() * t.dh)))
                << "glyph sheet " << n;
        }
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

TEST_F(ShippedSkins, AFirstStartLoadsTheDefaultSkinFromTheProgramFolder) {
    player->Form_Load({});
    EXPECT_EQ(dialogs.messages,
              QStringList({"Previously selected skin not found ()! Using default"}));
    EXPECT_EQ(player->settings.Skin, programDir.path() + "/default.skin");
    EXPECT_TRUE(skin().SkinInfo.startsWith("Velto Graphite"));
    EXPECT_EQ(window.size, QSize(460, 484));
    EXPECT_FALSE(s().face.isNull());
    EXPECT_EQ(s().face.size(), QSize(460, 484));
}

TEST_F(ShippedSkins, BothLoadWithoutAWordAndTheirLinksLeadToEachOther) {
    player->LoadSkin(programDir.path() + "/default.skin", false);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
    EXPECT_EQ(s().outline.size(), 3u);
    ExpectElementsInside();

    player->LoadSkin(skin().SkinLink1, false); // what button 49 does
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
    EXPECT_EQ(player->settings.Skin, programDir.path() + "/compact.skin");
    EXPECT_TRUE(s().Btn[50].visible);
    EXPECT_FALSE(s().Btn[49].visible);
    EXPECT_FALSE(s().iCover.visible); // covers go to the Now Playing window
    EXPECT_FALSE(s().PlNames.visible);
    ExpectElementsInside();
    // A non-rectangular outline of more than one polygon.
    ASSERT_EQ(skin().RgnCounts.size(), 2u);
    const QRegion compact = outlineRegion(s());
    EXPECT_FALSE(compact.contains(QPoint(0, 0)));
    EXPECT_FALSE(compact.contains(QPoint(439, 0)));
    EXPECT_TRUE(compact.contains(QPoint(32, 32)));
    EXPECT_TRUE(compact.contains(QPoint(200, 32)));
    EXPECT_LT(compact.rectCount(), 1000);
    // The smallest size is the puck, and its own button brings the bar back.
    const QRect puck(QPoint(0, 0), skin().WinPixels[2]);
    EXPECT_TRUE(puck.contains(s().Btn[4].rect));
    EXPECT_TRUE(puck.contains(s().Btn[36].rect));

    player->LoadSkin(skin().SkinLink2, false); // button 50
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(player->settings.Skin, programDir.path() + "/default.skin");
    EXPECT_TRUE(s().iCover.visible);
}

TEST_F(ShippedSkins, TheDefaultSkinHasAVisibleButtonForEveryAction) {
    player->LoadSkin(programDir.path() + "/default.skin", false);
    const QRegion outline = outlineRegion(s());
    std::vector<int> actions;
    for (int n = 1; n <= 36; ++n)
        actions.push_back(n);
    actions.push_back(49);
    for (int n : actions) {
        SCOPED_TRACE(n);
        const ButtonElement& b = s().Btn[n];
        ASSERT_TRUE(b.visible);
        EXPECT_TRUE(outline.contains(b.rect)); // not cut away by the outline
        EXPECT_FALSE(b.toolTip.isEmpty());
        const QImage up = s().face.copy(b.rect);
        const QImage down = s().ResBmp.copy(QRect(b.pressedFace, b.rect.size()));
        EXPECT_FALSE(uniform(up)); // something is drawn there
        EXPECT_NE(up, down);       // and pressing it shows
        for (int other : actions) {
            if (other == n) continue;
            EXPECT_FALSE(b.rect.intersects(s().Btn[other].rect)) << other;
        }
    }
    // The size toggles stay reachable in the smallest size.
    const QRect deck(QPoint(0, 0), skin().WinPixels[2]);
    EXPECT_TRUE(deck.contains(s().Btn[3].rect));
    EXPECT_TRUE(deck.contains(s().Btn[4].rect));
    EXPECT_LT(skin().WinPixels[2].height(), skin().WinPixels[1].height());
    EXPECT_LT(skin().WinPixels[1].height(), skin().WinPixels[0].height());
}

TEST_F(ShippedSkins, TheDefaultSkinUsesEveryKindOfElement) {
    player->LoadSkin(programDir.path() + "/default.skin", false);
    for (int n : {1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 16, 18})
        EXPECT_TRUE(s().Lbl[n].visible) << "text field " << n;
    QSet<int> styles;
    for (int n = 1; n <= 6; ++n) {
        EXPECT_TRUE(s().Dig[n].visible) << "digit field " << n;
        styles << skin().DigTab[n].e1;
    }
    EXPECT_TRUE(styles.contains(0));
    EXPECT_TRUE(styles.contains(1) || styles.contains(3));
    for (int n = 2; n <= 16; ++n)
        EXPECT_GE(s().Ind[n].rect.x(), 0) << "light " << n;
    for (int n : {1, 2, 4})
        EXPECT_TRUE(s().iSlider[n].visible) << "slider " << n;
    EXPECT_TRUE(s().iCover.visible);
    EXPECT_TRUE(s().PlNames.visible);
    EXPECT_FALSE(s().PlNames.fontName.isEmpty());

    // Keys: capitals or signs on the transport, volume and playlist buttons, none twice.
    QSet<QString> seen;
    for (int n = 1; n <= 40; ++n) {
        const QString key = skin().BtnKey[n];
        if (key.isEmpty()) continue;
        EXPECT_EQ(key, key.toUpper()) << n;
        EXPECT_FALSE(seen.contains(key)) << "key " << key.toStdString() << " twice";
        seen << key;
    }
    for (int n : {7, 8, 9, 10, 11, 12, 13, 14, 15, 17, 18, 19, 20, 21, 22, 23, 24, 36})
        EXPECT_FALSE(skin().BtnKey[n].isEmpty()) << n;
}
