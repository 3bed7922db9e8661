// One player per user folder: later starts hand over to the running one.
#include "desktop/ProgramRun.h"

#include <QDir>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include <gtest/gtest.h>

namespace velto::test {
namespace {

// A caller that sends every player socket half a length and stalls; the descriptors.
std::vector<int> StallEveryPlayer() {
    std::vector<int> fds;
    for (const QString& name : QDir(RuntimeFolder()).entryList({"velto-*"}, QDir::System)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray path = QFile::encodeName(RuntimeFolder() + "/" + name);
        std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0)
            (void)::send(fd, "\0\0", 2, MSG_NOSIGNAL);
        fds.push_back(fd);
    }
    return fds;
}

TEST(OnePlayer, SecondStartHandsItsFileToTheFirstAndEnds) {
    TempDir home, media;
    const QStringList tones = WriteTones(media, {60000, 60000, 60000, 60000});
    ProgramRun first(home.path(), tones.mid(0, 3));
    ASSERT_TRUE(Eventually([] { return Ctl({"status"}) == "Playing"; }));

    // A relative name, as a shell in another folder passes it.
    EXPECT_EQ(ProgramRun(home.path(), {"d.wav"}, media.path()).ExitCode(), 0);
    // Appended as entry 4 (playerctl quotes object paths) and playing.
    EXPECT_TRUE(Eventually([] {
        return Ctl({"metadata", "mpris:trackid"}) == "'/org/velto/track/4'" &&
               Ctl({"metadata", "xesam:url"}).endsWith("/d.wav") && Ctl({"status"}) == "Playing";
    }));
    // Without items it only brings the window forward.
    EXPECT_EQ(ProgramRun(home.path(), {}).ExitCode(), 0);
    EXPECT_TRUE(first.Terminate());
}

TEST(OnePlayer, SocketOfAKilledPlayerIsTakenOverAndOtherFoldersHaveTheirOwn) {
    TempDir home, otherHome, media;
    const QStringList tones = WriteTones(media, {60000, 60000, 60000});
    {
        ProgramRun killed(home.path(), {tones[0]});
        ASSERT_TRUE(Eventually([] { return Ctl({"status"}) == "Playing"; }));
        killed.process.kill();
        killed.process.waitForFinished();
    }
    ASSERT_FALSE(QDir(RuntimeFolder()).entryList({"velto-*"}, QDir::System).isEmpty());

    ProgramRun next(home.path(), {tones[1]});
    EXPECT_TRUE(Eventually([] { return Ctl({"metadata", "xesam:title"}) == "b"; }));
    // It listens in the killed one's place: a later start hands over to it,
    // while another caller stalls half-way.
    const std::vector<int> stalled = StallEveryPlayer();
    EXPECT_EQ(ProgramRun(home.path(), {tones[2]}).ExitCode(), 0);
    for (const int fd : stalled)
        ::close(fd);
    EXPECT_TRUE(Eventually([] { return Ctl({"metadata", "xesam:title"}) == "c"; }));

    // A player on another folder runs beside it, under its own bus name.
    ProgramRun other(otherHome.path(), {tones[0]});
    const QString name = "velto.instance" + QString::number(other.process.processId());
    EXPECT_TRUE(Eventually([&] { return Ctl({"metadata", "xesam:title"}, name) == "a"; }));
    EXPECT_TRUE(next.Terminate());
    EXPECT_TRUE(other.Terminate());
}

} // namespace
} // namespace velto::test
