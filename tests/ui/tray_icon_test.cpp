// The tray icon widget: its tip, its menu and its clicks, on a player with fake ports.
#include "fakes/PlayerFixture.h"
#include "ui/tray/frmIcon.h"

#include <QMenu>

using namespace velto;

using TrayIcon = test::PlayerFixture;

TEST_F(TrayIcon, ClicksAndTheMenuReachThePlayerOnce) {
    frmIcon icon;
    icon.AttachPlayer(player.get());
    EXPECT_EQ(icon.toolTip(), "Velto");
    EXPECT_FALSE(icon.icon().isNull());

    ASSERT_NE(icon.contextMenu(), nullptr);
    const QList<QAction*> items = icon.contextMenu()->actions();
    ASSERT_EQ(items.size(), 12);
    EXPECT_TRUE(items.front()->text() == "&Options..." && items.back()->text() == "Exit");
    AddTracks({{"a.mp3", 60000}});
    items[10]->trigger(); // "Clear Playlist"
    EXPECT_EQ(model().Count(), 0);

    // A double click is a Trigger and then a DoubleClick: one press.
    emit icon.activated(QSystemTrayIcon::Trigger);
    emit icon.activated(QSystemTrayIcon::DoubleClick);
    emit icon.activated(QSystemTrayIcon::Context);
    EXPECT_EQ(window.raises, 1);
    EXPECT_TRUE(window.visible);
}
