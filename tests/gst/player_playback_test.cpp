// The player on the real elements: continuous playback with overlap on
// alternating elements, and entries that cannot play reported (media that is
// no media included), none of them hanging the player.
#include "app/Player.h"
#include "fakes/FakePorts.h"
#include "gst/GstTestMedia.h"
#include "platform/GstMediaElement.h"
#include "support/TestFiles.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

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
    player.playlist.Append(
        {{"junk", dir.write("junk.mp3", QByteArray(30000, '\x5a'))}, {"cd", "cdda://1"}});
    player.PlayIt();
    player.TNum = 2; // no disc here
    player.PlayIt();
    ASSERT_EQ(dialogs.messages.size(), 2);
    EXPECT_TRUE(dialogs.messages[0].startsWith("MCI Device: ActiveMovie\r\r"));
    EXPECT_TRUE(dialogs.messages[0].endsWith(
        "\r\rUnknown file format, corrupt file, or un-supported variation of known format."));
    EXPECT_TRUE(dialogs.messages[1].startsWith("MCI Device: cdaudio\r\r"));
    EXPECT_EQ(player.Dev, "");
    EXPECT_FALSE(player.Timer1.isActive());
}

// Empty files and random bytes under a handful of the media extensions, and
// entries naming a pipe, a socket, a folder and a device.
TEST_F(RealPlayback, MediaThatIsNoMediaIsReportedNotPlayed) {
    QByteArray noise(4096, '\0');
    QRandomGenerator random(21);
    for (char& c : noise)
        c = char(random.bounded(256));
    for (const QString ext : {"mp3", "wav", "ogg", "mid", "mod", "avi"})
        player.playlist.Append(
            {{ext, dir.write("empty." + ext, "")}, {ext, dir.write("noise." + ext, noise)}});
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.file("pipe.wav")), 0600), 0);
    const int socket = BindSocketFile(QFile::encodeName(dir.file("socket.ogg")));
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.mp3"));
    player.playlist.Append({{"p", dir.file("pipe.wav")},
                            {"s", dir.file("socket.ogg")},
                            {"f", dir.file("folder.mp3")},
                            {"z", "/dev/zero"}});
    for (int16_t n = 1; n <= player.playlist.Count(); ++n) {
        dialogs.messages.clear();
        player.TNum = n;
        player.PlayIt();
        ASSERT_EQ(dialogs.messages.size(), 1) << player.playlist.At(n - 1).path.toStdString();
        EXPECT_TRUE(dialogs.messages[0].startsWith("MCI Device: "));
        EXPECT_NE(player.MMControl(player.PlayUnit).Mode(), kModePlaying);
    }
    ::close(socket);
}

} // namespace
