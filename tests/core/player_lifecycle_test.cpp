// Start-up and shut-down: the command line, the skin, the window and the settings.
#include "app/CommandLine.h"
#include "app/WindowHiding.h"
#include "fakes/PlayerFixture.h"

#include <QFile>
#include <QSet>

#include <algorithm>
#include <sys/stat.h>

using namespace velto;

using StartUp = test::PlayerFixture;

TEST_F(StartUp, AMissingSkinIsReportedAndTheDefaultUsed) {
    player->Form_Load({});
    // This program folder has no default skin either: the loader says so.
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[0], "Previously selected skin not found ()! Using default");
    EXPECT_EQ(dialogs.messages[1],
              "Skin not found!\rSkinName=" + programDir.path() + "/default.skin\rSkinPath=");
    EXPECT_EQ(window.moves, 0); // no stored position: the designed place
    EXPECT_TRUE(window.visible && player->Timer1.isActive() && player->Timer2.isActive());

    const QString skin = test::WriteSkin(programDir, "mine.skin", "");
    store.Set("Skin", skin);
    dialogs.messages.clear();
    MakePlayer();
    player->Form_Load({});
    EXPECT_TRUE(dialogs.messages.isEmpty());
    EXPECT_EQ(player->settings.Skin, skin);
    store.Set("Skin", "/gone/old.skin");
    MakePlayer();
    player->Form_Load({});
    EXPECT_EQ(dialogs.messages.value(0),
              "Previously selected skin not found (/gone/old.skin)! Using default");
}

TEST_F(StartUp, MovesTheWindowToTheStoredTwipsAndSavesWideDesktopsWhole) {
    store.Set("X", "36000"); // 2400 px at 96 dpi, beyond 16 bits of twips once doubled
    store.Set("Y", "1500");
    store.Set("WinSavePos", " 1");
    player->Form_Load({});
    EXPECT_EQ(window.pos, QPoint(2400, 100));
    window.pos = QPoint(3000, 20);
    player->Form_Unload();
    EXPECT_EQ(store.Value("X"), "45000");
    EXPECT_EQ(store.Value("Y"), "300");

    // Edges whose pixels would not fit 32 bits of twips again are not used,
    // and the position saved at exit is computed without overflow.
    store.Set("X", "-2147483648");
    store.Set("Y", "-2147483648");
    window.pos = QPoint(100, 80);
    window.moves = 0;
    MakePlayer();
    player->Form_Load({});
    EXPECT_EQ(window.moves, 0);
    player->Form_Unload();
    EXPECT_EQ(store.Value("X"), "1500");
    EXPECT_EQ(store.Value("Y"), "1200");
    store.Set("X", "-2147483640"); // -143165576 px: its twips fit
    MakePlayer();
    player->Form_Load({});
    EXPECT_EQ(window.pos.x(), -143165576);
    player->Form_Unload();
    EXPECT_EQ(store.Value("X"), "-2147483640");
}

TEST_F(StartUp, StartMinHidesOnlyWhereATrayCanBringTheWindowBack) {
    store.Set("StartMin", " 1");
    player->Form_Load({});
    EXPECT_TRUE(window.minimized && window.visible);
    player->Form_Unload();

    // The icon is added before the window is hidden, and watched from then on.
    window = test::FakeMainWindow();
    tray.available = true;
    MakePlayer();
    player->Form_Load({});
    EXPECT_FALSE(window.visible || window.minimized);
    EXPECT_TRUE(tray.added && player->Hiding().TrayWatch.isActive());
}

TEST_F(StartUp, UnloadWritesTheSettingsOnceWithoutPosition) {
    player->Form_Load({});
    player->TNum = 3;
    player->Form_Unload();
    player->Form_Unload(); // a second close does not write again
    EXPECT_EQ(store.Value("LastTrack"), " 3");
    EXPECT_TRUE(store.Value("X").isNull());
    EXPECT_EQ(std::count_if(store.writes.begin(), store.writes.end(),
                            [](const auto& w) { return w.first == "LastTrack"; }),
              1);
    EXPECT_FALSE(player->Timer1.isActive());
}

TEST_F(StartUp, TheSettingsFileIsWrittenOnceAfterEveryKeyAndAFailureIsReportedLast) {
    player->Form_Load({});
    dialogs.messages.clear();
    player->Form_Unload();
    EXPECT_EQ(store.syncs, 1);
    EXPECT_EQ(store.writesAtSync, store.writes.size());
    EXPECT_TRUE(dialogs.messages.isEmpty());

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
}

TEST_F(StartUp, TheVolumeIsKeptBetweenRunsButTheMuteIsNot) {
    store.Set("Volume", "40");
    player->Form_Load({});
    EXPECT_NEAR(player->GetVol(), 0.40, 1e-4);
    EXPECT_NEAR(media[0].volume, 0.40, 1e-4);
    player->SetVol(0.7f);
    player->Form_Unload();
    EXPECT_EQ(store.writes.back(), std::make_pair(QString("Volume"), QString("70")));

    MakePlayer();
    player->Form_Load({});
    EXPECT_NEAR(player->GetVol(), 0.70, 1e-4);
    player->MuteToggle();
    player->Form_Unload();
    EXPECT_EQ(store.Value("Volume"), "70");
    store.Set("Volume", "250"); // a hand-edited level beyond full is full
    MakePlayer();
    player->Form_Load({});
    EXPECT_FLOAT_EQ(player->GetVol(), 1.0f);
}

TEST_F(StartUp, FilesThatAreNoRegularFilesAreTakenAsMissing) {
    const auto fifo = [](const QString& path) {
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    };
    ASSERT_TRUE(fifo(userDir.file("playlist.m3u")));
    ASSERT_TRUE(fifo(programDir.file("pipe.skin")));
    store.Set("Skin", programDir.file("pipe.skin"));
    store.Set("StartMd", " 1");
    store.Set("LastTrack", " 3");
    player->Form_Load({});
    EXPECT_EQ(dialogs.messages.value(0), "Previously selected skin not found (" +
                                             programDir.file("pipe.skin") + ")! Using default");
    EXPECT_EQ(player->playlist.Count(), 0);
    EXPECT_EQ(player->TNum, 1); // LastTrack is read only with the playlist

    // On the command line: a FIFO and an endless device read as nothing.
    ASSERT_TRUE(fifo(userDir.file("x.m3u")));
    ASSERT_TRUE(QFile::link("/dev/zero", userDir.file("zero.m3u")));
    ASSERT_TRUE(QFile::link("/dev/urandom", userDir.file("noise.pls")));
    for (const char* name : {"x.m3u", "zero.m3u", "noise.pls"}) {
        MakePlayer();
        player->Form_Load({userDir.file(name)});
        EXPECT_EQ(player->playlist.Count(), 0) << name;
    }
}

TEST_F(StartUp, TheListIsReadOnceTheWindowIsShownAndAnEarlyQuitKeepsItOnDisk) {
    const QStringList paths = AddTracks({{"a.mp3", 5000}, {"b.mp3", 5000}, {"c.mp3", 5000}});
    const QString list = userDir.file("playlist.m3u");
    ASSERT_TRUE(player->WritePL(list));
    const auto onDisk = [&list] {
        QFile f(list);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray written = onDisk();
    store.Set("StartMd", " 1");
    store.Set("AutoPlay", " 1");
    store.Set("LastTrack", " 2");
    window.deferShown = true;

    // Quit before the first paint: the list is still read, so the last run's
    // list and track are saved whole, and a paint after the quit does nothing.
    MakePlayer();
    player->Form_Load({});
    EXPECT_TRUE(window.visible);
    EXPECT_EQ(player->playlist.Count(), 0);
    EXPECT_FALSE(player->Timer1.isActive());
    player->Form_Unload();
    EXPECT_EQ(onDisk(), written);
    EXPECT_EQ(store.Value("LastTrack").trimmed(), "2");
    window.RunShown();
    EXPECT_EQ(player->playlist.Count(), 3);

    // Shown: the whole list, then the last track plays.
    MakePlayer();
    player->Form_Load({});
    window.RunShown();
    EXPECT_EQ(player->playlist.Count(), 3);
    EXPECT_EQ(player->TNum, 2);
    EXPECT_NE(player->Playing, 0);
    EXPECT_EQ(player->SongPath, paths[1]);
    EXPECT_TRUE(player->Timer1.isActive());
}

namespace {
CommandLine Parse(const QStringList& args, const QSet<QString>& files = {}) {
    return CommandLine::Parse(args, [&](const QString& p) { return files.contains(p); });
}
} // namespace

TEST(CommandLine, QuotesGoArgumentsJoinWhenTheyNameOneFileAndAFileBeatsAnOption) {
    EXPECT_TRUE(Parse({}).items.isEmpty());
    EXPECT_EQ(Parse({"\"/m/My Song.mp3\""}).items, QStringList({"/m/My Song.mp3"}));
    EXPECT_EQ(Parse({"/m/a \"b\".mp3"}).items, QStringList({"/m/a \"b\".mp3"}));
    EXPECT_EQ(Parse({"/m/My", "Song.mp3"}, {"/m/My Song.mp3"}).items,
              QStringList({"/m/My Song.mp3"}));
    EXPECT_EQ(Parse({"/m/a.mp3", "/m/b.mp3", "/m/c"}, {"/m/a.mp3"}).items,
              QStringList({"/m/a.mp3", "/m/b.mp3", "/m/c"}));
    EXPECT_EQ(Parse({"--help"}).action, CommandLine::Action::Help);
    EXPECT_EQ(Parse({"--version"}).action, CommandLine::Action::Version);
    const CommandLine file = Parse({"--help"}, {"--help"});
    EXPECT_EQ(file.action, CommandLine::Action::Items);
    EXPECT_EQ(file.items, QStringList({"--help"}));
    for (const char* variable : {"VELTO_HOME", "VELTO_AUDIO_SINK", "VELTO_VIDEO_SINK"})
        EXPECT_TRUE(CommandLine::Usage().contains(variable)) << variable;
}
