// The GStreamer element on media the tests make: lengths, positions, stop and
// resume, two elements at once, the error codes, the end of a medium, and
// teardown that leaves nothing behind.
#include "gst/GstTestMedia.h"
#include "platform/GstMediaElement.h"
#include "support/TestFiles.h"

#include <glib.h>
#include <gtest/gtest.h>

#include <cstdlib>

using namespace velto;
using namespace velto::test;

namespace {

class GstElementTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // Sound goes nowhere unless the run chose otherwise.
        if (qEnvironmentVariableIsEmpty("VELTO_AUDIO_SINK"))
            qputenv("VELTO_AUDIO_SINK", "fakesink sync=true");
        qputenv("VELTO_VIDEO_SINK", "fakesink");
    }

    std::unique_ptr<MediaElement> Make(int index = 0) { return factory.Create(index); }

    // Opens `file` as `device` and returns the error code.
    static int32_t Open(MediaElement& e, const QString& file,
                        const QString& device = kDevActiveMovie) {
        e.DeviceType = device;
        e.FileName = file;
        e.TimeFormat = 0;
        e.Wait = true;
        e.Command("open");
        return e.Error();
    }
    static void PlayFrom(MediaElement& e, int32_t from) {
        e.From = from;
        e.Command("play");
    }
    static bool ReachesPosition(MediaElement& e, int32_t ms, int limitMs = 10000) {
        // Still playing: a medium that ended early also reports its length.
        return WaitUntil([&] { return e.Position() >= ms && e.Mode() == kModePlaying; }, limitMs);
    }

    GstMediaElementFactory factory;
    TempDir dir;
};

TEST_F(GstElementTest, AWaveFileHasItsLengthAndPlaysStopsAndResumes) {
    const QString wav = dir.write("tone.wav", WavTone(2000));
    auto e = Make();
    EXPECT_EQ(e->Mode(), kModeNotOpen);
    ASSERT_EQ(Open(*e, wav), 0) << e->ErrorMessage().toStdString();
    EXPECT_NEAR(e->TrackLength(), 2000, 50);
    EXPECT_EQ(e->TrackPosition(), 0);
    EXPECT_NE(e->Mode(), kModePlaying);

    PlayFrom(*e, 0);
    EXPECT_EQ(e->Mode(), kModePlaying);
    ASSERT_TRUE(ReachesPosition(*e, 300));
    e->Command("stop");
    EXPECT_NE(e->Mode(), kModePlaying);
    const int32_t kept = e->Position();
    EXPECT_GE(kept, 300);
    e->Command("play"); // resumes where it stopped
    EXPECT_EQ(e->Mode(), kModePlaying);
    EXPECT_GE(e->Position(), kept - 50);
    ASSERT_TRUE(ReachesPosition(*e, kept + 200));

    // "Play" from a position seeks while playing.
    e->From = 1500;
    e->Command("Play");
    ASSERT_TRUE(ReachesPosition(*e, 1500));

    // Back to the start and stopped.
    e->From = 0;
    e->Command("seek");
    e->Command("stop");
    EXPECT_NE(e->Mode(), kModePlaying);
    EXPECT_LT(e->Position(), 100);
    e->Command("close");
    EXPECT_EQ(e->Mode(), kModeNotOpen);
}

TEST_F(GstElementTest, TheEndOfTheMediumIsSeenAsPositionAtLength) {
    const QString wav = dir.write("short.wav", WavTone(1000));
    auto e = Make();
    ASSERT_EQ(Open(*e, wav), 0);
    const int32_t length = e->TrackLength();
    PlayFrom(*e, length - 300);
    ASSERT_TRUE(WaitUntil([&] { return e->Mode() != kModePlaying; }));
    EXPECT_EQ(e->Position(), e->TrackLength());
    // A later "play" from a position starts it again.
    PlayFrom(*e, 0);
    EXPECT_EQ(e->Mode(), kModePlaying);
    EXPECT_LT(e->Position(), length);
}

TEST_F(GstElementTest, AnErrorWhilePlayingEndsTheMedium) {
    const QString wav = dir.write("tone.wav", WavTone(3000));
    const QByteArray sink = qgetenv("VELTO_AUDIO_SINK");
    qputenv("VELTO_AUDIO_SINK", "identity error-after=30 ! fakesink sync=true");
    auto e = Make();
    const int32_t opened = Open(*e, wav);
    qputenv("VELTO_AUDIO_SINK", sink);
    ASSERT_EQ(opened, 0);
    PlayFrom(*e, 0);
    ASSERT_TRUE(WaitUntil([&] { return e->Mode() != kModePlaying; }));
    EXPECT_EQ(e->Position(), e->TrackLength());
    EXPECT_GT(e->TrackLength(), 0);
    e->Command("play"); // nothing left to play
    EXPECT_NE(e->Mode(), kModePlaying);
}

TEST_F(GstElementTest, AnMp3FromLameHasItsLengthAndMoves) {
    const QString wav = dir.write("tone.wav", WavTone(3000));
    const QString mp3 = dir.file("tone.mp3");
    ASSERT_TRUE(LameEncode(wav, mp3));
    auto e = Make();
    ASSERT_EQ(Open(*e, mp3), 0) << e->ErrorMessage().toStdString();
    EXPECT_NEAR(e->TrackLength(), 3000, 50);
    PlayFrom(*e, 0);
    EXPECT_TRUE(ReachesPosition(*e, 200));
}

TEST_F(GstElementTest, AMidiFileWrittenByteByBytePlays) {
    const QString mid = dir.write("note.mid", MidiNote(1000));
    auto e = Make();
    ASSERT_EQ(Open(*e, mid), 0) << e->ErrorMessage().toStdString();
    EXPECT_NEAR(e->TrackLength(), 1000, 50);
    PlayFrom(*e, 0);
    EXPECT_TRUE(ReachesPosition(*e, 200));
}

TEST_F(GstElementTest, TwoElementsPlayAtOnce) {
    const QString a = dir.write("a.wav", WavTone(3000));
    const QString b = dir.write("b.wav", WavTone(3000, 22050));
    auto first = Make(0);
    auto second = Make(1);
    ASSERT_EQ(Open(*first, a), 0);
    ASSERT_EQ(Open(*second, b), 0);
    PlayFrom(*first, 0);
    PlayFrom(*second, 0);
    EXPECT_TRUE(WaitUntil([&] { return first->Position() >= 400 && second->Position() >= 400; }));
    EXPECT_EQ(first->Mode(), kModePlaying);
    EXPECT_EQ(second->Mode(), kModePlaying);
}

TEST_F(GstElementTest, UnknownFormatsAndMissingBackendsGiveTheirCodes) {
    QByteArray junk;
    for (int i = 0; i < 20000; ++i)
        junk.append(char((i * 7919) % 251));
    const QString bad = dir.write("junk.mp3", junk);
    const QString movie = dir.write("film.mmm", "RIFF....");
    auto e = Make();
    EXPECT_EQ(Open(*e, bad), kErrUnknownFormat);
    EXPECT_FALSE(e->ErrorMessage().isEmpty());
    EXPECT_EQ(e->Mode(), kModeNotOpen);
    EXPECT_EQ(Open(*e, movie, kDevMMMovie), kErrNoDevice);
    EXPECT_TRUE(e->ErrorMessage().contains("MMMovie"));
    EXPECT_EQ(Open(*e, dir.file("nothing.wav")), kErrFileNotFound);

    // The same element opens a good file afterwards, and again after "close".
    const QString wav = dir.write("tone.wav", WavTone(1000));
    EXPECT_EQ(Open(*e, wav), 0);
    EXPECT_EQ(e->ErrorMessage(), "");
    e->Command("close");
    ASSERT_EQ(Open(*e, wav, kDevModule), 0);
    PlayFrom(*e, 0);
    EXPECT_TRUE(ReachesPosition(*e, 100));
}

TEST_F(GstElementTest, AnMp3ServedOverHttpPlays) {
    const QString wav = dir.write("tone.wav", WavTone(3000));
    const QString mp3 = dir.file("tone.mp3");
    ASSERT_TRUE(LameEncode(wav, mp3));
    QFile f(mp3);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    HttpFileServer server(f.readAll());
    auto e = Make();
    const QString url = QStringLiteral("http://127.0.0.1:%1/tone.mp3").arg(server.port());
    ASSERT_EQ(Open(*e, url), 0) << e->ErrorMessage().toStdString();
    EXPECT_GT(server.requests(), 0);
    PlayFrom(*e, 0);
    EXPECT_TRUE(ReachesPosition(*e, 300)) << e->ErrorMessage().toStdString();
    e->Command("close");
}

TEST_F(GstElementTest, OpenAndCloseThreeHundredTimesLeavesNoFilesOrThreads) {
    const QString wav = dir.write("tone.wav", WavTone(500));
    auto e = Make();
    const auto settle = [] { g_thread_pool_stop_unused_threads(); };
    ASSERT_EQ(Open(*e, wav), 0); // the first open loads plugins and starts clocks
    PlayFrom(*e, 0);
    ASSERT_TRUE(ReachesPosition(*e, 50));
    e->Command("close");
    settle();
    const int files = CountEntries("/proc/self/fd");
    const int threads = CountEntries("/proc/self/task");
    for (int round = 0; round < 300; ++round) {
        ASSERT_EQ(Open(*e, wav), 0) << round;
        if (round % 50 == 0) PlayFrom(*e, 0);
        e->Command("close");
    }
    EXPECT_TRUE(WaitUntil([&] {
        settle();
        return CountEntries("/proc/self/fd") <= files && CountEntries("/proc/self/task") <= threads;
    })) << "files "
        << CountEntries("/proc/self/fd") << " (were " << files << "), threads "
        << CountEntries("/proc/self/task") << " (were " << threads << ")";
}

} // namespace
