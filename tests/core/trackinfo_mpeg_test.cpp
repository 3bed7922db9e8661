#include "gst/GstTestMedia.h"
#include "support/TestFiles.h"
#include "trackinfo/MpegHeader.h"

#include <QFileInfo>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace velto;
using test::LameEncode;

namespace {

// The five stream fields, "|" between them.
QString Shown(const MpegInfo& i) {
    return QStringList{i.bitrateText, QString::number(i.bitrateKbps), i.frequencyText,
                       QString::number(i.frequencyKhz), i.modeText}
        .join(u'|');
}

QByteArray Frame(const char* headerHex, int length) {
    return QByteArray::fromHex(headerHex).leftJustified(length, '\0');
}

} // namespace

TEST(MpegHeader, LameFilesShowTheirStream) {
    if (QStandardPaths::findExecutable("lame").isEmpty()) GTEST_SKIP() << "lame is missing";
    test::TempDir dir;
    // MPEG-2 and -1 headers are the synthetic test's; here MPEG-2.5 behind an ID3v2 tag.
    const QString wav = dir.write("tone.wav", test::WavTone(3000));
    const QString mpeg25 = dir.file("m25.mp3"), vbr = dir.file("vbr.mp3");
    ASSERT_TRUE(
        LameEncode(wav, mpeg25, {"-b", "16", "--resample", "8", "--add-id3v2", "--tt", "T"}));
    EXPECT_GT(Id3v2TagSize(dir.read("m25.mp3")), 0); // the frame search starts after it
    EXPECT_EQ(Shown(ReadMpegInfo(mpeg25).value()), "16|16|8|8|mono");

    // The Xing frame itself says 128; the tone needs far less on average.
    ASSERT_TRUE(LameEncode(wav, vbr, {"-V", "2"}));
    const double expected = QFileInfo(vbr).size() * 8 / 3.0 / 1000;
    EXPECT_NEAR(ReadMpegInfo(vbr).value().bitrateKbps, expected, expected * 0.1);
}

TEST(MpegHeader, FirstConfirmedFrameAfterTheId3v2Tag) {
    // False syncs: reserved version, reserved layer, bitrate 15, frequency 3,
    // and a valid header whose next frame is missing.
    QByteArray junk =
        QByteArray::fromHex("FFE89040FFF99040FFFBF040FFFB9C40") + Frame("FFFB9040", 500);
    junk += QByteArray(3000, 'j');
    EXPECT_EQ(Shown(DecodeMpegAudio(junk, junk.size())), "|0|??|0|");
    // Two MPEG-2 frames of 104 bytes after the junk confirm each other.
    const QByteArray mpeg2 = Frame("FFF340C4", 104);
    EXPECT_EQ(Shown(DecodeMpegAudio(junk + mpeg2 + mpeg2, 1 << 20)), "32|32|22|22|mono");

    // An ID3v2 tag with a footer, holding a free-format header that must not be read.
    const QByteArray id3 = QByteArray::fromHex("49443304001000000014") + Frame("FFFB0000", 20) +
                           QByteArray::fromHex("33444904001000000014");
    EXPECT_EQ(Id3v2TagSize(id3), 40);
    EXPECT_EQ(Id3v2TagSize(QByteArray::fromHex("49443304001000000080")), 0);
    test::TempDir dir;
    EXPECT_EQ(Shown(ReadMpegInfo(dir.write("a.mp3", id3 + mpeg2 + mpeg2 + mpeg2)).value()),
              "32|32|22|22|mono");

    // One frame, alone or before an ID3v1 tag, needs no second header; nor
    // does free format.
    EXPECT_EQ(Shown(ReadMpegInfo(dir.write("b.mp3", Frame("FFFB9040", 256))).value()),
              "128|128|44|44|jstereo");
    const QByteArray tagged = Frame("FFFB9040", 417) + QByteArray("TAG").leftJustified(128, ' ');
    EXPECT_EQ(ReadMpegInfo(dir.write("c.mp3", tagged)).value().bitrateText, "128");
    EXPECT_EQ(Shown(DecodeMpegAudio(Frame("FFFB0080", 256), 4096)), "free|0|44|44|dualch");
    EXPECT_EQ(Shown(DecodeMpegAudio(Frame("FFFDC4C0", 256), 256)), "256|256|48|48|mono");

    // A VBRI header: 100 frames of 1152 samples and 20898 bytes after it: 64 kbit/s.
    const QByteArray vbri = Frame("FFFB9000", 36) + "VBRI" + QByteArray(6, '\0') +
                            QByteArray::fromHex("0000534300000064");
    EXPECT_EQ(DecodeMpegAudio(vbri.leftJustified(417, '\0'), 417).bitrateKbps, 64);

    EXPECT_FALSE(ReadMpegInfo(dir.write("short.mp3", Frame("FFFB9040", 255))) ||
                 ReadMpegInfo(dir.file("missing.mp3")) || ReadMpegInfo(dir.path()));
}
