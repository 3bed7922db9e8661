#include "fakes/PlayerFixture.h"

using namespace velto;

static FileDialogResult chosen(const QString& path, int filterIndex = 1) {
    return FileDialogResult{path, QFileInfo(path).fileName(), filterIndex};
}

using PlaylistDialogs = test::PlayerFixture;

TEST_F(PlaylistDialogs, LoadAsksInTheRememberedFolderAppendsOrClearsFirst) {
    player->settings.Path = "/old/place/";
    model().Append({{"kept", "/m/kept.mp3"}});
    player->PlLoad(); // cancelled: nothing changes, nothing is saved
    EXPECT_TRUE(model().Count() == 1 && store.Value("Path").isNull() &&
                dialogs.fileRequests.at(0).initialFolder == "/old/place/");

    dialogs.fileAnswers.push_back(
        chosen(programDir.write("Lists/Road Trip.pls", "[playlist]\nFile1=a.mp3\n")));
    player->PlLoad();
    EXPECT_TRUE(store.Value("Path") == programDir.file("Lists/") && model().Count() == 2 &&
                Caption(lbl::PlaylistTitle) == "Road Trip"); // appended: ClearPLFirst is off

    player->settings.ClearPLFirst = 1;
    player->TNum = 5;
    dialogs.fileAnswers.push_back(chosen(programDir.write("x.m3u", "b.mp3\nc.mp3\n")));
    player->PlLoad();
    EXPECT_EQ(Entries(&PlaylistEntry::path),
              QStringList({programDir.file("b.mp3"), programDir.file("c.mp3")}));
    EXPECT_EQ(player->TNum, 1);
}

TEST_F(PlaylistDialogs, SaveNamesTheTitleAndAFailedWriteLeavesTheOldPlaylistWhole) {
    model().Append({{"a", programDir.write("Lists/Music/a.mp3", "x")}});
    dialogs.fileAnswers.push_back(chosen(programDir.file("Lists/my_list"))); // no extension added
    player->PlSave();
    EXPECT_EQ(programDir.read("Lists/my_list"), "Music/a.mp3\r\n");
    EXPECT_EQ(Caption(lbl::PlaylistTitle), "my list");

    const QString list = userDir.write("kept.m3u", "old.mp3\r\n");
    model().Append(std::vector<PlaylistEntry>(2000, {"n", "/music/track.mp3"}));
    {
        const test::FileSizeLimit limit(1024); // the new text is far larger
        EXPECT_FALSE(player->WritePL(list));
    }
    EXPECT_EQ(userDir.read("kept.m3u"), "old.mp3\r\n");
    EXPECT_EQ(dialogs.messages, QStringList({"Unable to write Playlist! Is the file read-only?"}));
    EXPECT_EQ(QDir(userDir.path()).entryList(QDir::Files), QStringList({"kept.m3u"}));
}

TEST_F(PlaylistDialogs, OpenMediaKeepsTheFilterForTheRunAndAddFromDirScansTheChosenFolder) {
    player->AddName = "stale";
    player->OpenMedia(); // cancelled
    EXPECT_TRUE(player->AddName.isEmpty());
    dialogs.fileAnswers.push_back(chosen("/music/Rock/03-Title.mp3", 3));
    player->OpenMedia();
    EXPECT_EQ(QStringList({player->AddName, player->AddTitle, player->AddPath}),
              QStringList({"03-Title.mp3", "Title", "/music/Rock/03-Title.mp3"}));
    player->OpenMedia();
    EXPECT_TRUE(dialogs.fileRequests.back().filterIndex == 3 &&
                dialogs.fileRequests.back().initialFolder == "/music/Rock/");
    MakePlayer(); // a restart starts from the first filter again
    player->OpenMedia();
    EXPECT_EQ(dialogs.fileRequests.back().filterIndex, 1);

    // AddFromDir scans the chosen folder and shows the count.
    programDir.write("Music/b.mp3", "x");
    programDir.write("Music/a.WAV", "x");
    player->AddFromDir(); // cancelled
    dialogs.folderAnswers.push_back(programDir.file("Music"));
    player->TNum = 4;
    player->AddFromDir();
    EXPECT_EQ(model().At(0).path, programDir.file("Music/a.WAV"));
    EXPECT_TRUE(Caption(lbl::PlaylistCount) == " 2" && player->TNum == 4);
}

TEST_F(PlaylistDialogs, StartUpRestoresTheLastOrTheChosenPlaylistUnlessGivenAnItem) {
    userDir.write("playlist.m3u", "#EXTM3U\nMine/a.mp3\n/srv/b.mp3\nhttp://radio/x\n");
    store.Set("StartMd", " 1");
    player->Form_Load({});
    EXPECT_TRUE(model().Count() == 3 && Caption(lbl::PlaylistTitle) == "playlist");
    model().SetPath(1, ""); // marked missing, path gone: not written
    player->Form_Unload();
    EXPECT_EQ(userDir.read("playlist.m3u"), "Mine/a.mp3\r\nhttp://radio/x\r\n");

    // A folder on the command line is scanned instead.
    programDir.write("Cmd/z.mp3", "x");
    programDir.write("Cmd/y.mp3", "x");
    MakePlayer();
    player->Form_Load({programDir.file("Cmd")});
    EXPECT_EQ(Entries(), QStringList({"y", "z"}));

    // A chosen playlist is read from its first entry.
    MakePlayer();
    dialogs.messages.clear();
    const QString a = userDir.write("Lists/a.wav", "x"), b = userDir.write("Lists/b.wav", "x");
    userDir.write("Lists/evening.m3u", "a.wav\r\nb.wav\r\n");
    userDir.write("playlist.m3u", "Lists/b.wav\r\n"); // the last run's list is not read
    store.Set("StartMd", " 2");
    store.Set("StartPlaylist", "Lists/evening.m3u"); // relative: in the user folder
    store.Set("LastTrack", " 2");                    // belongs to the last run's list
    store.Set("AutoPlay", "1");
    player->Form_Load({});
    const qsizetype skinMessages = dialogs.messages.size(); // no default skin here
    EXPECT_EQ(Entries(&PlaylistEntry::path), QStringList({a, b}));
    EXPECT_TRUE(player->TNum == 1 && player->Playing != 0 && player->SongPath == a);

    // A missing file leaves the list empty without a word; a command-line item wins.
    store.Set("StartPlaylist", "gone.m3u");
    dialogs.messages.clear();
    MakePlayer();
    player->Form_Load({});
    EXPECT_TRUE(model().Count() == 0 && dialogs.messages.size() == skinMessages);
    store.Set("StartPlaylist", "Lists/evening.m3u");
    MakePlayer();
    player->Form_Load({b});
    EXPECT_TRUE(model().Count() == 1 && player->SongPath == b);
}
