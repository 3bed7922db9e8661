#include "app/CommandLine.h"
#include "common/Numbers.h"
#include "common/PathNames.h"
#include "common/TextFiles.h"
#include "platform/Dialogs.h"
#include "support/TestFiles.h"

#include <QFile>

#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace velto;

TEST(PathNames, SplitsNamesAtEitherSeparatorAndMakesNiceNames) {
    EXPECT_EQ(QStringList({FileExt("a.b.mp3"), NoExt("dir/a.b.mp3"), FileOnly("C:\\M\\a.mp3")}),
              QStringList({"mp3", "dir/a.b", "a.mp3"}));
    EXPECT_EQ(QStringList({PathOnly("C:\\M\\a.mp3"), PathOnly("/home/a.mp3"), PathOnly("a.mp3")}),
              QStringList({"C:\\M\\", "/home/", ""}));
    EXPECT_EQ(QStringList({AddSlash(""), AddSlash("/music"), AddSlash("C:\\m\\")}),
              QStringList({"", "/music/", "C:\\m\\"}));
    EXPECT_TRUE(IsPic("holiday.JPG") && IsPic("x.Gif") && !IsPic("a.jpeg") && !IsPic("bmp"));
    EXPECT_TRUE(HasUrlScheme("cdda://4") && HasUrlScheme("svn+ssh.x-y://h") &&
                !HasUrlScheme("C:\\Music\\a.mp3") && !HasUrlScheme("C://a") &&
                !HasUrlScheme("1x://a") && !HasUrlScheme("http:/a") && !HasUrlScheme("a b://"));

    // The last dot among the last five characters starts the extension; a
    // folder with a dot near the end of a short path must not crash.
    QStringList nice;
    for (const char* name : {"01_-_First_Song.mp3", "03-Title.mp3", "C:\\Music\\my.best.song.mp3",
                             "/home/u/Music/my.best.song.mp3", "Track_07.mp3", "05 - Song.mp3",
                             "2001.mp3", "Readme", "a.b", "", "song.x.ab", "x.y\\ab"})
        nice << NiceName(name);
    EXPECT_EQ(nice, QStringList({"First Song", "Title", "my best song", "my best song", "Track 07",
                                 "Song", "2001", "Readme", "a", "", "song.x", ""}));
}

TEST(PathNames, FileExistsOnlyForRegularFilesAndLookupWithoutCase) {
    test::TempDir dir;
    const QString f = dir.write("Face.BMP", "x");
    ASSERT_TRUE(QFile::link(f, dir.file("link.bmp")) &&
                QFile::link(dir.path(), dir.file("dir.mp3")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.file("pipe.mp3")).constData(), 0600), 0);
    EXPECT_TRUE(FileExists(f) && FileExists(dir.file("link.bmp")) && !IsDirectory(f));
    // A folder, a FIFO (a reader would wait for ever), a device and a link to
    // a folder are no files; the command line still takes a folder.
    for (const QString& no : {dir.path(), dir.file("pipe.mp3"), QString("/dev/null"),
                              dir.file("dir.mp3"), QString(), dir.file("missing.mp3")})
        EXPECT_FALSE(FileExists(no)) << no.toStdString();
    EXPECT_TRUE(CommandLine::OnDisk(dir.path()) && !CommandLine::OnDisk(dir.file("pipe.mp3")));
    EXPECT_EQ(ResolveCaseInsensitive(dir.file("face.bmp")), f);
    EXPECT_EQ(ResolveCaseInsensitive(dir.file("none.bmp")), dir.file("none.bmp"));
}

TEST(Numbers, LeadingNumberRoundingHalfToEvenAndWrittenForms) {
    EXPECT_EQ(QList<double>({LeadingNumber(" 1"), LeadingNumber("12abc"), LeadingNumber("abc"),
                             LeadingNumber("1e3x"), LeadingNumber("-")}),
              QList<double>({1, 12, 0, 1000, 0}));
    EXPECT_EQ(QList<int>({TextToInt16("2.5"), TextToInt16("3.5"), TextToInt16("-2.5"),
                          TextToInt16("32767"), TextToInt16("32768", 7), TextToInt16("-32769", 7)}),
              QList<int>({2, 4, -2, 32767, 7, 7}));
    EXPECT_TRUE(TextToInt32("40000") == 40000 && TextToInt32("1e12", -5) == -5);
    // 143165577 pixels are 2147483655 twips, past 32 bits; pixels are held within int.
    EXPECT_TRUE(PixelsToTwips(143165576, 15) == 2147483640 && !PixelsToTwips(143165577, 15) &&
                !PixelsToTwips(int64_t(1) << 50, 15));
    EXPECT_TRUE(TwipsToPixels(-2147483648LL, 15) == -143165577 &&
                TwipsToPixels(int64_t(1) << 40, 1) == 2147483647);
    EXPECT_EQ(BlankPrefixed(1) + BlankPrefixed(-1), " 1-1");
}

TEST(TextFiles, LineEndsDecodingAndAtomicWrites) {
    EXPECT_EQ(SplitLines("a\r\nb\rc\n\nd\n"), QStringList({"a", "b", "c", "", "d"}));
    EXPECT_EQ(QStringList({DecodeText("caf\xc3\xa9"), DecodeText("\xef\xbb\xbfx"),
                           DecodeText("caf\xe9 \x80")}),
              QStringList({QString::fromUtf8("café"), "x", QString::fromUtf8("café €")}));

    test::TempDir dir;
    const QString target = dir.write("list.m3u", "old");
    EXPECT_TRUE(WriteFileAtomically(target, "new"));
    // A path below a regular file fails for root too.
    EXPECT_FALSE(WriteFileAtomically(target + "/x.m3u", "y"));
    EXPECT_TRUE(ReadTextLines(target) == QStringList({"new"}) && !ReadTextLines(dir.file("x")));
}

TEST(DialogFilters, BarSeparatedPairsBecomeQtNameFilters) {
    // A description listing its patterns stays, in the dialog's form when
    // written otherwise; other patterns are added to it; a description without
    // any is dropped; nothing gives "All files".
    EXPECT_EQ(
        QtNameFilters("MP3 Playlists (*.M3U)|*.M3U|Lists (*.m3u;*.pls)|*.m3u;*.pls|All (*.*)|*.*"),
        QStringList({"MP3 Playlists (*.M3U)", "Lists (*.m3u *.pls)", "All (*)"}));
    EXPECT_EQ(QtNameFilters("Pictures (*.bmp)|*.bmp;*.gif|All files|*.*|Odd"),
              QStringList({"Pictures (*.bmp) (*.bmp *.gif)", "All files (*)"}));
    EXPECT_EQ(QtNameFilters(""), QStringList({"All files (*)"}));
}
