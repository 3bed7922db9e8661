#include "support/TestFiles.h"
#include "trackinfo/Genres.h"
#include "trackinfo/Id3v1File.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace velto;

namespace {

QByteArray Audio(int n) { return QByteArray(n, '\x55'); }

// A tag written byte by byte: the comment's 30 bytes include bytes 125 and 126.
QByteArray RawTag(const QByteArray& title, const QByteArray& comment30, int genre) {
    return "TAG" + title.leftJustified(30, ' ') + QByteArray(30, 'a') + QByteArray(30, 'b') +
           "1999" + comment30.leftJustified(30, ' ', true) + char(genre);
}

TagForm Form(const QString& title, const QString& track, int genre = 0) {
    return {title, "Artist", "Album", "2024", "Comment", track, genre};
}

} // namespace

TEST(Id3v1, ReadsTheStandardPlaceAndShowsFields) {
    test::TempDir dir;
    const auto read = [&](const QByteArray& bytes) {
        return TagFormOf(ReadId3v1(dir.write("t.mp3", bytes)).value());
    };
    // ID3v1.1: byte 125 is 0 and byte 126 the track. A "tag" before it is no tag.
    const QByteArray v11 = QByteArray("c").leftJustified(28, ' ') + QByteArray("\0\7", 2);
    const auto rock = read(Audio(300) + "tag" + RawTag({"  Caf\xe9\0junk", 11}, v11, 17));
    EXPECT_EQ(rock.Title + rock.Track + GenreNames().value(rock.GenreEntry), "Café07Rock");
    EXPECT_EQ(read(Audio(300) + RawTag("x", "", 255)).GenreEntry, 0);

    // Neither a "TAG" before the last 128 bytes (an APEv2 footer holds one) nor
    // a lower-case "tag" is a tag.
    for (const QByteArray& end : {QByteArray("APETAGEX").leftJustified(200, '\0'),
                                  QByteArray("tag").leftJustified(128, 'x')}) {
        const TagForm none = read(Audio(300) + end);
        EXPECT_TRUE(none.GenreEntry == 0 && none.Track == "00" && none.Title.isEmpty());
    }
    EXPECT_FALSE(ReadId3v1(dir.write("t.mp3", Audio(255))));
    EXPECT_FALSE(ReadId3v1(dir.path()));
}

TEST(Id3v1, SaveAppendsOnceThenUpdatesInPlaceAndARefusedOrFailedSaveChangesNothing) {
    test::TempDir dir;
    const QByteArray before = Audio(400) + QByteArray("APETAGEX").leftJustified(32, '\1');
    const QString path = dir.write("t.mp3", before);
    EXPECT_EQ(SaveIDTag(path, Form(QString(40, u'T'), "7")), TagSaveOutcome::Added);
    QByteArray after = dir.read("t.mp3");
    ASSERT_TRUE(after.size() == before.size() + 128 && after.startsWith(before));
    EXPECT_EQ(after.sliced(before.size() + 3, 30), QByteArray(30, 'T'));
    EXPECT_EQ(after.sliced(before.size() + 125, 3), QByteArray("\0\7\xfe", 3));

    EXPECT_EQ(SaveIDTag(path, Form("Short \u03a9\U0001F600", "", 3)), TagSaveOutcome::Updated);
    after = dir.read("t.mp3"); // updated in place
    EXPECT_TRUE(after.size() == before.size() + 128 &&
                after.first(before.size() + 33) ==
                    before + QByteArray("TAGShort ??").leftJustified(33));
    EXPECT_EQ(ReadId3v1(path).value().Genre, 2);

    // A v1.0 comment of 30 characters survives a save with track 0.
    const QByteArray comment(30, 'C');
    const QString v10 = dir.write("v10.mp3", Audio(300) + RawTag("t", comment, 1));
    const TagForm form = TagFormOf(ReadId3v1(v10).value());
    EXPECT_EQ(SaveIDTag(v10, form), TagSaveOutcome::Updated);
    EXPECT_EQ(dir.read("v10.mp3").last(31).first(30), comment);

    EXPECT_EQ(SaveIDTag(dir.write("tiny.mp3", Audio(255)), form), TagSaveOutcome::TooShort);
    EXPECT_EQ(dir.read("tiny.mp3"), Audio(255));

    const QByteArray plain = Audio(1000);
    const QString untagged = dir.write("u.mp3", plain);
    for (const char* track : {"256", "x", "-1", "7x", "1.5"})
        EXPECT_EQ(SaveIDTag(untagged, Form("t", track)), TagSaveOutcome::BadTrack) << track;

    // The file may grow by 50 bytes only: the append fails halfway and is cut back.
    const auto saveWithin50Bytes = [&] {
        const rlim_t most = rlim_t(plain.size() + 50);
        const rlimit limit{most, most};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, SIG_IGN);
        std::exit(int(SaveIDTag(untagged, Form("t", "1"))));
    };
    EXPECT_EXIT(saveWithin50Bytes(), testing::ExitedWithCode(int(TagSaveOutcome::WriteFailed)), "");
    EXPECT_EQ(dir.read("u.mp3"), plain);

    // A FIFO would block a reader; a missing file is not made.
    ASSERT_EQ(mkfifo(dir.file("fifo.mp3").toLocal8Bit().constData(), 0600), 0);
    EXPECT_FALSE(ReadId3v1(dir.file("fifo.mp3")));
    EXPECT_EQ(SaveIDTag(dir.file("fifo.mp3"), Form("t", "1")), TagSaveOutcome::WriteFailed);
    EXPECT_EQ(SaveIDTag(dir.file("gone.mp3"), Form("t", "1")), TagSaveOutcome::WriteFailed);
    EXPECT_FALSE(QFile::exists(dir.file("gone.mp3")));
}

TEST(Id3v1, SaveReplacesTheFileWholeKeepingModeAndLinks) {
    test::TempDir dir;
    const QByteArray before = Audio(5000);
    const QString path = dir.write("t.mp3", before);
    const QByteArray native = QFile::encodeName(path);
    ASSERT_EQ(chmod(native.constData(), 0640), 0);
    struct stat old {
    }, now{};
    ASSERT_EQ(stat(native.constData(), &old), 0);
    EXPECT_EQ(SaveIDTag(path, Form("new", "1")), TagSaveOutcome::Added);
    ASSERT_EQ(stat(native.constData(), &now), 0);
    EXPECT_NE(now.st_ino, old.st_ino) << "a new file, renamed over the old one";
    EXPECT_TRUE((now.st_mode & 07777) == 0640u && dir.read("t.mp3").startsWith(before));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{"t.mp3"});

    // Through a symbolic link: the file it names changes, the link stays.
    ASSERT_TRUE(QFile::link(path, dir.file("link.mp3")));
    EXPECT_EQ(SaveIDTag(dir.file("link.mp3"), Form("linked", "2")), TagSaveOutcome::Updated);
    EXPECT_TRUE(QFileInfo(dir.file("link.mp3")).isSymLink() &&
                ReadId3v1(path).value().Title.trimmed() == "linked");

    // Hard links would keep the old version apart: such a file is patched in place.
    ASSERT_EQ(link(native.constData(), QFile::encodeName(dir.file("hard.mp3")).constData()), 0);
    EXPECT_EQ(SaveIDTag(path, Form("both", "3")), TagSaveOutcome::Updated);
    EXPECT_EQ(ReadId3v1(dir.file("hard.mp3")).value().Title.trimmed(), "both");
}
