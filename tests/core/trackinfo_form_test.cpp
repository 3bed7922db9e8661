// The Track Info window's rules without its widgets: the playing track's tag,
// following it, Edit, saving, and the stream fields PlayIt fills.
#include "fakes/PlayerFixture.h"
#include "support/TestPictures.h"
#include "trackinfo/Id3v1File.h"
#include "trackinfo/TrackInfoForm.h"

using namespace velto;

using TrackInfoWindow = test::PlayerFixture;
using test::TaggedMp3;

TEST_F(TrackInfoWindow, ShowsThePlayingTagFollowsItUnlessEditIsTickedAndSavesTheFileShown) {
    const QString one = music.write("one.mp3", TaggedMp3("One", "Greatest"));
    const QString two = music.write("two.mp3", TaggedMp3("Two", ""));
    const QString wav = music.write("three.wav", QByteArray(300, 'x'));
    player->playlist.Append({{"one", one}, {"two", two}, {"three", wav}});
    music.write("Greatest.jpg", "");
    player->PlayIt();
    EXPECT_EQ(Caption(lbl::Bitrate) + Caption(lbl::Frequency) + Caption(lbl::ChannelMode),
              "12844jstereo");

    TrackInfoForm& form = player->InfoForm();
    form.Form_Load();        // the window opens showing the tag at once (the window test's)
    form.cbEdit_Click(true); // ticked: the window no longer follows the playing track

    player->TNum = 2;
    player->PlayIt();
    EXPECT_FALSE(form.Timer1_Timer());
    EXPECT_EQ(form.Fields.Title, "One");
    TagForm typed = form.Fields; // Save goes to the file shown, not the one playing
    typed.Title = "New";
    form.SaveIDTag(typed);
    typed.Track = "256";
    form.SaveIDTag(typed);
    EXPECT_EQ(TagFieldText(ReadId3v1(one).value().Title), "New");
    EXPECT_EQ(TagFieldText(ReadId3v1(two).value().Title), "Two");
    EXPECT_EQ(dialogs.messages,
              QStringList({"Tag Updated!", "Track must be a number from 0 to 255!"}));

    form.cbEdit_Click(false);
    EXPECT_TRUE(form.Timer1_Timer());
    EXPECT_EQ(form.Fields.Title, "Two");
    EXPECT_EQ(form.CoverFile, music.file("Greatest.jpg")); // an empty album keeps it

    // A WAV after the MP3s: TagInfo still holds the last MP3's tag, which must
    // neither show nor be saved onto the WAV.
    player->TNum = 3;
    player->PlayIt();
    EXPECT_TRUE(form.Timer1_Timer());
    EXPECT_EQ(form.FileName, wav);
    EXPECT_EQ(form.Fields.Title, "");
    form.cbEdit_Click(true);
    EXPECT_FALSE(form.SaveEnabled);
    form.SaveIDTag(TagFormOf(player->TagInfo));
    EXPECT_EQ(music.read("three.wav"), QByteArray(300, 'x'));
    EXPECT_EQ(dialogs.messages.size(), 2);
}
