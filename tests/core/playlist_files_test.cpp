#include "common/TextFiles.h"
#include "playlist/PlaylistFiles.h"
#include "support/TestFiles.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
#include <sys/stat.h>

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

TEST(M3uWriting, NamesStartingWithAHashOrABlankComeBackAsTheSameFiles) {
    TempDir dir;
    PlaylistModel model;
    model.Append({{"hit", dir.write("#1 Hit.mp3", "x")},
                  {"lead", dir.write(" lead.mp3", "x")},
                  {"deep", dir.write("sub/#2.mp3", "x")}});
    const QString list = dir.file("list.m3u");
    EXPECT_EQ(M3uText(model, list), "./#1 Hit.mp3\r\n./ lead.mp3\r\nsub/#2.mp3\r\n");
    dir.write("list.m3u", M3uText(model, list));
    const auto back = ReadPlaylistFile(list, 10);
    ASSERT_EQ(back.size(), 3);
    EXPECT_EQ(back[0].path, dir.file("#1 Hit.mp3"));
    EXPECT_EQ(back[0].name, "#1 Hit");
    EXPECT_EQ(back[1].path, dir.file(" lead.mp3"));
    EXPECT_EQ(back[2].path, dir.file("sub/#2.mp3"));
}

TEST(PlaylistFileReading, OnlyRegularFilesAreRead) {
    TempDir dir;
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.file("pipe.m3u")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", dir.file("zero.m3u")));
    ASSERT_TRUE(QFile::link("/dev/urandom", dir.file("noise.pls")));
    ASSERT_TRUE(QDir().mkpath(dir.file("folder.m3u")));
    for (const char* name : {"pipe.m3u", "zero.m3u", "noise.pls", "folder.m3u"}) {
        EXPECT_TRUE(ReadPlaylistFile(dir.file(name), 10).empty()) << name;
        EXPECT_FALSE(ReadTextLines(dir.file(name)).has_value()) << name;
    }
    // A link to a regular file is read through.
    ASSERT_TRUE(QFile::link(dir.write("real.m3u", "a.mp3\n"), dir.file("link.m3u")));
    EXPECT_EQ(ReadPlaylistFile(dir.file("link.m3u"), 10).size(), 1);
}
