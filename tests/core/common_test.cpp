#include "common/Numbers.h"
#include "common/PathNames.h"
#include "common/TextFiles.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

using namespace velto;

TEST(PathNames, SplitsNamesAtEitherSeparator) {
    EXPECT_EQ(FileExt("a.b.mp3"), "mp3");
    EXPECT_EQ(FileExt("noext"), "noext");
    EXPECT_EQ(NoExt("dir/a.b.mp3"), "dir/a.b");
    EXPECT_EQ(NoExt("noext"), "noext");
    EXPECT_EQ(FileOnly("C:\\Music\\a.mp3"), "a.mp3");
    EXPECT_EQ(FileOnly("/home/u/a.mp3"), "a.mp3");
    EXPECT_EQ(FileOnly("a.mp3"), "a.mp3");
    EXPECT_EQ(PathOnly("C:\\Music\\a.mp3"), "C:\\Music\\");
    EXPECT_EQ(PathOnly("/home/u/a.mp3"), "/home/u/");
    EXPECT_EQ(PathOnly("a.mp3"), "");
    EXPECT_EQ(AddSlash(""), "");
    EXPECT_EQ(AddSlash("/music"), "/music/");
    EXPECT_EQ(AddSlash("/music/"), "/music/");
    EXPECT_EQ(AddSlash("C:\\m\\"), "C:\\m\\");
}

TEST(PathNames, IsPicLooksAtTheLastFourCharactersInAnyCase) {
    EXPECT_TRUE(IsPic("holiday.JPG"));
    EXPECT_TRUE(IsPic("a.bmp"));
    EXPECT_TRUE(IsPic("x.Gif"));
    EXPECT_FALSE(IsPic("a.jpeg"));
    EXPECT_FALSE(IsPic("a.png"));
    EXPECT_FALSE(IsPic("bmp"));
    EXPECT_FALSE(IsPic(""));
}

TEST(PathNames, NiceNameExamplesAndEdges) {
    EXPECT_EQ(NiceName("01_-_First_Song.mp3"), "First Song");
    EXPECT_EQ(NiceName("03-Title.mp3"), "Title");
    EXPECT_EQ(NiceName("C:\\Music\\my.best.song.mp3"), "my best song");
    EXPECT_EQ(NiceName("/home/u/Music/my.best.song.mp3"), "my best song");
    EXPECT_EQ(NiceName("Intro.wav"), "Intro");
    EXPECT_EQ(NiceName("Track_07.mp3"), "Track 07");
    EXPECT_EQ(NiceName("05 - Song.mp3"), "Song");
    EXPECT_EQ(NiceName("05-Song.mp3"), "Song");
    EXPECT_EQ(NiceName("2001.mp3"), "2001");
    EXPECT_EQ(NiceName("holiday.JPG"), "holiday");
    // No extension: the whole name; a short name with a dot near its end.
    EXPECT_EQ(NiceName("Readme"), "Readme");
    EXPECT_EQ(NiceName("a.b"), "a");
    EXPECT_EQ(NiceName(""), "");
    // The last dot among the last five characters starts the extension.
    EXPECT_EQ(NiceName("song.x.ab"), "song.x");
    // A folder with a dot near the end of a short path must not crash.
    EXPECT_EQ(NiceName("x.y\\ab"), "");
}

TEST(PathNames, FileExistsOnFilesFoldersAndEmptyText) {
    test::TempDir dir;
    const QString f = dir.write("a.mp3", "x");
    EXPECT_TRUE(FileExists(f));
    EXPECT_TRUE(FileExists(dir.path()));
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists(dir.file("missing.mp3")));
    EXPECT_TRUE(IsDirectory(dir.path()));
    EXPECT_FALSE(IsDirectory(f));
}

TEST(PathNames, CaseInsensitiveLookupPrefersTheExactName) {
    test::TempDir dir;
    dir.write("Face.BMP", "1");
    EXPECT_EQ(ResolveCaseInsensitive(dir.file("face.bmp")), dir.file("Face.BMP"));
    EXPECT_EQ(ResolveCaseInsensitive(dir.file("Face.BMP")), dir.file("Face.BMP"));
    EXPECT_EQ(ResolveCaseInsensitive(dir.file("none.bmp")), dir.file("none.bmp"));
    EXPECT_TRUE(HasUrlScheme("http://radio.example/stream"));
    EXPECT_TRUE(HasUrlScheme("cdda://4"));
    EXPECT_FALSE(HasUrlScheme("C:\\Music\\a.mp3"));
    EXPECT_FALSE(HasUrlScheme("/music/a.mp3"));
}

TEST(Numbers, LeadingNumberAndRoundingHalfToEven) {
    EXPECT_EQ(LeadingNumber(" 1"), 1.0);
    EXPECT_EQ(LeadingNumber("-1"), -1.0);
    EXPECT_EQ(LeadingNumber("12abc"), 12.0);
    EXPECT_EQ(LeadingNumber("abc"), 0.0);
    EXPECT_EQ(LeadingNumber(""), 0.0);
    EXPECT_EQ(LeadingNumber("2.5"), 2.5);
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
}

TEST(Numbers, WrittenForms) {
    EXPECT_EQ(BlankPrefixed(0), " 0");
    EXPECT_EQ(BlankPrefixed(1), " 1");
    EXPECT_EQ(BlankPrefixed(-1), "-1");
    EXPECT_EQ(Plain(0), "0");
    EXPECT_EQ(Plain(-1), "-1");
    EXPECT_EQ(ZeroPadded(7, 2), "07");
    EXPECT_EQ(ZeroPadded(123, 2), "123");
}

TEST(TextFiles, EveryLineEndEndsALine) {
    EXPECT_EQ(SplitLines("a\r\nb\rc\nd"), QStringList({"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\n\nb\n"), QStringList({"a", "", "b"}));
    EXPECT_EQ(SplitLines(""), QStringList());
    EXPECT_EQ(SplitLines("\r\n"), QStringList({""}));
}

TEST(TextFiles, DecodesUtf8ElseWindows1252) {
    EXPECT_EQ(DecodeText("caf\xc3\xa9"), QString::fromUtf8("café"));
    EXPECT_EQ(DecodeText("\xef\xbb\xbfx"), "x");
    EXPECT_EQ(DecodeText("caf\xe9 \x80"), QString::fromUtf8("café €"));
}

TEST(TextFiles, AtomicWriteLeavesTheOldFileWhenItFails) {
    test::TempDir dir;
    const QString target = dir.write("list.m3u", "old");
    EXPECT_TRUE(WriteFileAtomically(target, "new"));
    EXPECT_EQ(dir.read("list.m3u"), "new");
    // A path below a regular file fails for root too.
    EXPECT_FALSE(WriteFileAtomically(target + "/x.m3u", "y"));
    EXPECT_EQ(dir.read("list.m3u"), "new");
    const auto lines = ReadTextLines(target);
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, QStringList({"new"}));
    EXPECT_FALSE(ReadTextLines(dir.file("missing")).has_value());
}
