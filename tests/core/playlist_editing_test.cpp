#include "common/PathNames.h"
#include "fakes/PlayerFixture.h"
#include "playlist/PlaylistFiles.h"

#include <QDir>

using namespace velto;
using velto::test::PlayerFixture;

namespace {

class PlaylistEditing : public PlayerFixture {
protected:
    PlaylistModel& model() { return player->playlist; }
    QString caption(int field) const { return player->surface.Lbl[field].caption; }

    void add(const QString& path) {
        player->AddName = QFileInfo(path).fileName();
        player->AddPath = path;
        player->AddTitle = NiceName(player->AddName);
        player->PlAdd();
    }

    // Entries named "0".."n-1".
    void fill(int n) {
        std::vector<PlaylistEntry> entries;
        for (int i = 0; i < n; ++i)
            entries.push_back({QString::number(i), QStringLiteral("/m/%1.mp3").arg(i)});
        model().Append(std::move(entries));
    }

    QStringList names() const {
        QStringList out;
        for (int i = 0; i < player->playlist.Count(); ++i)
            out << player->playlist.At(i).name;
        return out;
    }
};

} // namespace

TEST_F(PlaylistEditing, AddingFilesPicturesAndNothing) {
    player->TNum = 0;
    player->AddName.clear();
    player->AddPath = "/m/x.mp3";
    player->PlAdd();
    EXPECT_EQ(model().Count(), 0);
    EXPECT_EQ(caption(16), " 0");
    EXPECT_EQ(player->TNum, 0);

    add("/m/Track_07.mp3");
    add("/pics/holiday.JPG");
    add("/m/missing-but-kept.ogg"); // found missing only when played
    add("http://radio.example.net/live");
    EXPECT_EQ(names(), QStringList({"Track 07", "holiday (picture)", "missing-but-kept", "live"}));
    EXPECT_EQ(model().At(1).path, "/pics/holiday.JPG");
    EXPECT_EQ(model().At(3).path, "http://radio.example.net/live");
    EXPECT_EQ(player->TNum, 1);
    EXPECT_EQ(caption(16), " 4");
    EXPECT_GT(window.surfaceChanges, 0);
}

TEST_F(PlaylistEditing, AddingAPlaylistReadsItAndAFolderIsScanned) {
    const QString list = userDir.write("Party Mix.M3U", "#EXTM3U\none.mp3\n");
    userDir.write("Albums/a.mp3", "x");
    userDir.write("Albums/b.ogg", "x");
    add(list);
    add(userDir.file("Albums"));
    EXPECT_EQ(names(), QStringList({"one", "a"}));
    EXPECT_EQ(model().At(0).path, userDir.file("one.mp3"));
    EXPECT_EQ(caption(14), "Party Mix");
    EXPECT_EQ(caption(16), " 2");
}

TEST_F(PlaylistEditing, ARelativeNameIsAddedWithItsFullPath) {
    programDir.write("song.mp3", "x");
    const QString before = QDir::currentPath();
    QDir::setCurrent(programDir.path());
    player->AddPath = "song.mp3";
    player->AddName = "Commandline";
    player->AddTitle = "song";
    player->PlAdd();
    QDir::setCurrent(before);
    ASSERT_EQ(model().Count(), 1);
    EXPECT_EQ(model().At(0).path, QFileInfo(programDir.file("song.mp3")).absoluteFilePath());
}

TEST_F(PlaylistEditing, DeletingKeepsTheNumberAndSelectsTheNeighbour) {
    fill(4);
    player->TNum = 3;
    model().SetSelection(1);
    player->PlDelSel();
    EXPECT_EQ(names(), QStringList({"0", "2", "3"}));
    EXPECT_EQ(model().Selection(), 1); // the entry that moved into the place
    EXPECT_EQ(player->TNum, 3);        // now names the entry that followed
    EXPECT_EQ(caption(16), " 3");

    player->PlDelEntry(2); // the last
    EXPECT_EQ(names(), QStringList({"0", "2"}));
    EXPECT_EQ(model().Selection(), 1);

    player->PlDelEntry(-1);
    player->PlDelEntry(2);
    EXPECT_EQ(model().Count(), 2);

    player->PlNames_KeyDown(65, 0); // not the Delete key
    EXPECT_EQ(model().Count(), 2);
    player->PlNames_KeyDown(46, 0);
    player->PlNames_KeyDown(46, 0);
    EXPECT_EQ(model().Count(), 0);
    EXPECT_EQ(model().Selection(), -1);
    EXPECT_EQ(caption(16), " 0");
    EXPECT_EQ(player->TNum, 3);

    player->PlDelSel(); // nothing selected, nothing left
    EXPECT_EQ(caption(16), " 0");
}

TEST_F(PlaylistEditing, MovingCarriesTheSelectedEntryAndStopsAtTheEnds) {
    fill(4);
    player->TNum = 2;
    player->PlMoveEntry(1); // no selection
    EXPECT_EQ(names(), QStringList({"0", "1", "2", "3"}));

    model().SetSelection(0);
    player->PlMoveEntry(-1);
    EXPECT_EQ(names(), QStringList({"0", "1", "2", "3"}));
    EXPECT_EQ(model().Selection(), 0);

    player->PlMoveEntry(1);
    player->PlMoveEntry(1);
    EXPECT_EQ(names(), QStringList({"1", "2", "0", "3"}));
    EXPECT_EQ(model().At(2).path, "/m/0.mp3"); // the path travels with its name
    EXPECT_EQ(model().Selection(), 2);

    player->PlMoveEntry(1);
    player->PlMoveEntry(1); // already last
    EXPECT_EQ(names(), QStringList({"1", "2", "3", "0"}));
    EXPECT_EQ(model().Selection(), 3);
    EXPECT_EQ(player->TNum, 2);
}

TEST_F(PlaylistEditing, ClearingEmptiesTheListAndResetsTitleNumberAndCover) {
    fill(12);
    player->ShowPlCount();
    EXPECT_EQ(caption(16), " 12");
    model().SetSelection(5);
    player->TNum = 7;
    player->surface.iCover.picture = QImage(4, 4, QImage::Format_RGB32);
    player->PlClear();
    EXPECT_EQ(model().Count(), 0);
    EXPECT_EQ(model().Selection(), -1);
    EXPECT_EQ(player->TNum, 1);
    EXPECT_EQ(caption(14), "untitled");
    EXPECT_EQ(caption(16), " 0");
    EXPECT_TRUE(player->surface.iCover.picture.isNull());
}

TEST_F(PlaylistEditing, DoubleClickChoosesTheSelectedEntry) {
    fill(3);
    player->TNum = 1;
    player->PlNames_DblClick(); // nothing selected
    EXPECT_EQ(player->TNum, 1);
    model().SetSelection(2);
    player->PlNames_DblClick();
    EXPECT_EQ(player->TNum, 3);
}

TEST_F(PlaylistEditing, TheListNeverGrowsBeyondItsLimit) {
    fill(kMaxPlaylistEntries - 1);
    const QString list = userDir.write("three.m3u", "a.mp3\nb.mp3\nc.mp3\n");
    player->PlRead(list);
    EXPECT_EQ(model().Count(), kMaxPlaylistEntries);
    EXPECT_EQ(model().At(kMaxPlaylistEntries - 1).path, userDir.file("a.mp3"));
    EXPECT_EQ(caption(16), " 32766");

    add("/m/one-more.mp3");
    userDir.write("Folder/x.mp3", "x");
    add(userDir.file("Folder"));
    EXPECT_EQ(model().Count(), kMaxPlaylistEntries);
}

TEST_F(PlaylistEditing, AddingManyEntriesIsOneInsertion) {
    int inserts = 0;
    QObject::connect(&model(), &QAbstractItemModel::rowsInserted, [&] { ++inserts; });
    QByteArray text;
    for (int i = 0; i < 500; ++i)
        text += "t" + QByteArray::number(i) + ".mp3\n";
    player->PlRead(userDir.write("many.m3u", text));
    EXPECT_EQ(model().Count(), 500);
    EXPECT_EQ(inserts, 1);
}
