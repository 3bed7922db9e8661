#include "playlist/FolderScan.h"
#include "support/TestFiles.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace velto;
using velto::test::TempDir;

namespace {
QStringList relativePaths(const std::vector<PlaylistEntry>& entries, const TempDir& dir) {
    QStringList out;
    for (const auto& e : entries)
        out << e.path.mid(dir.path().size() + 1);
    return out;
}
} // namespace

const QString kDesigned = "MP2 MP3 MID WAV MOD XM AVI MOV";

TEST(FolderScan, TheExtensionTestIsASubstringTestOfTheUpperCasedExtension) {
    EXPECT_TRUE(ExtensionTaken("x.mp", kDesigned)); // inside MP2
    EXPECT_TRUE(ExtensionTaken("clip.Mov", kDesigned));
    EXPECT_FALSE(ExtensionTaken("song.ogg", kDesigned));
    EXPECT_FALSE(ExtensionTaken("odd.", kDesigned)); // no extension at all
    EXPECT_TRUE(ExtensionTaken("a.ogg", "mp3 ogg")); // a list typed in lower case
    // With none set, what plays one by one is taken from a folder too.
    EXPECT_EQ(ExtensionsInForce("  "), kDefaultValidExt);
    for (const char* name : {"a.flac", "b.ogg", "c.opus", "d.m4a", "e.it", "f.webm", "g.mid",
                             "h.MIDI", "i.wv", "j.mp2"})
        EXPECT_TRUE(ExtensionTaken(name, kDefaultValidExt)) << name;
    EXPECT_FALSE(ExtensionTaken("notes.txt", kDefaultValidExt));
    EXPECT_FALSE(ExtensionTaken("cover.jpg", kDefaultValidExt));
}

TEST(FolderScan, OwnFilesFirstThenLevelByLevelSortedWithoutCase) {
    TempDir dir;
    for (const char* name : {"b.mp3", "A.mp3", "c.ogg", "sub/b.mp3", "sub/deeper/d.wav",
                             "Second/x.mp", "Second/01_-_First_Song.mp3", ".hidden.mp3",
                             ".secret/e.mp3", "sub/.f.mp3", "MP3", "y.mp3.txt"})
        dir.write(name, "x");
    int pumps = 0;
    const auto found = ScanFolder(dir.path() + "/", kDesigned, 100, [&] { ++pumps; });
    EXPECT_EQ(relativePaths(found, dir),
              QStringList({"A.mp3", "b.mp3", "MP3", "Second/01_-_First_Song.mp3", "Second/x.mp",
                           "sub/b.mp3", "sub/deeper/d.wav"}));
    EXPECT_EQ(found[3].name, "First Song");
    EXPECT_GT(pumps, 0);
    EXPECT_EQ(relativePaths(ScanFolder(dir.path(), kDesigned, 2), dir),
              QStringList({"A.mp3", "b.mp3"}));
    EXPECT_TRUE(ScanFolder(dir.file("nothing-here"), kDefaultValidExt, 100).empty());

    // A link back up the tree is followed once.
    TempDir loop;
    loop.write("a/song.mp3", "x");
    ASSERT_TRUE(QFile::link(loop.path(), loop.file("a/loop")));
    ASSERT_TRUE(QFile::link(loop.file("a"), loop.file("same")));
    EXPECT_EQ(relativePaths(ScanFolder(loop.path(), kDefaultValidExt, 100), loop),
              QStringList({"a/song.mp3"}));
}
