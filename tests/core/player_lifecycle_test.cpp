// Start-up and shut-down: the command line, the skin, the window and the settings.
#include "app/CommandLine.h"
#include "fakes/PlayerFixture.h"

#include <QSet>

#include <algorithm>

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

    const QString skin = programDir.write("mine.skin", "VeltoSkin\n");
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
}

TEST_F(StartUp, StartMinHidesOnlyWhereATrayCanBringTheWindowBack) {
    store.Set("StartMin", " 1");
    player->Form_Load({});
    EXPECT_TRUE(window.minimized);

    window = test::FakeMainWindow();
    window.tray = true;
    MakePlayer();
    player->Form_Load({});
    EXPECT_FALSE(window.visible || window.minimized);
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
}
