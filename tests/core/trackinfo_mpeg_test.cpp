#include "gst/GstTestMedia.h"
#include "support/TestFiles.h"
#include "trackinfo/MpegHeader.h"

#include <QFileInfo>
#include <QStandardPaths>

#include <gtest/gtest.h>

using namespace velto;

namespace {

void ExpectInfo(const MpegInfo& i, const QString& bitrate, int kbps, const QString& freq, int khz,
                const QString& mode) {
    EXPECT_EQ(i.bitrateText, bitrate);
    EXPECT_EQ(i.bitrateKbps, kbps);
    EXPECT_EQ(i.frequencyText, freq);
    EXPECT_EQ(i.frequencyKhz, khz);
    EXPECT_EQ(i.modeText, mode);
}

QByteArray Frame(const char* headerHex, int length) {
    return QByteArray::fromHex(headerHex).leftJustified(length, '\0');
}

} // namespace

TEST(MpegHeader, LameFilesShowTheirStream) {
    if (QStandardPaths::findExecutable("lame").isEmpty()) GTEST_SKIP() << "lame is missing";
    test::TempDir dir;
    const QByteArray tone = test::WavTone(3000);
    const QString wav = dir.write("tone.wav", tone);
    // The tone's samples read as raw stereo give a joint-stereo stream.
    const QString raw = dir.write("tone.raw", tone.mid(44));
    const auto encode = [&](const QString& name, QStringList options, const QString& input) {
        const QString mp3 = dir.file(name);
        EXPECT_EQ(QProcess::execute("lame", options << "--quiet" << input << mp3), 0);
        return mp3;
    };
    const QString joint = encode("joint.mp3",
                                 {"-r", "-s", "44.1", "--bitwidth", "16", "-m", "j", "-b", "128",
                                  "--add-id3v2", "--tt", "A title", "--ta", "Artist"},
                                 raw);
    EXPECT_GT(Id3v2TagSize(dir.read("joint.mp3")), 0); // the frame search starts after it
    ExpectInfo(*ReadMpegInfo(joint), "128", 128, "44", 44, "jstereo");

    const auto mpeg2 = ReadMpegInfo(encode("m2.mp3", {"-m", "m", "--resample", "22.05"}, wav));
    ASSERT_TRUE(mpeg2);
    EXPECT_EQ(mpeg2->frequencyText, "22");
    EXPECT_EQ(mpeg2->modeText, "mono");
    const auto mpeg25 = ReadMpegInfo(encode("m25.mp3", {"-b", "16", "--resample", "8"}, wav));
    ExpectInfo(*mpeg25, "16", 16, "8", 8, "mono");

    // The Xing frame itself says 128; the tone needs far less on average.
    const QString vbr = encode("vbr.mp3", {"-V", "2"}, wav);
    const double expected = QFileInfo(vbr).size() * 8 / 3.0 / 1000;
    const auto info = ReadMpegInfo(vbr);
    ASSERT_TRUE(info);
    EXPECT_NEAR(info->bitrateKbps, expected, expected * 0.1);
    EXPECT_EQ(info->bitrateText, QString::number(info->bitrateKbps));
}

TEST(MpegHeader, FirstConfirmedFrameAfterTheId3v2Tag) {
    // False syncs: reserved version, reserved layer, bitrate 15, frequency 3,
    // and a valid header whose next frame is missing.
    QByteArray junk =
        QByteArray::fromHex("FFE89040FFF99040FFFBF040FFFB9C40") + Frame("FFFB9040", 500);
    junk += QByteArray(3000, 'j');
    ExpectInfo(DecodeMpegAudio(junk, junk.size()), "", 0, "??", 0, "");
    // Two MPEG-2 frames of 104 bytes after the junk confirm each other.
    const QByteArray mpeg2 = Frame("FFF340C4", 104);
    ExpectInfo(DecodeMpegAudio(junk + mpeg2 + mpeg2, 1 << 20), "32", 32, "22", 22, "mono");

    // An ID3v2 tag with a footer, holding a free-format header that must not be read.
    const QByteArray id3 = QByteArray::fromHex("49443304001000000014") + Frame("FFFB0000", 20) +
                           QByteArray::fromHex("33444904001000000014");
    EXPECT_EQ(Id3v2TagSize(id3), 40);
    EXPECT_EQ(Id3v2TagSize(QByteArray::fromHex("49443304001000000080")), 0);
    test::TempDir dir;
    ExpectInfo(*ReadMpegInfo(dir.write("a.mp3", id3 + mpeg2 + mpeg2 + mpeg2)), "32", 32, "22", 22,
               "mono");

    // One frame, alone or before an ID3v1 tag, needs no second header; nor
    // does free format.
    ExpectInfo(*ReadMpegInfo(dir.write("b.mp3", Frame("FFFB9040", 256))), "128", 128, "44", 44,
               "jstereo");
    const QByteArray tagged = Frame("FFFB9040", 417) + QByteArray("TAG").leftJustified(128, ' ');
    EXPECT_EQ(ReadMpegInfo(dir.write("c.mp3", tagged))->bitrateText, "128");
    ExpectInfo(DecodeMpegAudio(Frame("FFFB0080", 256), 4096), "free", 0, "44", 44, "dualch");
    ExpectInfo(DecodeMpegAudio(Frame("FFFDC4C0", 256), 256), "256", 256, "48", 48, "mono");

    // A VBRI header: 100 frames of 1152 samples and 20898 bytes after it: 64 kbit/s.
    QByteArray vbri = Frame("FFFB9000", 36) + "VBRI" + QByteArray(6, '\0');
    vbri += QByteArray::fromHex(QByteArray::number(417 + 20898, 16).rightJustified(8, '0') +
                                "00000064");
    EXPECT_EQ(DecodeMpegAudio(vbri.leftJustified(417, '\0'), 417).bitrateKbps, 64);

    EXPECT_FALSE(ReadMpegInfo(dir.write("short.mp3", Frame("FFFB9040", 255))));
    EXPECT_FALSE(ReadMpegInfo(dir.file("missing.mp3")));
    EXPECT_FALSE(ReadMpegInfo(dir.path()));
}
