// The tray icon as the way back to a hidden main window, and its menu.
#include "app/WindowHiding.h"
#include "fakes/PlayerFixture.h"

using namespace velto;

class TrayTest : public test::PlayerFixture {
protected:
    TrayTest() {
        tray.available = true;
        player->Form_Load({});
    }
    void Hide() { player->DoIt(Code(Action::HideMain)); }
    bool Watching() { return player->Hiding().TrayWatch.isActive(); }
};

TEST_F(TrayTest, ALeftPressRaisesHidingNeedsAShownTrayAndAVanishedTrayGivesTheWindowBack) {
    ASSERT_TRUE(tray.added && window.visible);
    // A left press raises the window unless the options dialog is open.
    player->settings.WinOnTop = 1;
    Hide();
    player->OptionsVisible = true;
    player->TrayLeftPress();
    EXPECT_TRUE(!window.visible && window.raises == 0);

    player->OptionsVisible = false; // the dialog closed
    player->TrayLeftPress();
    EXPECT_TRUE(window.visible && window.onTop && !Watching() && window.raises == 1);

    // A shown window comes to the front all the same, stacked as its setting says.
    player->settings.WinOnTop = 0;
    player->TrayLeftPress();
    EXPECT_TRUE(window.raises == 2 && !window.onTop);

    // A menu item runs its command, other numbers nothing.
    AddTracks({{"a.mp3", 60000}});
    player->mnu_Click(0);
    player->mnu_Click(13);
    EXPECT_TRUE(model().Count() == 1 && window.quitRequests == 0);
    player->mnu_Click(12); // "Exit"
    EXPECT_EQ(window.quitRequests, 1);

    tray.available = false; // no tray: minimised, never lost
    Hide();
    EXPECT_TRUE(window.minimized && window.visible && !Watching());

    tray.available = true;
    player->Raise();
    Hide();
    EXPECT_TRUE(!window.visible && !window.minimized && Watching());
    player->Hiding().TrayWatch_Timer(); // the tray is still there
    EXPECT_FALSE(window.visible);
    tray.available = false; // the panel quit
    player->Hiding().TrayWatch_Timer();
    EXPECT_TRUE(window.visible && !window.minimized && !Watching());

    // Removed at shut-down, after the settings and the playlist are written.
    bool removedLast = false;
    tray.onRemove = [&] {
        removedLast = store.syncs == 1 && QFile::exists(userDir.file("playlist.m3u"));
    };
    player->Form_Unload();
    EXPECT_TRUE(removedLast && !tray.added);
}
