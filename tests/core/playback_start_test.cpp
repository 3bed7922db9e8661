// Starting an entry: wrap, device type by extension, missing files, pictures,
// refused types, CD tracks, streams, open errors and the display fields.
#include "fakes/PlayerFixture.h"

using namespace velto;

using PlayIt = test::PlayerFixture;

TEST_F(PlayIt, WrapsTheEntryNumberIgnoresAnEmptyListAndOpensPlaysAndShowsTheTrack) {
    player->Timer1.start();
    player->PlayIt();
    EXPECT_TRUE(player->Timer1.isActive() && media.log.isEmpty());

    const QStringList paths =
        AddTracks({{"one.mp3", 5000}, {"clip.mpeg", 61500}, {"a.b.xm", 3000}});
    player->TNum = 0;
    player->PlayIt();
    EXPECT_TRUE(player->TNum == 3 && media[0].OpenName() == paths[2]);
    EXPECT_EQ(player->Dev, "ActiveMovie"); // the first dot of the last five characters: "B.XM"
    player->TNum = 4;
    player->PlayIt();
    EXPECT_TRUE(player->TNum == 1 && media[0].OpenName() == paths[0] && model().Selection() == 0);

    DefineSlider(slider::Position, 10, 40, 100, 0);
    s().Lbl[lbl::Bitrate].caption = "128kbps";
    player->RptA = 5;
    player->TNum = 2;
    media.log.clear();
    player->PlayIt();
    EXPECT_EQ(media.log,
              QStringList({"0:close", "0:open ActiveMovie " + paths[1], "0:play from=0 to=-1"}));
    EXPECT_TRUE(player->Playing == -1 && player->Timer1.isActive() && player->RptA == 0);
    // 61.5 s rounds half to even; the old stream information goes.
    EXPECT_EQ(QStringList({Caption(lbl::Title), Caption(lbl::TrackNumber), Caption(lbl::TotalTime),
                           Caption(lbl::Bitrate)}),
              QStringList({"clip", " 2", "1:02", ""}));
    EXPECT_TRUE(s().iSlider[slider::Position].visible && Lit(light::Playing));
}

TEST_F(PlayIt, AMissingFileIsMarkedOnceAndPlaysAgainWhenItIsBack) {
    const QStringList paths = AddTracks({{"gone.mp3", 4000}});
    QFile::rename(paths[0], paths[0] + ".away");
    player->PlayIt();
    player->PlayIt();
    EXPECT_EQ(model().At(0).name, "gone [FILE NOT FOUND]");
    EXPECT_EQ(model().At(0).path, paths[0]); // kept, so no saved list loses it
    EXPECT_FALSE(player->Timer1.isActive() || media[0].IsOpen());

    QFile::rename(paths[0] + ".away", paths[0]);
    player->PlayIt();
    EXPECT_EQ(model().At(0).name, "gone");
    EXPECT_TRUE(media[0].OpenName() == paths[0] && player->Timer1.isActive());
}

TEST_F(PlayIt, StreamsAndCdTracksAreNotLookedForOnDisk) {
    media.media["cdda://5"].lengthMs = 200000;
    model().Append({{"radio", "http://127.0.0.1:9/live"}, {"cd", "D:\\Track05.cda"}});
    player->PlayIt();
    EXPECT_EQ(media[0].OpenName(), "http://127.0.0.1:9/live");
    player->TNum = 2; // from its start to one millisecond before its end
    player->PlayIt();
    EXPECT_TRUE(player->Dev == "cdaudio" && media[0].Track == 5);
    EXPECT_EQ(media[0].plays.back(), std::make_pair(0, 199999));
    EXPECT_EQ(Entries(), QStringList({"radio", "cd"}));
}

TEST_F(PlayIt, APictureIsShownForFiveSecondsAndADocumentHalts) {
    AddTracks({{"cover.jpg", 0}, {"notes.txt", 0}});
    player->Elapsed = 777;
    player->PlayIt();
    EXPECT_TRUE(player->Dev == "Delay" && player->SongLen == 5000 && player->Elapsed == 0 &&
                player->Timer1.isActive());
    player->TNum = 2;
    player->PlayIt();
    EXPECT_FALSE(player->Timer1.isActive());
    EXPECT_EQ(Caption(lbl::Title), "cover"); // nothing of the document is shown
    EXPECT_TRUE(!media.log.join(" ").contains("open") && dialogs.messages.isEmpty());
}

TEST_F(PlayIt, AStuckModuleIsWaitedForBoundedlyAndUnloadClosesTheElement) {
    AddTracks({{"still.xm", 90000}});
    player->Form_Load({});
    player->Playback().starter.moduleWaitLimitMs = 20; // its position never moves
    player->PlayIt();
    EXPECT_TRUE(player->Dev == "M4W_MCI" && player->Playing == -1);
    ASSERT_TRUE(media[0].IsOpen());
    player->Form_Unload();
    EXPECT_FALSE(media[0].IsOpen() || player->Timer1.isActive());
}

TEST_F(PlayIt, AnOpenErrorNamesDeviceTextAndHintAndLeavesThePlayerStoppedAndTheEntryAsItWas) {
    DefineSlider(1, 10, 40, 100, 0);
    const QStringList paths = AddTracks({{"a.mp3", 60000}, {"junk.mp3", 0}, {"film.mmm", 0}});
    media.media[paths[1]] = {.openError = kErrUnknownFormat,
                             .errorMessage = "Not a format I know."};
    media.media["cdda://5"] = {.openError = kErrNotReady, .errorMessage = "No disc."};
    const QString folder = music.file("album.mp3");
    QDir().mkpath(folder);
    player->playlist.Append({{"cd", "/cd/Track5.cda"}, {"album", folder}});

    // Each failure leaves the player stopped, whatever played before it.
    for (int16_t n : {2, 3, 4, 5}) { // 5: a folder is no file: missing, not an open error
        player->TNum = 1;
        player->PlayIt();
        Tick(12);
        ASSERT_EQ(Caption(lbl::Time), "0:01");
        player->TNum = n;
        player->PlayIt();
        EXPECT_TRUE(player->Playing == 0 && Lit(light::Stopped) && !Lit(light::Playing) &&
                    !player->Timer1.isActive())
            << n;
        EXPECT_TRUE(Caption(lbl::Time).isEmpty() && !s().iSlider[slider::Position].visible) << n;
    }
    EXPECT_TRUE(model().At(1).name == "junk" && model().At(4).name == "album [FILE NOT FOUND]");
    // The CD track was read without a leading zero.
    EXPECT_EQ(
        dialogs.messages,
        QStringList({"MCI Device: ActiveMovie\r\rNot a format I know.\r\rUnknown file format, "
                     "corrupt file, or un-supported variation of known format.",
                     "MCI Device: MMMovie\r\rNo device for MMMovie\r\rMedia Player is NOT "
                     "installed.\rGo To Velto Website!",
                     "MCI Device: cdaudio\r\rNo disc.\r\rUnhandled Velto error"}));

    player->PlayPause(); // stopped: play again, not a pause on a closed element
    EXPECT_TRUE(player->Paused == 0 && dialogs.messages.size() == 3); // the folder stays marked
}
