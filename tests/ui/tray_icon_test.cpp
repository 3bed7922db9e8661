// The tray icon widget: its tip, its menu and its clicks, on a player with fake ports.
#include "fakes/PlayerFixture.h"
#include "ui/tray/frmIcon.h"

#include <QMenu>

using namespace velto;

using TrayIcon = test::PlayerFixture;

TEST_F(TrayIcon, ClicksAndTheMenuReachThePlayerOnce) {
    frmIcon icon;
    icon.AttachPlayer(player.get());
    // The application icon: the picture drawn for the size, never larger than asked.
    const QIcon shown = icon.icon();
    EXPECT_EQ(shown.availableSizes().size(), 7);
    EXPECT_EQ(shown.pixmap(22).toImage(),
              QImage(":/icons/velto-22.png").convertToFormat(shown.pixmap(22).toImage().format()));
    EXPECT_EQ(shown.pixmap(20).size(), QSize(20, 20));
    EXPECT_EQ(shown.pixmap(300).size(), QSize(128, 128));
    ASSERT_TRUE(icon.contextMenu() && icon.contextMenu()->actions().size() > 10);
    AddTracks({{"a.mp3", 60000}});
    icon.contextMenu()->actions().value(10)->trigger(); // "Clear Playlist"
    EXPECT_EQ(model().Count(), 0);

    // A double click is a Trigger and then a DoubleClick: one press.
    for (const auto reason :
         {QSystemTrayIcon::Trigger, QSystemTrayIcon::DoubleClick, QSystemTrayIcon::Context})
        emit icon.activated(reason);
    EXPECT_TRUE(window.raises == 1 && window.visible) << window.raises;
}
