// Starting an entry: wrap, device type by extension, missing files, pictures,
// refused types, CD tracks, open errors and the display fields.
#include "fakes/PlaybackFixture.h"
#include "playback/MediaTypes.h"

using namespace velto;
using velto::test::FakeMedium;
using velto::test::PlaybackFixture;

using PlayIt = PlaybackFixture;

TEST(MediaTypes, TheExtensionIsTakenFromTheLastFiveCharacters) {
    EXPECT_EQ(MediaExtension("/music/clip.mpeg"), "MPEG");
    EXPECT_EQ(MediaExtension("/music/song.Mp3"), "MP3");
    EXPECT_EQ(MediaExtension("/music/a.b.xm"), "B.XM"); // the first dot of the five
    EXPECT_EQ(MediaExtension("/music/README"), "EADME");
    EXPECT_EQ(MediaExtension("x.s"), "S");
    EXPECT_EQ(KindOf("/m/clip.mpeg"), MediaKind::Other);
    EXPECT_EQ(KindOf("/m/tune.s3m"), MediaKind::Module);
    EXPECT_EQ(KindOf("/m/a.b.xm"), MediaKind::Other);
    EXPECT_EQ(KindOf("/m/Track05.cda"), MediaKind::CdAudio);
    EXPECT_EQ(KindOf("cdda://7"), MediaKind::CdAudio);
    EXPECT_EQ(KindOf("/m/notes.TXT"), MediaKind::Refused);
    EXPECT_EQ(KindOf("/m/cover.jpg"), MediaKind::Picture);
    EXPECT_EQ(DeviceTypeFor(KindOf("/m/movie.mmm")), "MMMovie");
    EXPECT_EQ(DeviceTypeFor(KindOf("/m/anim.awm")), "Animation1");
    EXPECT_EQ(DeviceTypeFor(KindOf("/m/clip.mpeg")), "ActiveMovie");
    EXPECT_EQ(CdTrackNumber("D:\\Track05.cda"), 5);
    EXPECT_EQ(CdTrackNumber("cdda://12"), 12);
    EXPECT_FALSE(IsLocalFile("http://127.0.0.1/a.mp3"));
    EXPECT_FALSE(IsLocalFile("Track01.cda"));
    EXPECT_TRUE(IsLocalFile("/m/a.mp3"));
}

TEST_F(PlayIt, WrapsTheEntryNumberIntoTheList) {
    const QStringList paths =
        AddTracks({{"one.mp3", 5000}, {"two.mp3", 5000}, {"three.wav", 5000}});
    player->TNum = 0;
    player->PlayIt();
    EXPECT_EQ(player->TNum, 3);
    EXPECT_EQ(media[0].OpenName(), paths[2]);
    player->TNum = 4;
    player->PlayIt();
    EXPECT_EQ(player->TNum, 1);
    EXPECT_EQ(media[0].OpenName(), paths[0]);
    EXPECT_EQ(player->playlist.Selection(), 0);
}

TEST_F(PlayIt, AnEmptyListChangesNothing) {
    player->Timer1.start();
    player->PlayIt();
    EXPECT_TRUE(player->Timer1.isActive());
    EXPECT_TRUE(media.log.isEmpty());
}

TEST_F(PlayIt, OpensPlaysAndShowsTheTrack) {
    DefineSlider(1, 10, 40, 100, 0);
    const QStringList paths = AddTracks({{"a.wav", 1000}, {"clip.mpeg", 61500}, {"README", 3000}});
    player->surface.Lbl[10].caption = "128kbps";
    player->RptA = 5;
    player->RptB = 9;
    player->TNum = 2;
    player->PlayIt();
    EXPECT_EQ(media.log,
              QStringList({"0:close", "0:open ActiveMovie " + paths[1], "0:play from=0 to=-1"}));
    EXPECT_EQ(player->Dev, "ActiveMovie");
    EXPECT_EQ(player->SongLen, 61500);
    EXPECT_EQ(player->Playing, -1);
    EXPECT_EQ(player->Paused, 0);
    EXPECT_TRUE(player->Timer1.isActive());
    EXPECT_EQ(Caption(2), "clip");
    EXPECT_EQ(Caption(4), " 2");
    EXPECT_EQ(Caption(13), "1:02"); // 61.5 s rounds half to even
    EXPECT_EQ(Caption(10), "");
    EXPECT_EQ(player->RptA, 0);
    EXPECT_EQ(player->RptB, 0);
    EXPECT_TRUE(player->surface.iSlider[1].visible);
    EXPECT_TRUE(Lit(4));
    EXPECT_FALSE(Lit(2));
    EXPECT_GT(window.surfaceChanges, 0);

    player->TNum = 3; // no dot in the last five characters
    player->PlayIt();
    EXPECT_EQ(media[0].OpenName(), paths[2]);
    EXPECT_EQ(player->Dev, "ActiveMovie");
    EXPECT_EQ(Caption(13), "0:03");
}

TEST_F(PlayIt, AMissingFileIsMarkedOnceAndPlaysAgainWhenItIsBack) {
    const QStringList paths = AddTracks({{"gone.mp3", 4000}});
    QFile::rename(paths[0], paths[0] + ".away");
    player->Playing = -1;
    player->PlayIt();
    EXPECT_EQ(player->playlist.At(0).name, "gone [FILE NOT FOUND]");
    EXPECT_EQ(player->playlist.At(0).path, paths[0]); // kept, so no saved list loses it
    EXPECT_EQ(player->Dev, "");
    EXPECT_FALSE(player->Timer1.isActive());
    EXPECT_FALSE(media[0].IsOpen());
    EXPECT_EQ(player->Playing, -1);
    player->PlayIt();
    EXPECT_EQ(player->playlist.At(0).name, "gone [FILE NOT FOUND]");

    QFile::rename(paths[0] + ".away", paths[0]);
    player->PlayIt();
    EXPECT_EQ(player->playlist.At(0).name, "gone");
    EXPECT_EQ(media[0].OpenName(), paths[0]);
    EXPECT_TRUE(player->Timer1.isActive());
}

TEST_F(PlayIt, StreamsAndCdTracksAreNotLookedForOnDisk) {
    AddEntry("radio", "http://127.0.0.1:9/live");
    AddEntry("cd", "cdda://3");
    player->PlayIt();
    EXPECT_EQ(media[0].OpenName(), "http://127.0.0.1:9/live");
    EXPECT_EQ(player->playlist.At(0).name, "radio");
    player->TNum = 2;
    player->PlayIt();
    EXPECT_EQ(player->Dev, "cdaudio");
    EXPECT_EQ(player->playlist.At(1).name, "cd");
    EXPECT_EQ(media[0].Track, 3);
}

TEST_F(PlayIt, ACdTrackPlaysFromItsStartToOneMillisecondBeforeItsEnd) {
    FakeMedium track;
    track.lengthMs = 200000;
    media.media["cdda://5"] = track;
    AddEntry("Track 5", "D:\\Track05.cda");
    player->PlayIt();
    EXPECT_EQ(player->Dev, "cdaudio");
    EXPECT_EQ(media[0].Track, 5);
    EXPECT_TRUE(media.log.contains("0:open cdaudio "));
    ASSERT_EQ(media[0].plays.size(), 1u);
    EXPECT_EQ(media[0].plays[0], std::make_pair(0, 199999));
    EXPECT_EQ(player->SongLen, 200000);
    EXPECT_EQ(Caption(13), "3:20");
}

TEST_F(PlayIt, APictureIsShownForFiveSecondsWithoutOpeningAnything) {
    const QStringList paths = AddTracks({{"cover.jpg", 0}});
    player->Elapsed = 777;
    player->PlayIt();
    EXPECT_EQ(player->Dev, "Delay");
    EXPECT_EQ(player->SongLen, 5000);
    EXPECT_EQ(player->Elapsed, 0);
    EXPECT_EQ(player->Playing, -1);
    EXPECT_TRUE(player->Timer1.isActive());
    EXPECT_EQ(Caption(13), "0:05");
    EXPECT_FALSE(media.log.join(' ').contains("open"));
}

TEST_F(PlayIt, ADocumentHaltsPlaybackWithNothingShown) {
    AddTracks({{"song.mp3", 4000}, {"notes.txt", 0}});
    player->PlayIt();
    player->TNum = 2;
    player->PlayIt();
    EXPECT_EQ(player->Dev, "Delay");
    EXPECT_FALSE(player->Timer1.isActive());
    EXPECT_FALSE(media[0].IsOpen());
    EXPECT_EQ(Caption(2), "song"); // the previous name stays
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(PlayIt, AnOpenErrorIsReportedWithTheDeviceTheTextAndAHint) {
    const QStringList paths = AddTracks({{"junk.mp3", 0}, {"film.mmm", 0}, {"odd.wav", 0}});
    media.media[paths[0]].openError = kErrUnknownFormat;
    media.media[paths[0]].errorMessage = "Not a format I know.";
    media.media[paths[2]].openError = kErrGeneral;
    media.media[paths[2]].errorMessage = "Broken.";
    player->PlayIt();
    player->TNum = 2;
    player->PlayIt();
    player->TNum = 3;
    player->PlayIt();
    ASSERT_EQ(dialogs.messages.size(), 3);
    EXPECT_EQ(dialogs.messages[0],
              "MCI Device: ActiveMovie\r\rNot a format I know.\r\rUnknown file format, corrupt "
              "file, or un-supported variation of known format.");
    EXPECT_EQ(dialogs.messages[1], "MCI Device: MMMovie\r\rNo device for MMMovie\r\rMedia Player "
                                   "is NOT installed.\rGo To Velto Website!");
    EXPECT_EQ(dialogs.messages[2], "MCI Device: ActiveMovie\r\rBroken.\r\rUnhandled Velto error");
    EXPECT_EQ(player->Dev, "");
    EXPECT_FALSE(player->Timer1.isActive());
    EXPECT_EQ(player->playlist.At(0).name, "junk"); // the entry stays as it was
}

TEST_F(PlayIt, TheOverlapGuardStopsAJustStartedTailWithoutAMessage) {
    player->settings.PBOverlap = 2000;
    AddTracks({{"a.mp3", 60000}, {"b.mp3", 60000}});
    player->PlayUnit = 1;
    player->PlayIt(); // plays on element 1
    media.nowMs += 500;
    player->PlayUnit = 0;
    player->TNum = 2;
    player->PlayIt();
    EXPECT_EQ(media[1].Mode(), kModeStopped);
    EXPECT_EQ(media[0].Mode(), kModePlaying);
    EXPECT_TRUE(dialogs.messages.isEmpty());

    // A tail well into its track is left to finish.
    media.nowMs += 30000;
    player->PlayUnit = 1;
    player->TNum = 1;
    player->PlayIt();
    EXPECT_EQ(media[0].Mode(), kModePlaying);
}

TEST_F(PlayIt, ModuleMusicIsWaitedForBoundedly) {
    AddTracks({{"tune.mod", 90000}, {"still.xm", 90000}});
    media.advancePerRead = 1;
    player->PlayIt();
    EXPECT_EQ(player->Dev, "M4W_MCI");
    EXPECT_GE(media[0].Position(), 1);

    media.advancePerRead = 0; // a module that never moves does not hang the player
    player->Playback().starter.moduleWaitLimitMs = 20;
    player->TNum = 2;
    player->PlayIt();
    EXPECT_EQ(player->Playing, -1);
    EXPECT_TRUE(player->Timer1.isActive());
}

TEST_F(PlayIt, UnloadClosesTheElementInUse) {
    AddTracks({{"a.mp3", 60000}});
    player->Form_Load({});
    player->PlayIt();
    ASSERT_TRUE(media[0].IsOpen());
    player->Form_Unload();
    EXPECT_FALSE(media[0].IsOpen());
    EXPECT_FALSE(player->Timer1.isActive());
}
