#include "common/PathNames.h"
#include "fakes/PlayerFixture.h"
#include "playlist/PlaylistFiles.h"

using namespace velto;

class PlaylistEditing : public test::PlayerFixture {
protected:
    void add(const QString& path, const QString& name) {
        player->AddName = name;
        player->AddPath = path;
        player->AddTitle = NiceName(name);
        player->PlAdd();
    }
    void add(const QString& path) { add(path, QFileInfo(path).fileName()); }

    // Entries named "0".."n-1".
    void fill(int n) {
        std::vector<PlaylistEntry> entries;
        for (int i = 0; i < n; ++i)
            entries.push_back({QString::number(i), QStringLiteral("/m/%1.mp3").arg(i)});
        model().Append(std::move(entries));
    }
};

TEST_F(PlaylistEditing, AddingFilesPicturesPlaylistsFoldersAndNothing) {
    player->TNum = 0;
    add("/m/x.mp3", ""); // no name: nothing
    EXPECT_TRUE(model().Count() == 0 && player->TNum == 0);

    add("/m/Track_07.mp3");
    add("/pics/holiday.JPG");
    add("/m/missing-but-kept.ogg"); // found missing only when played
    add("http://radio.example.net/live");
    EXPECT_EQ(Entries(),
              QStringList({"Track 07", "holiday (picture)", "missing-but-kept", "live"}));
    EXPECT_TRUE(model().At(3).path == "http://radio.example.net/live" && player->TNum == 1 &&
                Caption(lbl::PlaylistCount) == " 4");

    // A playlist is read in one insertion; a folder is scanned.
    int inserts = 0;
    QObject::connect(&model(), &QAbstractItemModel::rowsInserted, [&] { ++inserts; });
    add(userDir.write("Party Mix.M3U", "#EXTM3U\none.mp3\ntwo.mp3\nthree.mp3\n"));
    EXPECT_EQ(inserts, 1);
    userDir.write("Albums/a.mp3", "x");
    userDir.write("Albums/b.txt", "x");
    add(userDir.file("Albums"));
    EXPECT_EQ(Entries().mid(4), QStringList({"one", "two", "three", "a"}));
    EXPECT_TRUE(model().At(4).path == userDir.file("one.mp3") &&
                Caption(lbl::PlaylistTitle) == "Party Mix");

    // A relative name (from the command line) is added with its full path.
    programDir.write("song.mp3", "x");
    const QString before = QDir::currentPath();
    QDir::setCurrent(programDir.path());
    add("song.mp3", "Commandline");
    QDir::setCurrent(before);
    EXPECT_EQ(model().At(8).path, QFileInfo(programDir.file("song.mp3")).absoluteFilePath());
}

TEST_F(PlaylistEditing, DeletingMovingAndClearingKeepTheSelectionSensible) {
    fill(5);
    player->TNum = 4;
    player->PlMoveEntry(1); // no selection
    model().SetSelection(0);
    player->PlMoveEntry(-1); // already first
    player->PlMoveEntry(1);
    player->PlMoveEntry(1);
    EXPECT_EQ(Entries(), QStringList({"1", "2", "0", "3", "4"}));
    EXPECT_TRUE(model().At(2).path == "/m/0.mp3" && model().Selection() == 2); // path travels too

    player->PlDelSel();
    EXPECT_EQ(Entries(), QStringList({"1", "2", "3", "4"}));
    EXPECT_TRUE(model().Selection() == 2 && player->TNum == 4); // the next entry; TNum stays
    model().SetSelection(3);
    player->PlMoveEntry(1); // already last
    player->PlDelEntry(-1);
    player->PlDelEntry(4);
    player->PlNames_KeyDown(65, 0); // not the Delete key
    EXPECT_EQ(Entries(), QStringList({"1", "2", "3", "4"}));
    player->PlNames_KeyDown(46, 0); // the last: the selection moves up
    EXPECT_TRUE(model().Selection() == 2 && Caption(lbl::PlaylistCount) == " 3");
    player->PlNames_DblClick(); // plays the selected entry
    EXPECT_EQ(player->TNum, 3);

    player->PlClear();
    EXPECT_TRUE(model().Count() == 0 && model().Selection() == -1 && player->TNum == 1);
    EXPECT_EQ(QStringList({Caption(lbl::PlaylistTitle), Caption(lbl::PlaylistCount)}),
              QStringList({"untitled", " 0"}));
    player->PlDelSel(); // nothing selected, nothing left
}

TEST_F(PlaylistEditing, TheListNeverGrowsBeyondItsLimit) {
    fill(kMaxPlaylistEntries); // a list read is cut at the limit: the hostile lists' test
    add("/m/one-more.mp3");
    userDir.write("Folder/x.mp3", "x");
    add(userDir.file("Folder"));
    EXPECT_EQ(model().Count(), kMaxPlaylistEntries);
}
