// Playlists made to hurt, and entries that are not media files: binary bytes,
// megabyte lines, NUL bytes, more entries than the list holds, and entries
// naming devices, pipes, sockets and folders. Each is read or played as far as
// it can be, without a hang, and no file changes.
#include "fakes/PlaybackFixture.h"
#include "playlist/PlaylistFiles.h"
#include "scheduler/AutoListFile.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cstring>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace velto;

namespace {

// Every file below `folder` with its size, time and bytes.
std::string Snapshot(const QString& folder) {
    QStringList out;
    QDirIterator it(folder, QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        QString line = info.filePath() + QString::number(info.size()) +
                       info.lastModified().toString(Qt::ISODateWithMs);
        QFile f(info.filePath());
        if (info.isFile() && f.open(QIODevice::ReadOnly))
            line += QString::number(qHash(f.readAll()));
        out << line;
    }
    out.sort();
    return out.join(u'\n').toStdString();
}

// A socket file at path, kept open while the returned descriptor lives.
int MakeSocket(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(addr.sun_path, name.constData(),
                std::min<size_t>(name.size(), sizeof addr.sun_path - 1));
    ::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
    return fd;
}

} // namespace

class PlaylistHostile : public test::PlaybackFixture {};

TEST_F(PlaylistHostile, BinaryHugeAndNulFilledPlaylistsReadWhatLinesTheyHold) {
    QByteArray binary(64 * 1024, '\0');
    QRandomGenerator random(21);
    for (char& c : binary)
        c = char(random.bounded(256));
    QByteArray many;
    for (int i = 0; i < 100000; ++i)
        many += "t" + QByteArray::number(i) + ".mp3\n";
    const QList<std::pair<QByteArray, int>> lists = {
        {binary, -1},
        {QByteArray(1024 * 1024, 'a') + ".mp3\r\nb.mp3\r\n", 2},
        {QByteArray("a\0b.mp3\r\n\0\r\nc.mp3\0", 18), 3},
        {many, kMaxPlaylistEntries}};
    for (const auto& [bytes, entries] : lists) {
        for (const char* name : {"list.pls", "list.m3u"}) {
            player->PlClear();
            const QString file = music.write(name, bytes);
            const std::string before = Snapshot(music.path());
            player->PlRead(file);
            const int expected = QByteArray(name).endsWith("pls") ? 0 : entries;
            if (expected >= 0) {
                EXPECT_EQ(player->playlist.Count(), expected) << name;
            }
            EXPECT_EQ(Snapshot(music.path()), before);
        }
    }
    // The largest fills the list exactly: one entry more is refused.
    EXPECT_EQ(player->playlist.At(kMaxPlaylistEntries - 1).name, "t32765");
    player->AddName = player->AddTitle = player->AddPath = "one more.mp3";
    player->PlAdd();
    EXPECT_EQ(player->playlist.Count(), kMaxPlaylistEntries);
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(PlaylistHostile, DevicesPipesSocketsAndFoldersAreNeverReadAsFiles) {
    const QString dir = music.path();
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir + "/pipe.mp3"), 0600), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir + "/pipe.m3u"), 0600), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir + "/autolist.txt"), 0600), 0);
    const int socket = MakeSocket(dir + "/socket.mp3");
    ASSERT_TRUE(QDir(dir).mkdir("folder.mp3"));
    ASSERT_TRUE(QFile::link("/dev/zero", dir + "/zero.mp3"));
    ASSERT_TRUE(QFile::link("/dev/zero", dir + "/zero.m3u"));
    music.write("empty.mp3", "");
    music.write("list.m3u", "/dev/zero\r\npipe.mp3\r\nsocket.mp3\r\nfolder.mp3\r\nzero.mp3\r\n"
                            "empty.mp3\r\n/dev/zero.mp3\r\n");
    const std::string before = Snapshot(dir);

    // Playlists that are not regular files read as empty, without blocking.
    player->PlRead(dir + "/pipe.m3u");
    player->PlRead(dir + "/zero.m3u");
    EXPECT_EQ(player->playlist.Count(), 0);
    EXPECT_EQ(ReadAutoList(dir + "/autolist.txt"), QStringList());

    player->settings.UseTagCover = 1;
    player->PlRead(dir + "/list.m3u");
    ASSERT_EQ(player->playlist.Count(), 7);
    for (int16_t n = 1; n <= 7; ++n) {
        SCOPED_TRACE(player->playlist.At(n - 1).path.toStdString());
        player->TNum = n;
        player->PlayIt();
        // Nothing was read from any of them: the stream fields stay empty.
        for (int field : {lbl::Bitrate, lbl::Frequency, lbl::ChannelMode})
            EXPECT_EQ(player->surface.Lbl[field].caption, "");
    }
    EXPECT_TRUE(player->playlist.At(6).name.contains(kFileNotFound));
    EXPECT_EQ(Snapshot(dir), before);
    ::close(socket);
}
