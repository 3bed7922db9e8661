// Playlist files: entries, reading and writing; scanning a folder.
#include "playlist/FolderScan.h"
#include "playlist/PlaylistFiles.h"
#include "support/TestFiles.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace velto;
using velto::test::TempDir;

namespace {
QString pathOf(const QString& text, const QString& list) { return ResolveEntry(text, list).path; }

QStringList paths(const std::vector<PlaylistEntry>& entries) {
    QStringList out;
    for (const auto& e : entries)
        out << e.path;
    return out;
}
QStringList relativePaths(const std::vector<PlaylistEntry>& entries, const TempDir& dir) {
    return paths(entries).replaceInStrings(dir.path() + "/", "");
}
} // namespace

TEST(PlaylistEntries, RelativeDriveLetterAndUrlEntriesM3uCommentsAndPlsFileKeys) {
    // Made on Windows, the backslash separates folders; a drive letter is kept
    // exactly as written, so it is written back the same; radio stations stay
    // URLs, never joined to the folder.
    const QString list = "/home/ann/My Lists/party.m3u";
    QStringList got;
    for (const char* text : {"a.mp3", "Music\\Best Of\\a.mp3", "\\Music\\a.mp3", "/srv/music/a.mp3",
                             "C:\\Music\\Old\\b.mp3", "http://radio.example.net:8000/live"})
        got << pathOf(text, list);
    EXPECT_EQ(got,
              QStringList({"/home/ann/My Lists/a.mp3", "/home/ann/My Lists/Music/Best Of/a.mp3",
                           "/Music/a.mp3", "/srv/music/a.mp3", "C:\\Music\\Old\\b.mp3",
                           "http://radio.example.net:8000/live"}));

    TempDir dir; // a name holding a backslash that exists here is that name
    dir.write("AC\\DC.mp3", "x");
    EXPECT_EQ(pathOf("AC\\DC.mp3", dir.file("l.m3u")), dir.file("AC\\DC.mp3"));

    // M3U skips comments; PLS takes case-sensitive File keys, untrimmed.
    EXPECT_EQ(M3uEntryTexts({"#EXTM3U", "#EXTINF:123,Artist - Title", "  a.mp3  ", "", "   ",
                             "\tb.mp3", "   #EXTINF:-1,after blanks"}),
              QStringList({"a.mp3", "\tb.mp3"}));
    EXPECT_EQ(
        PlsEntryTexts({"[playlist]", "File1=C:\\a.mp3", "file2=C:\\b.mp3", "Title1=A",
                       "File3=  x.mp3", "File4=a=b.mp3", "File5", "  File6=c.mp3  ", "File7="}),
        QStringList({"C:\\a.mp3", "  x.mp3", "a=b.mp3", "c.mp3"}));
    EXPECT_EQ(pathOf("  x.mp3", "/lists/r.pls"), "/lists/  x.mp3");

    // Files are lists by their extension, in any case.
    EXPECT_EQ(paths(ReadPlaylistFile(dir.write("l.M3U", "#EXTM3U\na.mp3\n\nb.mp3"), 100)),
              QStringList({dir.file("a.mp3"), dir.file("b.mp3")}));
    EXPECT_TRUE(ReadPlaylistFile(dir.write("notes.txt", "a.mp3\n"), 10).empty());
    const QString pls = dir.write("radio.PLS", "[playlist]\nFile1=http://r.example/one\n"
                                               "File2=song.ogg\nLength1=-1\n");
    EXPECT_EQ(paths(ReadPlaylistFile(pls, 10)),
              QStringList({"http://r.example/one", dir.file("song.ogg")}));
}

TEST(M3uWriting, RelativeOnlyBelowTheListsFolderUnplayableLeftOutAndOddNamesKept) {
    PlaylistModel model;
    model.Append({{"a", "/home/ann/Lists/Music/a.mp3"},
                  {"b", "/home/ann/lists/b.mp3"}, // other case: kept whole
                  {"gone [FILE NOT FOUND]", ""},
                  {"odd", "/home/ann/Lists/**/d.mp3"},
                  {"r", "http://radio.example.net/live"},
                  {"w", "C:\\Music\\e.mp3"},
                  {"missing [FILE NOT FOUND]", "/home/ann/Lists/f.mp3"},
                  {"x", "/home/ann/ListsX/g.mp3"}});
    EXPECT_EQ(M3uText(model, "/home/ann/Lists/x.m3u"),
              "Music/a.mp3\r\n/home/ann/lists/b.mp3\r\nhttp://radio.example.net/live\r\n"
              "C:\\Music\\e.mp3\r\nf.mp3\r\n/home/ann/ListsX/g.mp3\r\n");

    // Names starting with a hash or a blank come back as the same files.
    TempDir dir;
    model.Clear();
    model.Append({{"hit", dir.write("#1 Hit.mp3", "x")},
                  {"lead", dir.write(" lead.mp3", "x")},
                  {"deep", dir.write("sub/#2.mp3", "x")}});
    const QString list = dir.file("list.m3u");
    EXPECT_EQ(M3uText(model, list), "./#1 Hit.mp3\r\n./ lead.mp3\r\nsub/#2.mp3\r\n");
    dir.write("list.m3u", M3uText(model, list));
    EXPECT_EQ(relativePaths(ReadPlaylistFile(list, 10), dir),
              QStringList({"#1 Hit.mp3", " lead.mp3", "sub/#2.mp3"}));
}

const QString kDesigned = "MP2 MP3 MID WAV MOD XM AVI MOV";

// The extension test is a substring test of the upper-cased extension ("x.mp" is in MP2).
TEST(FolderScan, OwnFilesFirstThenLevelByLevelSortedWithoutCase) {
    EXPECT_TRUE(ExtensionTaken("a.ogg", "mp3 ogg") && !ExtensionTaken("odd.", kDesigned));
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
