// Media that is no media, on the real elements: empty files and random bytes
// under the player's media extensions, and entries naming a device, a pipe, a
// socket or a folder. Each is reported and not played; none hangs the player.
#include "app/Player.h"
#include "fakes/FakePorts.h"
#include "gst/GstTestMedia.h"
#include "platform/GstMediaElement.h"
#include "support/TestFiles.h"

#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace velto;
using namespace velto::test;

TEST(HostileMedia, EmptyRandomAndSpecialFilesAreReportedNotPlayed) {
    UseQuietSinks();
    TempDir dir, user;
    FakeSettingsStore store;
    FakeDialogs dialogs;
    FakeClock clock;
    FakeShell shell;
    GstMediaElementFactory media;
    Player player{Ports{store, dialogs, clock, shell, Folders{dir.path(), user.path()}, media}};

    QByteArray noise(4096, '\0');
    QRandomGenerator random(21);
    for (char& c : noise)
        c = char(random.bounded(256));
    std::vector<PlaylistEntry> entries;
    for (const char* ext : {"mp3", "wav", "ogg", "mid", "mod", "avi"}) {
        const QString e = QString::fromLatin1(ext);
        entries.push_back({"empty " + e, dir.write("empty." + e, "")});
        entries.push_back({"noise " + e, dir.write("noise." + e, noise)});
    }
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.file("pipe.wav")), 0600), 0);
    const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const QByteArray socketName = QFile::encodeName(dir.file("socket.ogg"));
    ASSERT_LT(size_t(socketName.size()), sizeof addr.sun_path);
    std::copy(socketName.begin(), socketName.end(), addr.sun_path);
    ASSERT_EQ(::bind(socket, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.mp3"));
    for (const char* name : {"pipe.wav", "socket.ogg", "folder.mp3"})
        entries.push_back({name, dir.file(name)});
    entries.push_back({"zero", "/dev/zero"});
    player.playlist.Append(entries);

    for (int16_t n = 1; n <= player.playlist.Count(); ++n) {
        SCOPED_TRACE(player.playlist.At(n - 1).path.toStdString());
        dialogs.messages.clear();
        player.TNum = n;
        player.PlayIt();
        ASSERT_EQ(dialogs.messages.size(), 1);
        EXPECT_TRUE(dialogs.messages[0].startsWith("MCI Device: "))
            << dialogs.messages[0].toStdString();
        EXPECT_EQ(player.Dev, "");
        EXPECT_NE(player.MMControl(player.PlayUnit).Mode(), kModePlaying);
    }
    ::close(socket);
}
