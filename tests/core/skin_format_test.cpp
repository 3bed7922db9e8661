// The skin format's records and their edge cases, loaded onto a Player.
#include "fakes/PlayerFixture.h"
#include "skin/SkinLoader.h"
#include "skin_test_support.h"

using namespace velto;
using velto::test::PlayerFixture;
using velto::test::WriteSkin;

namespace {
const QString kBadHead = QStringLiteral(
    "Error in skin file!\rThe skin file contains references to the following elements that do "
    "not exist!:\r");
}

class SkinFormat : public PlayerFixture {
protected:
    // Loads a skin of the test header followed by `records`.
    void Load(const QByteArray& records) {
        player->LoadSkin(WriteSkin(programDir, "t.skin", records), false);
    }
    const Surface& s() const { return player->surface; }
    const SkinLoader& skin() const { return *player->skin; }
};

TEST_F(SkinFormat, TheMagicMayShareItsLineWithTheInfoText) {
    test::WriteBitmap(programDir, "face.bmp", {200, 100}, Qt::red);
    test::WriteBitmap(programDir, "res.bmp", {20, 20}, Qt::red);
    player->LoadSkin(programDir.write("a.skin", "VeltoSkin,Made by me, 2026\n200,100,0,0,0,0\n"
                                                "face.bmp,res.bmp\n0,0,0,0,0,0,0,0\n"
                                                "/,second line\nB1,1,2,3,4,0,0,A,tip\n"),
                     false);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
    EXPECT_EQ(skin().SkinInfo, "Made by me, 2026\rsecond line");
    EXPECT_TRUE(s().Btn[1].visible);
}

TEST_F(SkinFormat, ButtonsKeepTipTagKeyAndPressedFace) {
    Load("B12,10,20,30,15,0,0,xyz,Play it\r\n"
         "B13, 40 , 20 , 30 , 15 , 100 , 7 ,\"+\",~no tip\r\n"
         "B14,70,20,30,15,0,0,\"\",\"Tip, with comma\"\r\n");
    const ButtonElement& b12 = s().Btn[12];
    EXPECT_TRUE(b12.visible);
    EXPECT_EQ(b12.rect, QRect(10, 20, 30, 15));
    EXPECT_EQ(b12.toolTip, "Play it");
    EXPECT_EQ(b12.tag, "0,0");
    EXPECT_EQ(b12.pressedFace, QPoint(10, 20)); // px + py = 0: its own place
    EXPECT_EQ(skin().BtnKey[12], "x");          // the first character only
    EXPECT_EQ(s().Btn[13].pressedFace, QPoint(100, 7));
    EXPECT_EQ(skin().BtnFaceX[13], 100);
    EXPECT_EQ(s().Btn[13].tag, "100,7");
    EXPECT_EQ(s().Btn[13].toolTip, "");
    EXPECT_EQ(skin().BtnKey[13], "+");
    EXPECT_EQ(s().Btn[14].toolTip, "Tip, with comma");
    EXPECT_EQ(skin().BtnKey[14], "");
    EXPECT_EQ(Player::TipText("~x"), "");
    EXPECT_EQ(Player::TipText(""), "");
    EXPECT_EQ(Player::TipText(" ~x"), " ~x");
}

TEST_F(SkinFormat, TextFieldsLightsSlidersDigitsCoverAndList) {
    Load("L3,5,6,50,12,255,128,0,9,DejaVu Sans,Clock\r\n"
         "I4,7,8,6,6,0,255,0,3,unused\r\n"
         "I5,7,8,6,6,0,255,0,9,unknown shape\r\n"
         "S2,100,10,0,60,150,0,12,8,Volume\r\n"
         "D1,20,30,0,100,9,13,4,0,1,0,Time\r\n"
         "D2,20,50,0,120,9,13,4,0,1,3,~\r\n"
         "D3,20,70,0,120,9,13,4,0,1,8,Clock\r\n"
         "C,120,40,64,64,Cover\r\n"
         "X,0,60,120,40,200,210,220,10,20,30,8,DejaVu Sans Mono,Playlist\r\n");
    const TextFieldElement& lbl = s().Lbl[3];
    EXPECT_TRUE(lbl.visible);
    EXPECT_EQ(lbl.rect, QRect(5, 6, 50, 12));
    EXPECT_EQ(lbl.color, QColor(255, 128, 0));
    EXPECT_EQ(lbl.fontSize, 9);
    EXPECT_EQ(lbl.fontName, "DejaVu Sans");
    EXPECT_EQ(lbl.toolTip, "Clock");

    EXPECT_FALSE(s().Ind[4].visible); // placed; the lights decide when it shows
    EXPECT_EQ(s().Ind[4].rect, QRect(7, 8, 6, 6));
    EXPECT_EQ(s().Ind[4].shape, LightShape::Circle);
    EXPECT_EQ(s().Ind[4].color, QColor(0, 255, 0));
    EXPECT_EQ(s().Ind[5].shape, LightShape::Rectangle);
    EXPECT_EQ(s().Ind[6].rect, QRect(-10, -10, 5, 5)); // not named: parked

    const SliderTable& t = skin().SlideTab[2];
    EXPECT_EQ(t.x, 100);
    EXPECT_EQ(t.h, 60);
    EXPECT_EQ(t.a, 150);
    EXPECT_EQ(t.c, 12);
    EXPECT_EQ(s().iSlider[2].rect, QRect(100, 10, 12, 8));
    EXPECT_EQ(s().iSlider[2].knobFace, QPoint(150, 0));
    EXPECT_TRUE(s().iSlider[2].visible);

    EXPECT_EQ(skin().DigTab[2].count, 3);
    EXPECT_EQ(skin().DigTab[2].sep, 4);
    EXPECT_EQ(s().Dig[2].rect, QRect(20, 50, 27, 13)); // count x dw
    EXPECT_EQ(s().Dig[1].rect.width(), 4 * 9 + 4);     // count 0: "00:00"
    EXPECT_EQ(s().Dig[3].rect.width(), 4 * 9 + 4);     // the clock, whatever its count
    EXPECT_EQ(s().Dig[2].toolTip, "");

    EXPECT_TRUE(s().iCover.visible);
    EXPECT_EQ(s().iCover.rect, QRect(120, 40, 64, 64));
    EXPECT_TRUE(s().PlNames.visible);
    EXPECT_EQ(s().PlNames.textColor, QColor(200, 210, 220));
    EXPECT_EQ(s().PlNames.background, QColor(10, 20, 30));
    EXPECT_EQ(s().PlNames.fontName, "DejaVu Sans Mono");
    EXPECT_EQ(s().PlNames.rect, QRect(0, 60, 120, 40));
}

TEST_F(SkinFormat, CommentsAndInfoLinesTakeTheNextLineWhenAloneOnTheirLine) {
    Load(";\r\nB1,1,1,5,5,0,0,A,swallowed by the comment\r\n"
         ";,a comment, with commas\r\nB2,1,1,5,5,0,0,B,kept\r\n"
         "/\r\nappended line\r\n");
    EXPECT_FALSE(s().Btn[1].visible);
    EXPECT_TRUE(s().Btn[2].visible);
    EXPECT_EQ(skin().SkinInfo, "Test skin\rappended line");
}

TEST_F(SkinFormat, PointsCountOnlyAfterTheirAnnouncementAndOnlyUpToIt) {
    Load("P5,5\r\nN3\r\nP0,0\r\nP10,0\r\nP10,10\r\nP99,99\r\n");
    ASSERT_EQ(s().outline.size(), 1u);
    EXPECT_EQ(s().outline[0], QPolygon({QPoint(0, 0), QPoint(10, 0), QPoint(10, 10)}));

    Load("N3\r\nP0,0\r\nP10,0\r\n"); // two of three: rectangular
    EXPECT_TRUE(s().outline.empty());

    Load("M8,2,4,4\r\nP0,0\r\nP10,0\r\nP10,10\r\nP0,10\r\n"
         "P20,0\r\nP30,0\r\nP30,10\r\nP20,10\r\n");
    ASSERT_EQ(s().outline.size(), 2u);
    EXPECT_EQ(s().outline[1].front(), QPoint(20, 0));
    EXPECT_EQ(skin().RgnCounts, std::vector<int32_t>({4, 4}));

    // A second announcement clears the points but not the count read so far.
    Load("N4\r\nP1,1\r\nP2,2\r\nN3\r\nP3,3\r\n");
    ASSERT_EQ(s().outline.size(), 1u);
    EXPECT_EQ(s().outline[0], QPolygon({QPoint(0, 0), QPoint(0, 0), QPoint(3, 3)}));
}

TEST_F(SkinFormat, AMissingPictureSkipsToItsLabel) {
    Load("R1,missing.bmp\r\n?0,skip\r\nB1,1,1,5,5,0,0,A,skipped\r\nL2,1,1,5,5,0,0,0,8,F,t\r\n"
         ":other\r\nB4,1,1,5,5,0,0,A,still skipped\r\n:skip\r\nB3,1,1,5,5,0,0,A,after label\r\n");
    EXPECT_FALSE(s().Btn[1].visible);
    EXPECT_FALSE(s().Lbl[2].visible);
    EXPECT_FALSE(s().Btn[4].visible);
    EXPECT_TRUE(s().Btn[3].visible);

    // Loaded: the flag is 1, so ?0 does not skip and ?1 does; "E" ends even a skip.
    test::WriteBitmap(programDir, "there.bmp", {4, 4}, Qt::white);
    Load("R1,there.bmp\r\n?0,a\r\nB1,1,1,5,5,0,0,A,x\r\n:a\r\n?1,b\r\nB2,1,1,5,5,0,0,A,x\r\n"
         "E\r\n:b\r\nB3,1,1,5,5,0,0,A,x\r\n");
    EXPECT_TRUE(s().Btn[1].visible);
    EXPECT_FALSE(s().Btn[2].visible);
    EXPECT_FALSE(s().Btn[3].visible);
}

TEST_F(SkinFormat, LinkButtonsTakeOneMoreField) {
    Load("B48,1,1,5,5,0,0,A,tip\r\nB3,1,1,5,5,0,0,A,x\r\n"
         "B49,1,1,5,5,0,0,A,tip,other.skin\r\nB50,1,1,5,5,0,0,A,tip,\"back.skin\"\r\n"
         "B4,1,1,5,5,0,0,A,x\r\n");
    EXPECT_TRUE(s().Btn[3].visible);
    EXPECT_TRUE(s().Btn[4].visible); // the link was not read as a head
    EXPECT_EQ(skin().SkinLink1, "other.skin");
    EXPECT_EQ(skin().SkinLink2, "back.skin");
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(SkinFormat, ElementsThatDoNotExistAreListedInOneMessage) {
    Load("L21,1,1,5,5,0,0,0,8,F,t\r\n");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0], kBadHead + " L21");

    dialogs.messages.clear();
    Load("B51,1,1,5,5,0,0,A,tip\r\nB2,1,1,5,5,0,0,A,x\r\nS9,1,1,5,5,0,0,4,4,tip\r\n"
         "B0,1,1,5,5,0,0,A,ignored\r\nB1,1,1,5,5,0,0,A,x\r\n");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0], kBadHead + " B51 S9");
    EXPECT_TRUE(s().Btn[2].visible); // B51 read all its fields
    EXPECT_TRUE(s().Btn[1].visible);
    EXPECT_FALSE(s().Btn[0].visible);
}

TEST_F(SkinFormat, ZeroSizedTextFieldsAndLightsAreDroppedWithoutAListEntry) {
    Load("L25,1,1,0,5,0,0,0,8,F,t\r\nI30,1,1,5,0,0,0,0,0,t\r\nL1,1,1,0,5,0,0,0,8,F,t\r\n"
         "I2,4,4,0,0,0,0,0,0,t\r\nB5,1,1,0,9,0,0,Q,keyboard only\r\nC,1,1,0,0,t\r\n");
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_FALSE(s().Lbl[1].visible);
    EXPECT_EQ(s().Ind[2].rect, QRect(-10, -10, 5, 5));
    EXPECT_FALSE(s().Btn[5].visible);
    EXPECT_EQ(skin().BtnKey[5], "Q"); // hidden, but its key still counts
    EXPECT_FALSE(s().iCover.visible);
}

TEST_F(SkinFormat, PictureRecordsWithABadNumberLeaveTheirFieldsToBeReadAsHeads) {
    Load("R3,B1,1,1,5,5,0,0,A,x\r\nW7,B2,1,1,5,5,0,0,A,x\r\nZ2,B3,1,1,5,5,0,0,A,x\r\n");
    EXPECT_TRUE(s().Btn[1].visible);
    EXPECT_TRUE(s().Btn[2].visible);
    EXPECT_TRUE(s().Btn[3].visible);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0], kBadHead + " R3 W7 Z2");
}

TEST_F(SkinFormat, WorkPicturesBuildTheFaceAndResource) {
    QImage sheet(40, 20, QImage::Format_RGB32);
    sheet.fill(Qt::blue);
    for (int y = 0; y < 20; ++y)
        for (int x = 20; x < 40; ++x)
            sheet.setPixelColor(x, y, Qt::yellow);
    sheet.save(programDir.file("sheet.bmp"), "BMP");
    Load("R2,SHEET.BMP\r\nW0,30,10\r\nZ0,20,0,20,20,10,0\r\nW1,5,5\r\nZ1,0,0,5,5,0,0\r\nU\r\n");
    ASSERT_EQ(s().face.size(), QSize(30, 10));
    EXPECT_EQ(s().face.pixelColor(5, 5), QColor(Qt::black)); // left as sized
    EXPECT_EQ(s().face.pixelColor(15, 5), QColor(Qt::yellow));
    EXPECT_EQ(s().ResBmp.pixelColor(2, 2), QColor(Qt::blue));
    for (const QImage& pic : skin().Pic)
        EXPECT_TRUE(pic.isNull()); // emptied after the load
}

TEST_F(SkinFormat, AMalformedNumberEndsTheLoadWithWhatWasApplied) {
    Load("B51,1,1,5,5,0,0,A,bad\r\nB1,1,1,5,5,0,0,A,x\r\nN3\r\nP0,0\r\nP5,0\r\nP5,5\r\n"
         "B2,1,x,5,5,0,0,A,x\r\nB3,1,1,5,5,0,0,A,x\r\n");
    EXPECT_TRUE(s().Btn[1].visible);
    EXPECT_FALSE(s().Btn[3].visible);
    EXPECT_TRUE(s().outline.empty());        // the outline is cut only at a full load
    EXPECT_TRUE(dialogs.messages.isEmpty()); // and nothing is reported
    EXPECT_TRUE(player->Timer1.isActive());

    Load("B1,1,1,5,5,0,0,A,x\r\nB2,1,1,5"); // past the end
    EXPECT_TRUE(s().Btn[1].visible);
    EXPECT_FALSE(s().Btn[2].visible);
    EXPECT_TRUE(player->Timer1.isActive());
}
