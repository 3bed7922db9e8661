// Skins made to hurt: pictures that cannot be used, files too large or cut
// short, runaway outlines and bad references. Each load ends with a clear
// message or with what it could apply, and a refused skin leaves the skin on
// screen (or, at start-up, the default skin) in place.
#include "fakes/PlayerFixture.h"
#include "skin/SkinLoader.h"
#include "skin_test_support.h"
#include "ui/SurfacePainter.h"

#include <QFile>

#include <climits>

using namespace velto;
using velto::test::ButtonRecord;
using velto::test::WriteSkin;

namespace {

void PutLe(QByteArray& b, qint64 v, int bytes) {
    for (int i = 0; i < bytes; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
}

// A BMP header declaring w x h pixels of 24 bits, with no pixel data behind it.
QByteArray BmpHeader(qint64 w, qint64 h) {
    QByteArray b("BM");
    PutLe(b, 54, 4);
    PutLe(b, 0, 4);
    PutLe(b, 54, 4);
    const std::pair<qint64, int> fields[] = {{40, 4}, {w, 4}, {h, 4}, {1, 2}, {24, 2}, {0, 4}};
    for (const auto& [v, n] : fields)
        PutLe(b, v, n);
    b.append(20, '\0'); // sizes, resolutions and colour counts
    return b;
}

const QByteArray kOutline = "N4\r\nP0,0\r\nP20,0\r\nP20,20\r\nP0,20\r\n";

} // namespace

class SkinHostile : public test::PlayerFixture {
protected:
    // Loads a skin that works and records what must survive a refused one.
    void LoadGoodSkin() {
        good = WriteSkin(programDir, "good.skin", ButtonRecord(1) + kOutline);
        ASSERT_TRUE(player->LoadSkin(good, false));
        face = player->surface.face;
        window.size = QSize(1, 1);
        dialogs.messages.clear();
    }
    void ExpectGoodSkinStays() {
        EXPECT_EQ(player->settings.Skin, good);
        EXPECT_EQ(player->surface.face, face);
        EXPECT_TRUE(player->surface.Btn[1].visible);
        EXPECT_EQ(player->surface.outline.size(), 1u);
        EXPECT_EQ(window.size, QSize(1, 1));
        EXPECT_TRUE(player->Timer1.isActive());
    }
    void Load(const QByteArray& records) {
        dialogs.messages.clear();
        player->LoadSkin(WriteSkin(programDir, "t.skin", records), false);
    }
    const Surface& s() const { return player->surface; }
    QString good;
    QImage face;
};

TEST_F(SkinHostile, APictureThatCannotBeUsedIsNamedAndTheSkinOnScreenStays) {
    LoadGoodSkin();
    QImage png(8, 8, QImage::Format_RGB32);
    png.fill(Qt::red);
    png.save(programDir.file("png.bmp"), "PNG");
    const QList<std::pair<const char*, QByteArray>> pictures = {
        {"text.bmp", "just some words\n"},
        {"empty.bmp", ""},
        {"zero.bmp", BmpHeader(0, 0)},
        {"huge.bmp", BmpHeader(30000, 30000)},
        {"intmax.bmp", BmpHeader(INT_MAX, INT_MAX)},
        {"wide.bmp", BmpHeader(8193, 1)}};
    for (const auto& [name, bytes] : pictures) {
        const QString path = programDir.write(name, bytes);
        // As the face, as the resource, and as a picture an R record loads.
        const QByteArray header = "VeltoSkin\r\nx\r\n200,100,0,0,0,0\r\n" + QByteArray(name) +
                                  ",res.bmp\r\n0,0,0,0,0,0,0,0\r\n";
        const QList<QByteArray> skins = {
            header + ButtonRecord(2), test::SkinHeader().replace("res.bmp", name) + ButtonRecord(2),
            test::SkinHeader() + ButtonRecord(2) + "R2," + name + "\r\n" + ButtonRecord(3)};
        for (const QByteArray& skin : skins) {
            SCOPED_TRACE(skin.left(120).toStdString());
            dialogs.messages.clear();
            EXPECT_FALSE(player->LoadSkin(programDir.write("bad.skin", skin), false));
            ASSERT_EQ(dialogs.messages.size(), 1);
            EXPECT_TRUE(
                dialogs.messages[0].startsWith("Skin bitmap cannot be loaded: " + path + "\r"))
                << dialogs.messages[0].toStdString();
            EXPECT_FALSE(player->surface.Btn[2].visible);
            ExpectGoodSkinStays();
        }
    }
    EXPECT_TRUE(
        dialogs.messages[0].endsWith("It is 8193 x 1 pixels; at most 8192 a side can be used."));

    // A PNG under a .bmp name is a picture all the same.
    dialogs.messages.clear();
    EXPECT_TRUE(player->LoadSkin(
        programDir.write("png.skin", test::SkinHeader().replace("face.bmp", "png.bmp")), false));
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(player->surface.face.pixelColor(1, 1), QColor(Qt::red));
}

TEST_F(SkinHostile, AtStartUpASkinThatCannotBeShownGivesWayToTheDefaultSkin) {
    const QString defaultSkin = WriteSkin(programDir, "default.skin", ButtonRecord(4));
    programDir.write("text.bmp", "no picture");
    const QList<std::pair<QByteArray, QString>> cases = {
        {"NotASkin\r\n", "Invalid Skin!"},
        {test::SkinHeader().replace("face.bmp", "text.bmp"), "Skin bitmap cannot be loaded: "},
        {"VeltoSkin\r\ninfo\r\n200,100,0,0", "Skin header cannot be read: "},
        {"VeltoSkin\r\ninfo\r\n200,x,0,0,0,0\r\nface.bmp,res.bmp\r\n",
         "Skin header cannot be read: "}};
    for (const auto& [bytes, message] : cases) {
        SCOPED_TRACE(bytes.toStdString());
        const QString broken = programDir.write("broken.skin", bytes);
        store.Set("Skin", broken);
        dialogs.messages.clear();
        window.size = QSize();
        MakePlayer();
        player->Form_Load({});
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_TRUE(dialogs.messages[0].startsWith(message)) << dialogs.messages[0].toStdString();
        EXPECT_EQ(player->settings.Skin, defaultSkin);
        EXPECT_TRUE(player->surface.Btn[4].visible);
        EXPECT_EQ(window.size, QSize(200, 100));
    }
    EXPECT_EQ(dialogs.messages[0], "Skin header cannot be read: " + programDir.file("broken.skin") +
                                       "\rNot a number: x.");
}

TEST_F(SkinHostile, FilesTooLargeOrCutShortAreRefusedOrLoadWhatTheyHold) {
    LoadGoodSkin();
    // Over 4 MB: refused unread, however the rest looks.
    QByteArray big = test::SkinHeader();
    while (big.size() <= 4 * 1024 * 1024)
        big += "P1,1\r\n";
    QFile huge(programDir.write("huge.skin", test::SkinHeader()));
    ASSERT_TRUE(huge.resize(50 * 1024 * 1024)); // sparse: nothing is written
    for (const QString& path : {programDir.write("big.skin", big), huge.fileName()}) {
        dialogs.messages.clear();
        EXPECT_FALSE(player->LoadSkin(path, false));
        EXPECT_EQ(dialogs.messages, QStringList({"Invalid Skin!"}));
        ExpectGoodSkinStays();
    }

    // Cut anywhere: inside the header it is refused, after it what was read stays.
    const QByteArray whole = test::SkinHeader() + ButtonRecord(2) + kOutline + ButtonRecord(3);
    for (qsizetype cut = 10; cut < whole.size(); cut += 7) {
        dialogs.messages.clear();
        const bool inHeader = cut < test::SkinHeader().size() - 2;
        EXPECT_EQ(player->LoadSkin(programDir.write("cut.skin", whole.left(cut)), false), !inHeader)
            << cut;
        EXPECT_EQ(dialogs.messages.size(), inHeader ? 1 : 0) << cut;
        if (inHeader) ExpectGoodSkinStays();
    }
}

TEST_F(SkinHostile, RunawayOutlinesLabelsAndBadReferencesStayBounded) {
    // A million points announced: refused; millions in the counts: cut short.
    Load("N2000000\r\nP1,1\r\nP2,2\r\n" + ButtonRecord(1));
    EXPECT_TRUE(s().outline.empty());
    Load("M3,3,2000000000,2000000000,-5\r\nP0,0\r\nP9,0\r\nP9,9\r\n" + ButtonRecord(1));
    ASSERT_EQ(s().outline.size(), 1u);
    EXPECT_TRUE(s().Btn[1].visible);

    // A label nobody wrote: everything after the jump is skipped.
    Load("R1,missing.bmp\r\n?0,nowhere\r\n" + ButtonRecord(1) + ":somewhere\r\n" + ButtonRecord(2));
    EXPECT_FALSE(s().Btn[1].visible || s().Btn[2].visible);
    EXPECT_TRUE(dialogs.messages.isEmpty());

    // 4,000 thin polygons in one outline: polygon i is column i % 200 from
    // row i / 200 down, so rows 0, 2 ... 18 lie in an odd number of them.
    QByteArray outline = "M16000,4000";
    for (int i = 0; i < 4000; ++i)
        outline += ",4";
    outline += "\r\n";
    for (int i = 0; i < 4000; ++i) {
        const QByteArray x = QByteArray::number(i % 200), x1 = QByteArray::number(i % 200 + 1);
        const QByteArray y = QByteArray::number(i / 200);
        outline += "P" + x + "," + y + "\r\nP" + x1 + "," + y + "\r\nP" + x1 + ",100\r\nP" + x +
                   ",100\r\n";
    }
    Load(outline);
    ASSERT_EQ(s().outline.size(), 4000u);
    QRegion rows;
    for (int y = 0; y < 20; y += 2)
        rows += QRect(0, y, 200, 1);
    EXPECT_TRUE((OutlineRegion(s()) ^ rows).isEmpty());

    // A megabyte of bad heads: the message lists fifty.
    QByteArray bad;
    for (int i = 0; i < 100000; ++i)
        bad += "R9\r\n";
    Load(bad);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_EQ(dialogs.messages[0],
              "Error in skin file!\rThe skin file contains references to the following elements "
              "that do not exist!:\r" +
                  QString(" R9").repeated(50) + " ...");
}
