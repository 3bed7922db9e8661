#include "fakes/PlayerFixture.h"
#include "skin_test_support.h"

#include <algorithm>

using namespace velto;
using velto::test::PlayerFixture;

using StartUp = PlayerFixture;

TEST_F(StartUp, AMissingSkinIsReportedAndTheDefaultUsed) {
    player->Form_Load({});
    // This program folder has no default skin either: the loader says so.
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_EQ(dialogs.messages[0], "Previously selected skin not found ()! Using default");
    EXPECT_EQ(dialogs.messages[1],
              "Skin not found!\rSkinName=" + programDir.path() + "/default.skin\rSkinPath=");
    EXPECT_EQ(player->settings.Skin, programDir.path() + "/default.skin");
    EXPECT_EQ(window.moves, 0); // no stored position: the designed place
    EXPECT_TRUE(window.visible);
    EXPECT_TRUE(player->Timer1.isActive() && player->Timer2.isActive());

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
}

TEST_F(StartUp, StartMinHidesOnlyWhereATrayCanBringTheWindowBack) {
    store.Set("StartMin", " 1");
    player->Form_Load({});
    EXPECT_TRUE(window.minimized);

    window = test::FakeMainWindow();
    window.tray = true;
    MakePlayer();
    player->Form_Load({});
    EXPECT_FALSE(window.visible);
    EXPECT_FALSE(window.minimized);
}

TEST_F(StartUp, ActivationAppliesStayOnTopFromTheSetting) {
    store.Set("WinOnTop", " 1");
    player->Form_Load({});
    player->Form_Activate();
    EXPECT_TRUE(window.onTop);
    player->settings.WinOnTop = 0;
    player->Form_Activate();
    EXPECT_FALSE(window.onTop);
}

TEST_F(StartUp, UnloadWritesTheSettingsOnceWithoutPosition) {
    player->Form_Load({});
    player->TNum = 3;
    player->Form_Unload();
    player->Form_Unload(); // a second close does not write again
    EXPECT_EQ(store.Value("WinOnTop"), " 0");
    EXPECT_EQ(store.Value("PBOverlap"), "0");
    EXPECT_EQ(store.Value("SnoozeTime"), "23:59");
    EXPECT_EQ(store.Value("LastTrack"), " 3");
    EXPECT_TRUE(store.Value("X").isNull());
    EXPECT_EQ(std::count_if(store.writes.begin(), store.writes.end(),
                            [](const auto& w) { return w.first == "LastTrack"; }),
              1);
    EXPECT_FALSE(player->Timer1.isActive());
}

TEST_F(StartUp, MixerStartsTheFirstFoundElseSaysSo) {
    player->ShowMixer();
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains("pavucontrol"));
    shell.available = {"pavucontrol-qt"};
    player->ShowMixer();
    shell.available << "pavucontrol";
    player->ShowMixer();
    EXPECT_EQ(shell.started, QStringList({"/usr/bin/pavucontrol-qt", "/usr/bin/pavucontrol"}));
}
