// Skins made to hurt: refused with a message, the skin on screen staying (at
// start-up the default comes instead), or loaded as far as they can be, quickly.
#include "fakes/PlayerFixture.h"
#include "skin/SkinLoader.h"
#include "support/TestPictures.h"
#include "ui/SurfacePainter.h"

#include <QtEndian>

#include <climits>

using namespace velto;
using velto::test::ButtonRecord;

namespace {
// A 24-bit BMP header declaring w x h pixels, with no pixels behind it.
QByteArray BmpHeader(quint32 w, quint32 h) {
    QByteArray b = QByteArray::fromHex("424d36000000000000003600000028000000") + QByteArray(8, 0) +
                   QByteArray::fromHex("01001800") + QByteArray(24, 0);
    qToLittleEndian(w, b.data() + 18);
    qToLittleEndian(h, b.data() + 22);
    return b;
}
} // namespace

class SkinHostile : public test::PlayerFixture {
protected:
    SkinHostile() {
        good = test::WriteSkin(programDir, "good.skin",
                               ButtonRecord(1) + "N3\r\nP0,0\r\nP9,0\r\nP9,9\r\n");
        player->LoadSkin(good, false);
        window.size = QSize(1, 1);
    }
    // Loads `bytes` as a skin; true when it was refused and the good skin stayed.
    bool Refused(const QByteArray& bytes, const QString& message) {
        dialogs.messages.clear();
        const bool loaded = player->LoadSkin(programDir.write("t.skin", bytes), false);
        EXPECT_EQ(dialogs.messages.size(), 1);
        EXPECT_TRUE(dialogs.messages.value(0).startsWith(message))
            << dialogs.messages.value(0).toStdString();
        return !loaded && player->settings.Skin == good && player->surface.Btn[1].visible &&
               !player->surface.Btn[2].visible && player->surface.outline.size() == 1 &&
               window.size == QSize(1, 1) && player->Timer1.isActive();
    }
    QString good;
};

TEST_F(SkinHostile, PicturesThatCannotBeUsedAndFilesTooLargeOrCutShortAreRefused) {
    const QList<std::pair<QString, QByteArray>> pictures = {
        {"text.bmp", "just words\n"},
        {"zero.bmp", BmpHeader(0, 0)},
        {"huge.bmp", BmpHeader(30000, 30000)},
        {"max.bmp", BmpHeader(INT_MAX, INT_MAX)},
        {"wide.bmp", BmpHeader(8193, 1)}};
    for (const auto& [name, bytes] : pictures) {
        const QString message =
            "Skin bitmap cannot be loaded: " + programDir.write(name, bytes) + "\r";
        const QByteArray n = name.toLatin1();
        // As the face (the resource is read alike), and as a picture an R record loads.
        EXPECT_TRUE(Refused(test::SkinHeader().replace("face.bmp", n) + ButtonRecord(2), message));
        EXPECT_TRUE(Refused(test::SkinHeader() + ButtonRecord(2) + "R2," + n + "\r\n", message));
    }

    // Over 4 MB is refused unread, even when sparse; the header cut anywhere is named.
    QByteArray big = test::SkinHeader();
    while (big.size() <= 4 * 1024 * 1024)
        big += "P1,1\r\n";
    EXPECT_TRUE(Refused(big, "Invalid Skin!"));
    ASSERT_TRUE(QFile::resize(programDir.write("t.skin", test::SkinHeader()), 50 * 1024 * 1024));
    EXPECT_FALSE(player->LoadSkin(programDir.file("t.skin"), false));
    for (qsizetype cut = 10; cut < test::SkinHeader().size() - 2; cut += 5)
        EXPECT_TRUE(Refused(test::SkinHeader().left(cut),
                            "Skin header cannot be read: " + programDir.file("t.skin")));

    // A PNG under a .bmp name is a picture all the same.
    programDir.write("png.bmp", test::PictureBytes("PNG", Qt::red));
    EXPECT_TRUE(player->LoadSkin(
        programDir.write("png.skin", test::SkinHeader().replace("face.bmp", "png.bmp")), false));
    EXPECT_EQ(player->surface.face.pixelColor(1, 1), QColor(Qt::red));
}

TEST_F(SkinHostile, AtStartUpTheDefaultSkinReplacesOneThatCannotBeShown) {
    const QString defaultSkin = test::WriteSkin(programDir, "default.skin", ButtonRecord(4));
    programDir.write("text.bmp", "no picture");
    for (const QByteArray& broken :
         {QByteArray("NotASkin"), test::SkinHeader().replace("face.bmp", "text.bmp"),
          QByteArray("VeltoSkin\r\ninfo\r\n200,x,0,0,0,0\r\n")}) {
        store.Set("Skin", programDir.write("broken.skin", broken));
        dialogs.messages.clear();
        window.size = QSize();
        MakePlayer();
        player->Form_Load({});
        EXPECT_TRUE(dialogs.messages.size() == 1 && player->settings.Skin == defaultSkin);
        EXPECT_TRUE(player->surface.Btn[4].visible && window.size == QSize(200, 100));
    }
}

TEST_F(SkinHostile, RunawayOutlinesLabelsAndBadReferencesStayBounded) {
    auto load = [&](const QByteArray& records) {
        dialogs.messages.clear();
        return player->LoadSkin(test::WriteSkin(programDir, "t.skin", records), false);
    };
    const Surface& s = player->surface;
    // A million points announced: refused; counts in the billions: cut short.
    load("N2000000\r\nP1,1\r\n" + ButtonRecord(2));
    EXPECT_TRUE(s.outline.empty() && !s.Btn[2].visible);
    load("M3,3,2000000000,2000000000,-5\r\nP0,0\r\nP9,0\r\nP9,9\r\n");
    EXPECT_EQ(s.outline.size(), 1u);
    // A label nobody wrote: everything after the jump is skipped.
    load("R1,missing.bmp\r\n?0,nowhere\r\n" + ButtonRecord(2) + ":somewhere\r\n" + ButtonRecord(3));
    EXPECT_FALSE(s.Btn[2].visible || s.Btn[3].visible);

    // 4,000 thin polygons: polygon i is column i % 200 from row i / 200 down,
    // so only rows 0, 2 ... 18 lie in an odd number of them.
    QByteArray outline = "M16000,4000" + QByteArray(",4").repeated(4000) + "\r\n";
    for (int i = 0; i < 4000; ++i) {
        const QByteArray x = QByteArray::number(i % 200), x1 = QByteArray::number(i % 200 + 1);
        const QByteArray y = QByteArray::number(i / 200);
        outline += "P" + x + "," + y + "\r\nP" + x1 + "," + y + "\r\nP" + x1 + ",100\r\nP" + x +
                   ",100\r\n";
    }
    load(outline);
    QRegion rows;
    for (int y = 0; y < 20; y += 2)
        rows += QRect(0, y, 200, 1);
    EXPECT_TRUE((OutlineRegion(s) ^ rows).isEmpty());

    // A 400 KB flood of bad heads: the message lists fifty.
    load(QByteArray("R9\r\n").repeated(100000));
    EXPECT_EQ(dialogs.messages.value(0),
              "Error in skin file!\rThe skin file contains references to the following "
              "elements that do not exist!:\r" +
                  QString(" R9").repeated(50) + " ...");
}
