#include "common/Numbers.h"
#include "common/PathNames.h"
#include "common/TextFiles.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(NiceName("01_-_First_Song.mp3"), "First Song");
    EXPECT_EQ(NiceName("03-Title.mp3"), "Title");
    EXPECT_EQ(NiceName("C:\\Music\\my.best.song.mp3"), "my best song");
    EXPECT_EQ(NiceName("/home/u/Music/my.best.song.mp3"), "my best song");
    EXPECT_EQ(NiceName("Track_07.mp3"), "Track 07");
    EXPECT_EQ(NiceName("05 - Song.mp3"), "Song");
    EXPECT_EQ(NiceName("2001.mp3"), "2001");
    // No extension: the whole name; a short name with a dot near its end.
    EXPECT_EQ(NiceName("Readme"), "Readme");
    EXPECT_EQ(NiceName("a.b"), "a");
    EXPECT_EQ(NiceName(""), "");
    // The last dot among the last five characters starts the extension.
    EXPECT_EQ(NiceName("song.x.ab"), "song.x");
    // A folder with a dot near the end of a short path must not crash.
    EXPECT_EQ(NiceName("x.y\\ab"), "");
}

TEST(PathNames, FileExistsOnFilesFoldersAndEmptyTextAndLookupWithoutCase) {
    test::TempDir dir;
    const QString f = dir.write("Face.BMP", "x");
    EXPECT_TRUE(FileExists(f));
    EXPECT_TRUE(FileExists(dir.path()));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists(dir.file("missing.mp3")));
    EXPECT_FALSE(IsDirectory(f));
    EXPECT_EQ(ResolveCaseInsensitive(dir.file("face.bmp")), f);
    EXPECT_EQ(ResolveCaseInsensitive(dir.file("none.bmp")), dir.file("none.bmp"));
}

TEST(Numbers, LeadingNumberRoundingHalfToEvenAndWrittenForms) {
    EXPECT_EQ(LeadingNumber(" 1"), 1.0);
    EXPECT_EQ(LeadingNumber("12abc"), 12.0);
    EXPECT_EQ(LeadingNumber("abc"), 0.0);
    EXPECT_EQ(LeadingNumber("1e3x"), 1000.0);
    EXPECT_EQ(LeadingNumber("-"), 0.0);
    EXPECT_EQ(TextToInt16("2.5"), 2);
    EXPECT_EQ(TextToInt16("3.5"), 4);
    EXPECT_EQ(TextToInt16("-2.5"), -2);
    EXPECT_EQ(TextToInt16("32767"), 32767);
    EXPECT_EQ(TextToInt16("32768", 7), 7);
    EXPECT_EQ(TextToInt16("-32769", 7), 7);
    EXPECT_EQ(TextToInt32("40000"), 40000);
    EXPECT_EQ(TextToInt32("1e12", -5), -5);
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
