#include "playlist/PlaylistFiles.h"
#include "support/TestFiles.h"

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
} // namespace

TEST(PlaylistEntries, RelativeRootRelativeDriveLetterAndUrlEntries) {
    const QString list = "/home/ann/My Lists/party.m3u";
    EXPECT_EQ(pathOf("a.mp3", list), "/home/ann/My Lists/a.mp3");
    // Made on Windows: the backslash separates folders.
    EXPECT_EQ(pathOf("Music\\Best Of\\a.mp3", list), "/home/ann/My Lists/Music/Best Of/a.mp3");
    EXPECT_EQ(pathOf("\\Music\\a.mp3", list), "/Music/a.mp3");
    EXPECT_EQ(pathOf("/srv/music/a.mp3", list), "/srv/music/a.mp3");
    // A drive letter is kept exactly as written, so it is written back the same.
    EXPECT_EQ(pathOf("C:\\Music\\Old\\b.mp3", list), "C:\\Music\\Old\\b.mp3");
    // Radio stations stay URLs, never joined to the folder.
    EXPECT_EQ(pathOf("http://radio.example.net:8000/live", list),
              "http://radio.example.net:8000/live");
    EXPECT_EQ(ResolveEntry("http://radio.example.net:8000/", list).name,
              "http://radio.example.net:8000/");

    TempDir dir; // a name holding a backslash that exists here is that name
    dir.write("AC\\DC.mp3", "x");
    EXPECT_EQ(pathOf("AC\\DC.mp3", dir.file("l.m3u")), dir.file("AC\\DC.mp3"));
}

TEST(PlaylistEntries, M3uSkipsCommentsAndPlsTakesCaseSensitiveFileKeysUntrimmed) {
    EXPECT_EQ(M3uEntryTexts({"#EXTM3U", "#EXTINF:123,Artist - Title", "  a.mp3  ", "", "   ",
                             "\tb.mp3", "   #EXTINF:-1,after blanks"}),
              QStringList({"a.mp3", "\tb.mp3"}));
    EXPECT_EQ(
        PlsEntryTexts({"[playlist]", "File1=C:\\a.mp3", "file2=C:\\b.mp3", "Title1=A",
                       "File3=  x.mp3", "File4=a=b.mp3", "File5", "  File6=c.mp3  ", "File7="}),
        QStringList({"C:\\a.mp3", "  x.mp3", "a=b.mp3", "c.mp3"}));
    EXPECT_EQ(pathOf("  x.mp3", "/lists/r.pls"), "/lists/  x.mp3");
}

TEST(PlaylistFileReading, EveryLineEndEndsALine) {
    TempDir dir;
    const QString lf = dir.write("lf.m3u", "a.mp3\nb.mp3\n");
    const QString cr = dir.write("cr.M3U", "a.mp3\rb.mp3\r");
    const QString crlf = dir.write("crlf.m3u", "#EXTM3U\r\na.mp3\r\n\r\nb.mp3");
    for (const QString& f : {lf, cr, crlf})
        EXPECT_EQ(paths(ReadPlaylistFile(f, 100)),
                  QStringList({dir.file("a.mp3"), dir.file("b.mp3")}))
            << f.toStdString();
    EXPECT_TRUE(ReadPlaylistFile(dir.file("missing.m3u"), 10).empty());
    EXPECT_TRUE(ReadPlaylistFile(dir.write("notes.txt", "a.mp3\n"), 10).empty());
    const QString pls = dir.write("radio.PLS", "[playlist]\nFile1=http://r.example/one\n"
                                               "File2=song.ogg\nLength1=-1\n");
    EXPECT_EQ(paths(ReadPlaylistFile(pls, 10)),
              QStringList({"http://r.example/one", dir.file("song.ogg")}));
}

TEST(M3uWriting, RelativeOnlyBelowTheListsOwnFolderAndUnplayableEntriesLeftOut) {
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
}
