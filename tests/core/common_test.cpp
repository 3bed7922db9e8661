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

TEST(PathNames, SplitsNamesAtEitherSeparator) {
    EXPECT_EQ(QStringList({FileExt("a.b.mp3"), NoExt("dir/a.b.mp3"), FileOnly("C:\\M\\a.mp3")}),
              QStringList({"mp3", "dir/a.b", "a.mp3"}));
    EXPECT_EQ(QStringList({PathOnly("C:\\M\\a.mp3"), PathOnly("/home/a.mp3"), PathOnly("a.mp3")}),
              QStringList({"C:\\M\\", "/home/", ""}));
    EXPECT_EQ(QStringList({AddSlash(""), AddSlash("/music"), AddSlash("C:\\m\\")}),
              QStringList({"", "/music/", "C:\\m\\"}));
    EXPECT_TRUE(IsPic("holiday.JPG") && IsPic("x.Gif") && !IsPic("a.jpeg") && !IsPic("bmp"));
    EXPECT_TRUE(HasUrlScheme("cdda://4") && !HasUrlScheme("C:\\Music\\a.mp3"));
}

TEST(PathNames, NiceNameExamplesAndEdges) {
    // No extension: the whole name. The last dot among the last five
    // characters starts the extension; a folder with a dot near the end of a
    // short path must not crash.
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
    EXPECT_TRUE(FileExists(f));
    EXPECT_TRUE(QFile::link(f, dir.file("link.bmp")));
    EXPECT_TRUE(FileExists(dir.file("link.bmp")));
    // A folder, a FIFO (a reader would wait for ever), a device and a link to
    // a folder are no files; the command line still takes a folder.
    EXPECT_FALSE(FileExists(dir.path()));
    EXPECT_TRUE(CommandLine::OnDisk(dir.path()));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.file("pipe.mp3")).constData(), 0600), 0);
    EXPECT_FALSE(FileExists(dir.file("pipe.mp3")));
    EXPECT_FALSE(CommandLine::OnDisk(dir.file("pipe.mp3")));
    EXPECT_FALSE(FileExists("/dev/null"));
    EXPECT_TRUE(QFile::link(dir.path(), dir.file("folder.mp3")));
    EXPECT_FALSE(FileExists(dir.file("folder.mp3")));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists(dir.file("missing.mp3")));
    EXPECT_FALSE(IsDirectory(f));
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
    EXPECT_EQ(TextToInt32("40000"), 40000);
    EXPECT_EQ(TextToInt32("1e12", -5), -5);
    EXPECT_EQ(PixelsToTwips(143165576, 15), 2147483640);
    EXPECT_FALSE(PixelsToTwips(143165577, 15).has_value()); // 2147483655
    EXPECT_FALSE(PixelsToTwips(int64_t(1) << 50, 15).has_value());
    EXPECT_EQ(TwipsToPixels(-2147483648LL, 15), -143165577);
    EXPECT_EQ(TwipsToPixels(int64_t(1) << 40, 1), 2147483647); // held within int
    EXPECT_EQ(BlankPrefixed(1) + BlankPrefixed(-1), " 1-1");
}

TEST(TextFiles, LineEndsDecodingAndAtomicWrites) {
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\n\nb\n"), QStringList({"a", "", "b"}));
    EXPECT_EQ(DecodeText("caf\xc3\xa9"), QString::fromUtf8("café"));
    EXPECT_EQ(DecodeText("\xef\xbb\xbfx"), "x");
    EXPECT_EQ(DecodeText("caf\xe9 \x80"), QString::fromUtf8("café €"));

    test::TempDir dir;
    const QString target = dir.write("list.m3u", "old");
    EXPECT_TRUE(WriteFileAtomically(target, "new"));
    // A path below a regular file fails for root too.
    EXPECT_FALSE(WriteFileAtomically(target + "/x.m3u", "y"));
    EXPECT_EQ(ReadTextLines(target), QStringList({"new"}));
    EXPECT_FALSE(ReadTextLines(dir.file("missing")).has_value());
}

TEST(DialogFilters, BarSeparatedPairsBecomeQtNameFilters) {
    // A description that lists its patterns is shown as written.
    EXPECT_EQ(QtNameFilters("Skin control file (*.skin)|*.skin"),
              QStringList({"Skin control file (*.skin)"}));
    EXPECT_EQ(QtNameFilters("MP3 Playlists (*.M3U)|*.M3U|Playlists (*.PLS)|*.PLS"),
              QStringList({"MP3 Playlists (*.M3U)", "Playlists (*.PLS)"}));
    // ... in the form the dialog reads, when it was written otherwise.
    EXPECT_EQ(QtNameFilters("Lists (*.m3u;*.pls)|*.m3u;*.pls|Everything (*.*)|*.*"),
              QStringList({"Lists (*.m3u *.pls)", "Everything (*)"}));
    // Other patterns than the listed ones: the real ones are added.
    EXPECT_EQ(QtNameFilters("Pictures (*.bmp)|*.bmp;*.gif"),
              QStringList({"Pictures (*.bmp) (*.bmp *.gif)"}));
    EXPECT_EQ(QtNameFilters("Playlists|*.m3u;*.pls|All files|*.*"),
              QStringList({"Playlists (*.m3u *.pls)", "All files (*)"}));
    // A trailing description without patterns is dropped; nothing gives "All files".
    EXPECT_EQ(QtNameFilters("Pictures|*.bmp;*.jpg|Odd"), QStringList({"Pictures (*.bmp *.jpg)"}));
    EXPECT_EQ(QtNameFilters(""), QStringList({"All files (*)"}));
}
