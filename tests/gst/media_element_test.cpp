// The GStreamer element on media the tests make: lengths, positions, stop and resume, the
// error codes and the end of a medium; then the player on two real elements at once.
#include "fakes/PlayerFixture.h"
#include "gst/GstTestMedia.h"
#include "platform/GstMediaElement.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <gtest/gtest.h>

using namespace velto;
using namespace velto::test;

namespace {

class GstElementTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { UseQuietSinks(); }

    // Opens `file` as `device`; the error code.
    static int32_t Open(MediaElement& e, const QString& file,
                        const QString& device = kDevActiveMovie) {
        e.DeviceType = device, e.FileName = file, e.Wait = true;
        return e.Command("open"), e.Error();
    }
    static void PlayFrom(MediaElement& e, int32_t from, const char* command = "play") {
        e.From = from, e.Command(command);
    }
    // Still playing: a medium that ended early also reports its length.
    static bool ReachesPosition(MediaElement& e, int32_t ms) {
        return WaitUntil([&] { return e.Position() >= ms && e.Mode() == kModePlaying; });
    }

    GstMediaElementFactory factory;
    TempDir dir;
};

TEST_F(GstElementTest, AWaveFileHasItsLengthAndPlaysStopsAndResumes) {
    auto e = factory.Create(0);
    ASSERT_EQ(Open(*e, dir.write("tone.wav", WavTone(2000))), 0) << e->ErrorMessage().toStdString();
    EXPECT_NEAR(e->TrackLength(), 2000, 50);

    PlayFrom(*e, 0);
    ASSERT_TRUE(ReachesPosition(*e, 300));
    e->Command("stop");
    const int32_t kept = e->Position();
    EXPECT_TRUE(e->Mode() != kModePlaying && kept >= 300) << kept;
    e->Command("play"); // resumes where it stopped
    EXPECT_GE(e->Position(), kept - 50);
    ASSERT_TRUE(ReachesPosition(*e, kept + 200));

    PlayFrom(*e, 1500, "Play"); // seeks while playing
    ASSERT_TRUE(ReachesPosition(*e, 1500));
    PlayFrom(*e, 0, "seek");
    e->Command("stop");
    EXPECT_TRUE(e->Mode() != kModePlaying && e->Position() < 100);
    e->Command("close");
    EXPECT_EQ(e->Mode(), kModeNotOpen);
}

TEST_F(GstElementTest, TheEndOrAnErrorWhilePlayingLeavesThePositionAtTheLength) {
    const QString wav = dir.write("tone.wav", WavTone(3000));
    const QByteArray sink = qgetenv("VELTO_AUDIO_SINK");
    for (const bool failing : {false, true}) {
        if (failing) qputenv("VELTO_AUDIO_SINK", "identity error-after=30 ! fakesink sync=true");
        auto e = factory.Create(0);
        const int32_t opened = Open(*e, wav);
        qputenv("VELTO_AUDIO_SINK", sink);
        ASSERT_EQ(opened, 0);
        PlayFrom(*e, failing ? 0 : 2700);
        ASSERT_TRUE(WaitUntil([&] { return e->Mode() != kModePlaying; })) << failing;
        EXPECT_TRUE(e->TrackLength() > 0 && e->Position() == e->TrackLength()) << failing;
        e->Command("play"); // nothing left to play
        EXPECT_NE(e->Mode(), kModePlaying);
        PlayFrom(*e, 0); // a position starts it again
        EXPECT_EQ(e->Mode() == kModePlaying, !failing);
    }
}

TEST_F(GstElementTest, MadeMediaHaveTheirLengthsAndPlayFromFilesOrHttp) {
    const QString mp3 = dir.file("tone.mp3");
    ASSERT_TRUE(LameEncode(dir.write("tone.wav", WavTone(3000)), mp3));
    HttpFileServer server(dir.read("tone.mp3"));
    for (const auto& [name, length] : {std::pair{mp3, 3000},
                                       {dir.write("note.mid", MidiNote(1000)), 1000},
                                       {server.Url("a.mp3"), 3000}}) {
        auto e = factory.Create(0);
        ASSERT_EQ(Open(*e, name), 0) << e->ErrorMessage().toStdString();
        EXPECT_NEAR(e->TrackLength(), length, 50) << name.toStdString();
        PlayFrom(*e, 0);
        EXPECT_TRUE(ReachesPosition(*e, 300)) << name.toStdString();
    }
}

TEST_F(GstElementTest, UnknownFormatsAndMissingBackendsGiveTheirCodes) {
    auto e = factory.Create(0);
    EXPECT_EQ(Open(*e, dir.write("junk.mp3", Junk(20000))), kErrUnknownFormat);
    EXPECT_TRUE(!e->ErrorMessage().isEmpty() && e->Mode() == kModeNotOpen);
    EXPECT_EQ(Open(*e, dir.write("film.mmm", "RIFF...."), kDevMMMovie), kErrNoDevice);
    EXPECT_TRUE(e->ErrorMessage().contains("MMMovie"));
    EXPECT_EQ(Open(*e, dir.file("nothing.wav")), kErrFileNotFound);

    // The same element opens a good file afterwards, and again after "close".
    const QString wav = dir.write("tone.wav", WavTone(1000));
    EXPECT_EQ(Open(*e, wav), 0);
    EXPECT_EQ(e->ErrorMessage(), "");
    e->Command("close"); // a module opens the same way
    ASSERT_EQ(Open(*e, wav, kDevModule), 0);
    PlayFrom(*e, 0);
    EXPECT_TRUE(ReachesPosition(*e, 100));
}

TEST_F(GstElementTest, AVbrLengthWithoutAHeaderGrowsToTheRealOneWhilePlaying) {
    const QString mp3 = dir.file("vbr.mp3");
    ASSERT_TRUE(
        LameEncode(dir.write("vbr.wav", WavNoiseThenSilence(1500, 2000)), mp3, {"-V", "2", "-t"}));
    auto e = factory.Create(0);
    ASSERT_EQ(Open(*e, mp3), 0) << e->ErrorMessage().toStdString();
    PlayFrom(*e, 0);
    // Estimated from the loud first frames, the length starts short.
    int32_t firstEstimate = 0, longest = 0, furthest = 0; // while playing
    ASSERT_TRUE(WaitUntil([&] {
        const int32_t length = e->TrackLength(), position = e->Position();
        if (e->Mode() != kModePlaying) return true;
        if (firstEstimate == 0) firstEstimate = length;
        longest = std::max(longest, length);
        furthest = std::max(furthest, position);
        return false;
    }));
    ASSERT_TRUE(firstEstimate > 0 && firstEstimate < 3000) << firstEstimate;
    EXPECT_GT(longest, firstEstimate);  // asked again while playing
    EXPECT_GT(furthest, firstEstimate); // the position is not held at an estimate
    EXPECT_NEAR(e->TrackLength(), 3500, 60);
    EXPECT_EQ(e->Position(), e->TrackLength());
}

// The player on the real elements: overlap on alternating elements, media that cannot play.
class RealPlayback : public PlayerFixture {
protected:
    static void SetUpTestSuite() { UseQuietSinks(); }
    RealPlayback() { MakePlayer(nullptr, &real); }
    // Ticks the playback timer (for a bounded time) until `done`.
    bool TickUntil(const std::function<bool()>& done) {
        return WaitUntil([&] { return player->Timer1_Timer(), done(); }, 15000);
    }
    GstMediaElementFactory real;
};

TEST_F(RealPlayback, TracksFollowEachOtherOverlappingOnTheOtherElement) {
    player->settings.PBOverlap = 400;
    model().Append({{"one", music.write("one.wav", WavTone(1200))},
                    {"two", music.write("two.wav", WavTone(1200, 22050))}});
    player->PlayIt();
    ASSERT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('|').toStdString();
    EXPECT_NEAR(player->SongLen, 1200, 50);
    ASSERT_TRUE(TickUntil([&] { return player->TNum == 2; }));
    // The first track's tail and the second track play together for a moment.
    EXPECT_EQ(player->PlayUnit, 1);
    EXPECT_TRUE(player->MMControl(0).Mode() == kModePlaying &&
                player->MMControl(1).Mode() == kModePlaying);
    ASSERT_TRUE(TickUntil([&] { return player->TNum == 1; }) && player->PlayUnit == 0);
    player->StopIt();
    EXPECT_NE(player->MMControl(0).Mode(), kModePlaying);
}

// CD tracks without a disc, empty and junk files under media extensions are reported; a pipe,
// socket, folder or device is no file at all.
TEST_F(RealPlayback, MediaThatIsNoMediaIsReportedNotPlayed) {
    model().Append({{"cd", "cdda://1"}, {"cd file", "/media/cdrom/Track5.cda"}}); // no disc here
    for (const QString ext : {"mp3", "wav", "ogg", "mid", "mod", "avi"})
        model().Append({{ext, music.write("empty." + ext, "")},
                        {ext, music.write("noise." + ext, Junk(4096))}});
    const int files = model().Count();
    ASSERT_EQ(::mkfifo(QFile::encodeName(music.file("pipe.wav")), 0600), 0);
    const int socket = test::BindSocketFile(QFile::encodeName(music.file("socket.ogg")));
    ASSERT_TRUE(QDir(music.path()).mkdir("folder.mp3"));
    model().Append({{"p", music.file("pipe.wav")},
                    {"s", music.file("socket.ogg")},
                    {"f", music.file("folder.mp3")},
                    {"z", "/dev/zero"}});
    for (int16_t n = 1; n <= model().Count(); ++n) {
        dialogs.messages.clear();
        player->TNum = n;
        player->PlayIt();
        const bool file = n <= files;
        ASSERT_EQ(dialogs.messages.size(), file ? 1 : 0) << model().At(n - 1).path.toStdString();
        if (file)
            EXPECT_TRUE(dialogs.messages[0].startsWith(n <= 2 ? "MCI Device: cdaudio\r\r"
                                                              : "MCI Device: "));
        else
            EXPECT_TRUE(model().At(n - 1).name.endsWith("[FILE NOT FOUND]"));
        EXPECT_TRUE(player->Playing == 0 && player->Dev.isEmpty() &&
                    player->MMControl(player->PlayUnit).Mode() != kModePlaying)
            << n;
    }
    ::close(socket);
}

} // namespace
