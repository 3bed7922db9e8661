// A real MPRIS client, playerctl, drives the program on the private bus.
#include "desktop/ProgramRun.h"
#include "support/TestPictures.h"

#include <cmath>

#include <gtest/gtest.h>

namespace velto::test {
namespace {

// playerctl gives times in seconds; the length in microseconds.
double Seconds(const QString& text) { return text.isEmpty() ? -1 : text.toDouble(); }

TEST(Mpris, PlayerctlDrivesTransportVolumePositionAndModes) {
    TempDir home, media;
    WriteTones(media, {60000, 50000});
    // A playlist with a picture of its name: the cover a client is given.
    media.write("mix.jpg", PictureBytes("JPG", Qt::red));
    ProgramRun velto(home.path(), {media.write("mix.m3u", "a.wav\nb.wav\n")});

    // Status changes arrive as signals at a client that follows them.
    QProcess follower;
    follower.start("playerctl",
                   {"-p", "velto", "--follow", "metadata", "--format", "{{status}} {{title}}"});
    const auto printed = [](QProcess& client, const QString& text) {
        return Eventually([&] {
            client.waitForReadyRead(100);
            return QString::fromUtf8(client.peek(1 << 16)).contains(text);
        });
    };
    const auto followed = [&](const QString& line) { return printed(follower, line); };

    ASSERT_TRUE(Eventually([] { return Ctl({"status"}) == "Playing"; }));
    EXPECT_EQ(Ctl({"metadata", "xesam:title"}), "a");
    EXPECT_NEAR(Ctl({"metadata", "mpris:length"}).toLongLong(), 60000000, 100000);
    EXPECT_TRUE(Ctl({"metadata", "xesam:url"}).endsWith("/a.wav"));
    EXPECT_TRUE(Ctl({"metadata", "mpris:artUrl"}).endsWith("/mix.jpg"));

    Ctl({"pause"});
    EXPECT_TRUE(followed("Paused a"));
    // A jump while paused stays paused there.
    Ctl({"position", "20"});
    EXPECT_TRUE(Eventually([] { return std::abs(Seconds(Ctl({"position"})) - 20) < 0.2; }));
    const QString pausedAt = Ctl({"position"});

    Ctl({"volume", "0.4"});
    EXPECT_NEAR(Ctl({"volume"}).toDouble(), 0.4, 0.011);
    Ctl({"loop", "Track"});
    EXPECT_EQ(Ctl({"loop"}), "Track");
    Ctl({"loop", "None"}); // the player always goes on from the last entry to the first
    EXPECT_EQ(Ctl({"loop"}), "Playlist");
    Ctl({"shuffle", "On"});
    EXPECT_EQ(Ctl({"shuffle"}), "On");
    EXPECT_EQ(Ctl({"position"}), pausedAt);
    EXPECT_EQ(Ctl({"status"}), "Paused");

    Ctl({"play"});
    EXPECT_TRUE(Eventually([] { return Seconds(Ctl({"position"})) > 20.5; }));
    EXPECT_EQ(Ctl({"status"}), "Playing");
    // A jump within the playing track is announced to clients that follow
    // the position.
    QProcess monitor;
    monitor.start("dbus-monitor", {"--session", "type='signal',member='Seeked'"});
    ASSERT_TRUE(monitor.waitForReadyRead(5000)); // listening
    Ctl({"position", "30"});
    EXPECT_TRUE(printed(monitor, "member=Seeked"));
    monitor.kill();
    monitor.waitForFinished();
    Ctl({"next"});
    EXPECT_TRUE(followed("Playing b"));
    EXPECT_NEAR(Ctl({"metadata", "mpris:length"}).toLongLong(), 50000000, 100000);
    Ctl({"previous"});
    EXPECT_TRUE(Eventually([] { return Ctl({"metadata", "xesam:title"}) == "a"; }));
    Ctl({"position", "40"});
    EXPECT_TRUE(Eventually([] {
        const double s = Seconds(Ctl({"position"}));
        return s >= 40 && s < 50;
    }));

    Ctl({"stop"});
    EXPECT_TRUE(followed("Stopped a"));
    EXPECT_EQ(Seconds(Ctl({"position"})), 0);
    follower.kill();
    follower.waitForFinished();
    EXPECT_TRUE(velto.Terminate());
}

} // namespace
} // namespace velto::test
