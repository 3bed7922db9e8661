// The skin format: its fields, and its records and their edge cases loaded onto a Player.
#include "fakes/PlayerFixture.h"
#include "skin/FieldReader.h"
#include "skin/PlainBitmap.h"
#include "support/TestFiles.h"

#include <QtEndian>

using namespace velto;
using test::ButtonRecord;

using SkinFormat = test::PlayerFixture;

// Quoted blanks stay, text after the quote goes, an unclosed quote ends at the
// line end; after a head alone on its line, a line read takes the next, verbatim.
TEST(SkinFields, FieldsLinesAndNumbersThatAreWholeFieldsWithinTheirWidth) {
    FieldReader in(QStringLiteral("a,b\r\nc\rd\ne,  spaced out  ,\t\"a, b\" ,"
                                  "\"  kept  \"junk,,\"open, line\n/,rest of it\r\n;\r\n"
                                  "  kept, verbatim  \r\nnext"));
    QStringList got;
    for (int i = 0; i < 11; ++i)
        got << in.Field();
    got << in.Line() << in.Field() << in.Line() << in.Line();
    EXPECT_EQ(got,
              QStringList({"a", "b", "c", "d", "e", "spaced out", "a, b", "  kept  ", "",
                           "open, line", "/", "rest of it", ";", "  kept, verbatim  ", "next"}));
    EXPECT_TRUE(in.AtEnd());
    EXPECT_THROW(in.Field(), SkinError);
    EXPECT_THROW(in.Line(), SkinError);

    // Numbers are whole fields, rounded half to even; empty is 0.
    FieldReader numbers(QStringLiteral("12, -3 ,,2.5,3.5,+7,1e2,32767,-32768,5.,.5E+1"));
    for (int want : {12, -3, 0, 2, 4, 7, 100, 32767, -32768, 5, 5})
        EXPECT_EQ(numbers.Int16(), want);
    EXPECT_THROW(numbers.Int16(), SkinError); // past the end

    for (const char* bad :
         {"abc", "12abc", "32768", "-32769", "٣", ".", "-", "1e", "1e+", "1.2.3"}) {
        FieldReader r(QString::fromUtf8(bad));
        EXPECT_THROW(r.Int16(), SkinError) << bad;
    }
    FieldReader wide(QStringLiteral("40000,-2147483648,2147483648"));
    EXPECT_EQ(QList<int32_t>({wide.Int32(), wide.Int32()}), QList<int32_t>({40000, INT32_MIN}));
    EXPECT_THROW(wide.Int32(), SkinError);
}

TEST_F(SkinFormat, RecordsInfoTextCommentsPointsAndLabelsFollowTheFormatsOwnRules) {
    LoadRecords("B12,10,20,30,15,0,0,xyz,Play it\r\n"
                "B13, 40 , 20 , 30 , 15 , 100 , 7 ,\"+\",~no tip\r\n"
                "L3,5,6,50,12,255,128,0,9,DejaVu Sans,Clock\r\n"
                "I4,7,8,6,6,0,255,0,3,unused\r\nI5,7,8,6,6,0,255,0,9,unknown shape\r\n"
                "S2,100,10,0,60,150,0,12,8,Volume\r\n"
                "D1,20,30,0,100,9,13,4,0,1,0,Time\r\nD2,20,50,0,120,9,13,4,0,1,3,~\r\n"
                "D3,20,70,0,120,9,13,4,0,1,8,Clock\r\n"
                "X,0,60,120,40,200,210,220,10,20,30,8,DejaVu Sans Mono,Playlist\r\n");
    // px + py = 0: the button's own place; a key is its first character; "~" hides the tip.
    EXPECT_TRUE(s().Btn[12].pressedFace == QPoint(10, 20) &&
                s().Btn[13].pressedFace == QPoint(100, 7));
    EXPECT_EQ(QStringList(
                  {s().Btn[12].toolTip, s().Btn[13].toolTip, skin().BtnKey[12], skin().BtnKey[13]}),
              QStringList({"Play it", "", "x", "+"}));
    // Colours are red, green, blue; the list's text colour comes first.
    EXPECT_EQ(QList<QColor>({s().Lbl[lbl::Clock].color, s().PlNames.textColor}),
              QList<QColor>({QColor(255, 128, 0), QColor(200, 210, 220)}));
    EXPECT_EQ(QList<LightShape>({s().Ind[4].shape, s().Ind[5].shape}),
              QList<LightShape>({LightShape::Circle, LightShape::Rectangle})); // unknown: box
    EXPECT_EQ(s().iSlider[slider::Volume].rect, QRect(100, 10, 12, 8)); // the knob's own size
    EXPECT_EQ(s().Dig[dig::TrackNumber].rect, QRect(20, 50, 27, 13));   // count x dw
    EXPECT_EQ(s().Dig[dig::PlayTime].rect.width(), 4 * 9 + 4);          // count 0: "00:00"
    EXPECT_EQ(s().Dig[dig::Clock].rect.width(), 4 * 9 + 4); // the clock, whatever its count

    test::WriteSkin(programDir, "t.skin", ""); // the bitmaps
    player->LoadSkin(programDir.write("a.skin", "VeltoSkin,Made by me, 2026\n200,100,0,0,0,0\n"
                                                "face.bmp,res.bmp\n0,0,0,0,0,0,0,0\n/,second line\n"
                                                "/\nthird line\n;\nB1,1,1,5,5,0,0,A,x\n"
                                                ";,a comment, with commas\nB2,1,1,5,5,0,0,A,x\n"),
                     false);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join("|").toStdString();
    EXPECT_EQ(skin().SkinInfo, "Made by me, 2026\rsecond line\rthird line");
    EXPECT_TRUE(!s().Btn[1].visible && s().Btn[2].visible); // B1 swallowed by a lone ";"

    // Points count only after their announcement; a missing picture skips to its label.
    using Outline = std::vector<QPolygon>;
    auto outline = [&](const QByteArray& records) { return LoadRecords(records), s().outline; };
    EXPECT_EQ(outline("P5,5\r\nN3\r\nP0,0\r\nP10,0\r\nP10,10\r\nP99,99\r\n"),
              Outline({QPolygon({QPoint(0, 0), QPoint(10, 0), QPoint(10, 10)})}));
    EXPECT_TRUE(outline("N3\r\nP0,0\r\nP10,0\r\n").empty()); // two of three: rectangular
    // A second announcement clears the points but not the count read so far.
    EXPECT_EQ(outline("N4\r\nP1,1\r\nP2,2\r\nN3\r\nP3,3\r\n"),
              Outline({QPolygon({QPoint(0, 0), QPoint(0, 0), QPoint(3, 3)})}));

    LoadRecords("R1,missing.bmp\r\n?0,skip\r\n" + ButtonRecord(1) +
                "L2,1,1,5,5,0,0,0,8,F,t\r\n:other\r\n" + ButtonRecord(4) + ":skip\r\n" +
                ButtonRecord(3));
    EXPECT_TRUE(s().Btn[3].visible && !s().Btn[1].visible && !s().Lbl[2].visible &&
                !s().Btn[4].visible);

    // Loaded: the flag is 1, so ?0 does not skip and ?1 does; "E" ends even a skip.
    test::WriteBitmap(programDir, "there.bmp", {4, 4}, Qt::white);
    LoadRecords("R1,there.bmp\r\n?0,a\r\n" + ButtonRecord(1) + ":a\r\n?1,b\r\n" + ButtonRecord(2) +
                "E\r\n:b\r\n" + ButtonRecord(3));
    EXPECT_TRUE(s().Btn[1].visible && !s().Btn[2].visible && !s().Btn[3].visible);
}

// Bad numbers (R/W/Z fields then read as heads) are listed in one message;
// zero-sized fields and lights are not.
TEST_F(SkinFormat, BadElementsAreListedInOneMessageAndAMalformedNumberEndsTheLoad) {
    LoadRecords("B48,1,1,5,5,0,0,A,tip\r\n" + ButtonRecord(3) +
                "B49,1,1,5,5,0,0,A,tip,other.skin\r\n" + "B50,1,1,5,5,0,0,A,tip,\"back.skin\"\r\n" +
                ButtonRecord(4) + "L21,1,1,5,5,0,0,0,8,F,t\r\nB51,1,1,5,5,0,0,A,tip\r\n" +
                ButtonRecord(2) +
                "S9,1,1,5,5,0,0,4,4,tip\r\nB0,1,1,5,5,0,0,A,ignored\r\n"
                "L25,1,1,0,5,0,0,0,8,F,t\r\nI30,1,1,5,0,0,0,0,0,t\r\nL1,1,1,0,5,0,0,0,8,F,t\r\n"
                "I2,4,4,0,0,0,0,0,0,t\r\nB5,1,1,0,9,0,0,Q,keyboard only\r\nC,1,1,0,0,t\r\nR3," +
                ButtonRecord(6) + "W7," + ButtonRecord(7) + "Z2," + ButtonRecord(8) +
                "D7,1,1,0,0,4,4,2,0,0,0,t\r\nD0,1,1,0,0,4,4,2,0,0,0,t\r\n");
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0],
              "Error in skin file!\rThe skin file contains references to the following elements "
              "that do not exist!:\r L21 B51 S9 R3 W7 Z2 D7");
    EXPECT_TRUE(skin().SkinLink1 == "other.skin" && skin().SkinLink2 == "back.skin");
    for (int n : {2, 3, 4, 6, 7, 8}) // B49, B50 and B51 read all their fields
        EXPECT_TRUE(s().Btn[n].visible) << n;
    EXPECT_FALSE(s().Btn[0].visible || s().Lbl[1].visible || s().iCover.visible ||
                 s().Dig[0].visible);
    EXPECT_EQ(s().Ind[2].rect, QRect(-10, -10, 5, 5));
    EXPECT_TRUE(!s().Btn[5].visible && skin().BtnKey[5] == "Q"); // hidden, its key still counts

    // A malformed number ends the load with what was applied, and says nothing.
    dialogs.messages.clear();
    LoadRecords("B51,1,1,5,5,0,0,A,bad\r\n" + ButtonRecord(1) + "N3\r\nP0,0\r\nP5,0\r\nP5,5\r\n" +
                "B2,1,x,5,5,0,0,A,x\r\n" + ButtonRecord(3));
    EXPECT_TRUE(s().Btn[1].visible && !s().Btn[3].visible);
    EXPECT_TRUE(s().outline.empty()); // the outline is cut only at a full load
    EXPECT_TRUE(dialogs.messages.isEmpty());

    LoadRecords(ButtonRecord(1) + "B2,1,1,5"); // past the end
    EXPECT_TRUE(s().Btn[1].visible && !s().Btn[2].visible && player->Timer1.isActive());
}

// Skin bitmaps read straight from the file show the pixels Qt's reader shows,
// whatever the row padding and row order; anything else is left to Qt's reader.
TEST(SkinPictures, PlainBitmapsReadAsQtReadsThemAndOthersAreLeftToIt) {
    test::TempDir dir;
    for (int width : {1, 2, 3, 5, 8}) {
        QImage drawn(width, 3, QImage::Format_RGB32);
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < width; ++x)
                drawn.setPixel(x, y, qRgb(40 * x + 1, 70 * y + 2, 13 * (x + y) + 3));
        const QString path = dir.file(QString("w%1.bmp").arg(width));
        ASSERT_TRUE(drawn.save(path, "BMP")); // 24 bits, rows bottom up
        const QImage plain = ReadPlainBitmap(path, 8192);
        EXPECT_EQ(plain.format(), QImage::Format_BGR888);
        EXPECT_EQ(plain.convertToFormat(QImage::Format_RGB32), drawn) << width;

        // The same rows stored top down (a negative height).
        QByteArray bytes = dir.read(path.section('/', -1));
        const int stride = (width * 3 + 3) & ~3;
        QByteArray rows = bytes.mid(54);
        for (int y = 0; y < 3; ++y)
            bytes.replace(54 + y * stride, stride, rows.mid((2 - y) * stride, stride));
        qToLittleEndian<qint32>(-3, bytes.data() + 22);
        EXPECT_EQ(ReadPlainBitmap(dir.write("down.bmp", bytes), 8192)
                      .convertToFormat(QImage::Format_RGB32),
                  drawn)
            << width;
        // Cut short, or wider than allowed: not read here.
        EXPECT_TRUE(ReadPlainBitmap(dir.write("cut.bmp", bytes.chopped(1)), 8192).isNull());
        EXPECT_TRUE(ReadPlainBitmap(path, width - 1).isNull());
        // Other depths and compressed bitmaps are Qt's to read.
        for (auto [at, value] : {std::pair{28, 32}, {30, 1}}) {
            QByteArray other = bytes;
            qToLittleEndian<quint16>(value, other.data() + at);
            EXPECT_TRUE(ReadPlainBitmap(dir.write("other.bmp", other), 8192).isNull());
        }
    }
    EXPECT_TRUE(ReadPlainBitmap(dir.file("missing.bmp"), 8192).isNull());
}
