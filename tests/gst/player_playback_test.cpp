// The player on the real elements: continuous playback with overlap on
// alternating elements, and entries that cannot play reported.
#include "app/Player.h"
#include "fakes/FakePorts.h"
#include "gst/GstTestMedia.h"
#include "platform/GstMediaElement.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

using namespace velto;
using namespace velto::test;

namespace {

class RealPlayback : public ::testing::Test {
protected:
    static void SetUpTestSuite() { UseQuietSinks(); }
    // Ticks the playback timer (for a bounded time) until `done`.
    bool TickUntil(const std::function<bool()>& done) {
        return WaitUntil([&] { return player.Timer1_Timer(), done(); }, 15000);
    }

    TempDir dir, user;
    FakeSettingsStore store;
    FakeDialogs dialogs;
    FakeClock clock;
    FakeShell shell;
    GstMediaElementFactory media;
    Player player{Ports{store, dialogs, clock, shell, Folders{dir.path(), user.path()}, media}};
};

TEST_F(RealPlayback, TracksFollowEachOtherOverlappingOnTheOtherElement) {
    player.settings.PBOverlap = 400;
    player.playlist.Append({{"one", dir.write("one.wav", WavTone(1200))},
                            {"two", dir.write("two.wav", WavTone(1200, 22050))}});
    player.PlayIt();
    ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('|').toStdString();
    EXPECT_NEAR(player.SongLen, 1200, 50);
    ASSERT_TRUE(TickUntil([&] { return player.TNum == 2; }));
    EXPECT_EQ(player.PlayUnit, 1);
    // The first track's tail and the second track play together for a moment.
    EXPECT_EQ(player.MMControl(0).Mode(), kModePlaying);
    EXPECT_EQ(player.MMControl(1).Mode(), kModePlaying);
    ASSERT_TRUE(TickUntil([&] { return player.TNum == 1; }));
    EXPECT_EQ(player.PlayUnit, 0);
    EXPECT_TRUE(dialogs.messages.isEmpty());
    player.StopIt();
    EXPECT_NE(player.MMControl(0).Mode(), kModePlaying);
}

TEST_F(RealPlayback, UnplayableEntriesAreReportedNotPlayed) {
    player.playlist.Append({{"junk", dir.write("junk.mp3", QByteArray(30000, '\x5a'))},
                            {"cd", "cdda://1"},
                            {"cd file", "/media/cdrom/Track5.cda"},
                            {"no track", "/media/cdrom/Track.cda"}});
    for (int16_t n = 1; n <= 4; ++n) { // no disc here, and the last names no track
        player.TNum = n;
        player.PlayIt();
        EXPECT_EQ(player.Playing, 0) << n;
    }
    ASSERT_EQ(dialogs.messages.size(), 4);
    EXPECT_TRUE(dialogs.messages[0].startsWith("MCI Device: ActiveMovie\r\r"));
    EXPECT_TRUE(dialogs.messages[0].endsWith(
        "\r\rUnknown file format, corrupt file, or un-supported variation of known format."));
    for (int i = 1; i <= 3; ++i)
        EXPECT_TRUE(dialogs.messages[i].startsWith("MCI Device: cdaudio\r\r")) << i;
    EXPECT_EQ(player.Dev, "");
    EXPECT_FALSE(player.Timer1.isActive());
}

} // namespace
