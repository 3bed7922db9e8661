// Playlists made to hurt, and entries that are not media files. Each is read
// or played as far as it can be, without a hang, and no file changes.
#include "fakes/PlayerFixture.h"
#include "playlist/PlaylistFiles.h"
#include "scheduler/AutoListFile.h"

#include <QDateTime>
#include <QDirIterator>
#include <QRandomGenerator>

#include <sys/stat.h>
#include <unistd.h>

using namespace velto;

namespace {
// Every entry below `folder` with its size and time.
QString Snapshot(const QString& folder) {
    QStringList out;
    for (QDirIterator it(folder, QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
         it.hasNext();) {
        const QFileInfo info(it.next());
        out << info.fileName() + QString::number(info.size()) +
                   info.lastModified().toString(Qt::ISODateWithMs);
    }
    out.sort();
    return out.join(u'|');
}
} // namespace

using PlaylistHostile = test::PlayerFixture;

TEST_F(PlaylistHostile, BinaryHugeAndNulFilledListsAndEntriesThatAreNoFiles) {
    QByteArray binary(65536, '\0');
    QRandomGenerator random(21);
    for (char& c : binary)
        c = char(random.bounded(256));
    const QList<std::pair<QByteArray, int>> lists = {
        {binary, -1},
        {QByteArray(1024 * 1024, 'a') + ".mp3\r\nb.mp3\r\n", 2},
        {QByteArray("a\0b.mp3\r\n\0\r\nc.mp3\0", 18), 3},
        {QByteArray("t.mp3\n").repeated(100000), kMaxPlaylistEntries}};
    for (const auto& [bytes, entries] : lists) {
        for (const char* name : {"list.pls", "list.m3u"}) { // none has a "File" line
            player->PlClear();
            player->PlRead(music.write(name, bytes));
            const int expected = name[5] == 'p' ? 0 : entries; // -1: any count
            EXPECT_TRUE(expected < 0 || player->playlist.Count() == expected) << name;
        }
    }

    const QString dir = music.path();
    for (const char* fifo : {"/pipe.mp3", "/pipe.m3u", "/autolist.txt"})
        ASSERT_EQ(::mkfifo(QFile::encodeName(dir + fifo), 0600), 0);
    const int socket = test::BindSocketFile(QFile::encodeName(dir + "/socket.mp3"));
    ASSERT_TRUE(QDir(dir).mkdir("folder.mp3"));
    ASSERT_TRUE(QFile::link("/dev/zero", dir + "/zero.mp3") &&
                QFile::link("/dev/zero", dir + "/zero.m3u"));
    music.write(
        "list.m3u",
        "/dev/zero\r\npipe.mp3\r\nsocket.mp3\r\nfolder.mp3\r\nzero.mp3\r\n/dev/zero.mp3\r\n");
    const QString before = Snapshot(dir);
    // Lists that are not regular files read as empty, without blocking.
    player->PlClear();
    player->PlRead(dir + "/pipe.m3u");
    player->PlRead(dir + "/zero.m3u");
    EXPECT_EQ(player->playlist.Count(), 0);
    for (const char* name : {"/autolist.txt", "/folder.mp3", "/missing.txt"})
        EXPECT_EQ(ReadAutoList(dir + name), QStringList()) << name;

    player->PlRead(dir + "/list.m3u");
    player->settings.UseTagCover = 1;
    for (int16_t n = 1; n <= 6; ++n) {
        player->TNum = n;
        player->PlayIt();
        // Nothing was read from any of them: the stream fields stay empty.
        for (int field : {lbl::Bitrate, lbl::Frequency, lbl::ChannelMode})
            EXPECT_EQ(player->surface.Lbl[field].caption, "") << n;
    }
    EXPECT_TRUE(player->playlist.At(5).name.contains(kFileNotFound));
    EXPECT_EQ(Snapshot(dir), before);
    ::close(socket);
}
