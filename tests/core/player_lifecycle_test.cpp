// Start-up and shut-down: the command line, the skin, the window and the settings.
#include "app/CommandLine.h"
#include "app/WindowHiding.h"
#include "fakes/PlayerFixture.h"

#include <QSet>

#include <sys/stat.h>

using namespace velto;

class StartUp : public test::PlayerFixture {
protected:
    void Restart(const QStringList& args = {}) { MakePlayer(), player->Form_Load(args); }
};

TEST_F(StartUp, AMissingSkinIsReportedAndStartMinHidesOnlyWhereATrayCanBringTheWindowBack) {
    player->Form_Load({});
    // This program folder has no default skin either: the loader says so.
    EXPECT_TRUE(dialogs.messages.size() == 2 && dialogs.messages[1].contains("/default.skin"));
    EXPECT_EQ(window.moves, 0); // no stored position: the designed place
    EXPECT_TRUE(window.visible && player->Timer1.isActive() && player->Timer2.isActive());

    store.Set("StartMin", " 1");
    Restart();
    EXPECT_TRUE(window.minimized && window.visible);
    player->Form_Unload();

    // The icon is added before the window is hidden, and watched from then on.
    window = test::FakeMainWindow();
    tray.available = true;
    Restart();
    EXPECT_TRUE(!window.visible && !window.minimized && tray.added &&
                player->Hiding().TrayWatch.isActive());
}

TEST_F(StartUp, MovesTheWindowToTheStoredTwipsAndSavesWideDesktopsWhole) {
    store.Set("X", "36000"); // 2400 px at 96 dpi, beyond 16 bits of twips once doubled
    store.Set("Y", "1500");
    store.Set("WinSavePos", " 1");
    player->Form_Load({});
    EXPECT_EQ(window.pos, QPoint(2400, 100));
    window.pos = QPoint(3000, 20);
    player->Form_Unload();
    EXPECT_EQ(QStringList({store.Value("X"), store.Value("Y")}), QStringList({"45000", "300"}));

    // Edges whose pixels would not fit 32 bits of twips again are not used,
    // and the position saved at exit is computed without overflow.
    store.Set("X", "-2147483648");
    store.Set("Y", "-2147483648");
    window.pos = QPoint(100, 80);
    window.moves = 0;
    Restart();
    EXPECT_EQ(window.moves, 0);
    player->Form_Unload();
    EXPECT_EQ(QStringList({store.Value("X"), store.Value("Y")}), QStringList({"1500", "1200"}));
}

TEST_F(StartUp, SettingsAreWrittenOnceAFailureIsReportedLastAndTheVolumeKeptButNotTheMute) {
    player->Form_Load({});
    dialogs.messages.clear();
    player->TNum = 3;
    player->Form_Unload();
    player->Form_Unload(); // a second close does not write again
    EXPECT_TRUE(store.syncs == 1 && store.writesAtSync == store.writes.size());
    EXPECT_TRUE(store.Value("LastTrack") == " 3" && store.Value("X").isNull());
    EXPECT_TRUE(dialogs.messages.isEmpty() && !player->Timer1.isActive());

    // The playlist cannot be written either (its folder is a file): its
    // message first, then the settings' one, once.
    store.failSync = true;
    test::TempDir home;
    const Folders broken{programDir.path(), home.write("file", "x") + "/user"};
    player.reset();
    player = std::make_unique<Player>(Ports{store, dialogs, clock, shell, broken, media, &window});
    player->Form_Load({});
    dialogs.messages.clear();
    player->Form_Unload();
    player->Form_Unload();
    EXPECT_EQ(dialogs.messages, QStringList({"Unable to write Playlist! Is the file read-only?",
                                             "Unable to write settings!"}));

    // The volume is kept between runs, but the mute is not.
    store.Set("Volume", "40");
    Restart();
    EXPECT_NEAR(media[0].volume, 0.40, 1e-4);
    player->SetVol(0.7f);
    player->MuteToggle();
    player->Form_Unload();
    EXPECT_EQ(store.Value("Volume"), "70");
    store.Set("Volume", "250"); // a hand-edited level beyond full is full
    Restart();
    EXPECT_FLOAT_EQ(player->GetVol(), 1.0f);
}

TEST_F(StartUp, FilesThatAreNoRegularFilesAreTakenAsMissing) {
    for (const QString& fifo : {userDir.file("playlist.m3u"), programDir.file("pipe.skin")})
        ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    store.Set("Skin", programDir.file("pipe.skin"));
    store.Set("StartMd", " 1");
    store.Set("LastTrack", " 3");
    player->Form_Load({});
    EXPECT_EQ(dialogs.messages.value(0), "Previously selected skin not found (" +
                                             programDir.file("pipe.skin") + ")! Using default");
    EXPECT_TRUE(player->playlist.Count() == 0 && player->TNum == 1); // LastTrack needs the list
}

TEST_F(StartUp, TheListIsReadOnceTheWindowIsShownAndAnEarlyQuitKeepsItOnDisk) {
    const QStringList paths = AddTracks({{"a.mp3", 5000}, {"b.mp3", 5000}, {"c.mp3", 5000}});
    ASSERT_TRUE(player->WritePL(userDir.file("playlist.m3u")));
    const QByteArray written = userDir.read("playlist.m3u");
    store.Set("StartMd", " 1");
    store.Set("AutoPlay", " 1");
    store.Set("LastTrack", " 2");
    window.deferShown = true;

    // Quit before the first paint: the last run's list and track are saved whole.
    Restart();
    EXPECT_TRUE(window.visible && player->playlist.Count() == 0 && !player->Timer1.isActive());
    player->Form_Unload();
    EXPECT_TRUE(userDir.read("playlist.m3u") == written &&
                store.Value("LastTrack").trimmed() == "2");
    window.RunShown();
    EXPECT_EQ(player->playlist.Count(), 3);

    // Shown: the whole list, then the last track plays.
    Restart();
    window.RunShown();
    EXPECT_TRUE(player->playlist.Count() == 3 && player->TNum == 2 && player->Playing != 0);
    EXPECT_TRUE(player->SongPath == paths[1] && player->Timer1.isActive());
}

static CommandLine Parse(const QStringList& args, const QSet<QString>& files = {}) {
    return CommandLine::Parse(args, [&](const QString& p) { return files.contains(p); });
}

TEST(CommandLine, QuotesGoArgumentsJoinWhenTheyNameOneFileAndAFileBeatsAnOption) {
    EXPECT_EQ(Parse({"\"/m/My Song.mp3\""}).items + Parse({"/m/a \"b\".mp3"}).items,
              QStringList({"/m/My Song.mp3", "/m/a \"b\".mp3"}));
    EXPECT_EQ(Parse({"/m/My", "Song.mp3"}, {"/m/My Song.mp3"}).items,
              QStringList({"/m/My Song.mp3"}));
    EXPECT_EQ(Parse({"/m/a.mp3", "/m/b.mp3", "/m/c"}, {"/m/a.mp3"}).items,
              QStringList({"/m/a.mp3", "/m/b.mp3", "/m/c"}));
    EXPECT_TRUE(Parse({"--help"}).action == CommandLine::Action::Help &&
                Parse({"--version"}).action == CommandLine::Action::Version);
    const CommandLine file = Parse({"--help"}, {"--help"});
    EXPECT_TRUE(file.action == CommandLine::Action::Items && file.items == QStringList({"--help"}));
}
