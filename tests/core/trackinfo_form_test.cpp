// The Track Info window's rules without its widgets: what it shows for the
// playing track, following it, Edit, saving, and the stream fields PlayIt fills.
#include "fakes/PlaybackFixture.h"
#include "state/Elements.h"
#include "trackinfo/Genres.h"
#include "trackinfo/Id3v1File.h"
#include "trackinfo/TrackInfoForm.h"

using namespace velto;

namespace {

// Two 128 kbit/s 44.1 kHz joint-stereo frames and an ID3v1.1 tag: track 7, Rock.
QByteArray TaggedMp3(const QByteArray& title, const QByteArray& album) {
    const QByteArray frame = QByteArray::fromHex("FFFB9040").leftJustified(417, '\0');
    return frame + frame + "TAG" + title.leftJustified(30, ' ') +
           QByteArray("Queen").leftJustified(30, ' ') + album.leftJustified(30, ' ') + "1999" +
           QByteArray(28, ' ') + QByteArray("\0\7\21", 3);
}

class TrackInfoWindow : public test::PlaybackFixture {
protected:
    QString Add(const QString& name, const QByteArray& bytes) {
        const QString path = music.write(name, bytes);
        media.media[path].lengthMs = 1000;
        player->playlist.Append({{name, path}});
        return path;
    }
    void Play(int16_t n) {
        player->TNum = n;
        player->PlayIt();
    }
    TrackInfoForm& form = player->InfoForm();
};

} // namespace

TEST_F(TrackInfoWindow, ShowsThePlayingTagAndFollowsItUnlessEditIsTicked) {
    const QString one = Add("one.mp3", TaggedMp3("One", "Greatest"));
    Add("two.mp3", TaggedMp3("Two", ""));
    const QString wav = Add("three.wav", QByteArray(300, 'x'));
    music.write("Greatest.jpg", "");
    Play(1);
    EXPECT_EQ(Caption(lbl::Bitrate), "128");
    EXPECT_EQ(Caption(lbl::Frequency), "44");
    EXPECT_EQ(Caption(lbl::ChannelMode), "jstereo");

    player->DoIt(Code(Action::TrackInfo));
    EXPECT_EQ(info.shows, 1);
    form.Form_Load(); // the window opens showing the tag at once
    EXPECT_EQ(form.FileName, one);
    EXPECT_EQ(form.Fields.Title, "One");
    EXPECT_EQ(form.Fields.Track, "07");
    EXPECT_EQ(GenreNames().value(form.Fields.GenreEntry), "Rock");
    EXPECT_EQ(form.CoverFile, music.file("Greatest.jpg"));
    EXPECT_FALSE(form.SaveEnabled);
    form.cbEdit_Click(true);
    EXPECT_TRUE(form.SaveEnabled);

    Play(2);
    EXPECT_FALSE(form.Timer1_Timer());
    EXPECT_EQ(form.Fields.Title, "One");
    form.cbEdit_Click(false);
    EXPECT_FALSE(form.SaveEnabled);
    EXPECT_TRUE(form.Timer1_Timer());
    EXPECT_EQ(form.Fields.Title, "Two");
    EXPECT_EQ(form.CoverFile, music.file("Greatest.jpg")); // an empty album keeps it

    // A WAV after the MP3s: TagInfo still holds the last MP3's tag, which must
    // neither show nor be saved onto the WAV.
    Play(3);
    EXPECT_TRUE(form.Timer1_Timer());
    EXPECT_EQ(form.FileName, wav);
    EXPECT_FALSE(form.TagShown);
    EXPECT_EQ(form.Fields.Title, "");
    EXPECT_EQ(form.Fields.GenreEntry, -1);
    form.cbEdit_Click(true);
    EXPECT_FALSE(form.SaveEnabled);
    form.SaveIDTag(TagFormOf(player->TagInfo));
    EXPECT_EQ(music.read("three.wav"), QByteArray(300, 'x'));
    EXPECT_TRUE(dialogs.messages.isEmpty());
}

TEST_F(TrackInfoWindow, SavesToTheFileShownAndSaysHowItWent) {
    const QString one = Add("one.mp3", TaggedMp3("One", "A"));
    const QString two = Add("two.mp3", TaggedMp3("Two", "B"));
    Play(1);
    form.Form_Load();
    form.cbEdit_Click(true);
    Play(2); // Save still goes to the file whose tag is shown
    TagForm typed = form.Fields;
    typed.Title = "New";
    form.SaveIDTag(typed);
    EXPECT_EQ(TagFieldText(ReadId3v1(one).value().Title), "New");
    EXPECT_EQ(TagFieldText(ReadId3v1(two).value().Title), "Two");
    typed.Track = "256";
    form.SaveIDTag(typed);
    EXPECT_EQ(dialogs.messages,
              QStringList({"Tag Updated!", "Track must be a number from 0 to 255!"}));
}
