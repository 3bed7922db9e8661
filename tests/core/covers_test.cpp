// Cover pictures: found by name, in the folder or in the file, and where they show.
#include "common/PictureFiles.h"
#include "fakes/PlayerFixture.h"
#include "gst/GstTestMedia.h"
#include "support/TestPictures.h"
#include "trackinfo/CoverPicture.h"
#include "trackinfo/EmbeddedPicture.h"

#include <QStandardPaths>

#include <taglib/attachedpictureframe.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>

using namespace velto;
using namespace velto::test;

class CoverTest : public PlayerFixture {
protected:
    CoverTest() {
        programDir.write("nocover.bmp", PictureBytes("BMP", Qt::gray));
        ShowCoverArea(true);
    }
    void ShowCoverArea(bool on) {
        player->surface.iCover.visible = on;
        player->surface.iCover.rect = on ? QRect(10, 10, 100, 100) : QRect();
    }
    QString Shown() const { return player->LastShownCover(); }
    const QImage& Picture() const { return player->surface.iCover.picture; }
};

TEST_F(CoverTest, TagPicturesTheLaterNameWinsThenFolderAndEmbeddedPicturesElseNoCover) {
    music.write("Queen - Greatest.jpg", PictureBytes("JPG", Qt::red));
    music.write("Greatest.bmp", PictureBytes("BMP", Qt::blue));
    player->LoadTagCover(music.path(), "Queen" + QString(25, u' '),
                         QString::fromLatin1("Greatest\0junk", 13));
    EXPECT_EQ(Shown(), music.file("Queen - Greatest.jpg"));

    music.write("b/Greatest.gif", RedGif());
    music.write("b/Greatest.jpg", PictureBytes("JPG", Qt::red));
    player->LoadTagCover(music.file("b"), "", "Greatest");
    const QString found = Shown();
    player->LoadTagCover(music.file("b"), "Queen", "");
    EXPECT_TRUE(found == music.file("b/Greatest.jpg") && Shown() == programDir.file("nocover.bmp"));

    // Any case; .jpeg and .png only when none of the three exists.
    music.write("c/party.JPG", PictureBytes("JPG", Qt::red));
    music.write("c/Party.png", RedGif());
    music.write("c/Solo.png", RedGif());
    EXPECT_EQ(FindPic(music.file("c/Party ")), music.file("c/party.JPG"));
    EXPECT_EQ(FindPic(music.file("c/Solo")), music.file("c/Solo.png"));

    // When the names find nothing: a folder picture, then one in the file.
    music.write("a/front.png", RedGif());
    music.write("a/Cover.JPG", RedGif());
    player->LoadTagCover(music.file("a"), "Nobody", "Nothing");
    EXPECT_EQ(Shown(), music.file("a/Cover.JPG"));
    if (QStandardPaths::findExecutable("lame").isEmpty()) GTEST_SKIP() << "lame is missing";
    const QString jpg = music.write("pic.jpg", PictureBytes("JPG", Qt::red, QSize(64, 64)));
    const QString wav = music.write("tone.wav", WavTone(300));
    const QString mp3 = music.write("e/song.mp3", "");
    ASSERT_TRUE(LameEncode(wav, mp3, {"--ti", jpg}));
    player->playlist.Append({{"song", mp3}});
    player->settings.UseTagCover = 1;
    player->PlayIt();
    EXPECT_TRUE(Shown() == EmbeddedPictureKey(mp3) && qRed(Picture().pixel(32, 32)) > 200);
    EXPECT_EQ(CountEntries(music.file("e")), 1); // nothing written beside the music

    // Of several pictures, the front cover.
    TagLib::MPEG::File file(QFile::encodeName(mp3).constData());
    TagLib::ID3v2::Tag* tag = file.ID3v2Tag(true);
    tag->removeFrames("APIC");
    using Frame = TagLib::ID3v2::AttachedPictureFrame;
    for (const auto& [type, color] :
         {std::pair{Frame::Other, Qt::blue}, std::pair{Frame::FrontCover, Qt::green}}) {
        const QByteArray png = PictureBytes("PNG", color);
        auto* frame = new Frame;
        frame->setType(type);
        frame->setPicture(TagLib::ByteVector(png.constData(), unsigned(png.size())));
        tag->addFrame(frame);
    }
    ASSERT_TRUE(file.save());
    EXPECT_EQ(DecodePicture(EmbeddedPicture(mp3).value(), QSize()).pixelColor(0, 0),
              QColor(Qt::green));
}

TEST_F(CoverTest, APlaylistPictureShowsOnceUntilTheListIsCleared) {
    const QString list = music.write("Party.m3u", "");
    music.write("Party.gif", RedGif());
    player->PlRead(list);
    const qint64 first = Picture().cacheKey();
    player->PlRead(list); // nothing reloaded
    EXPECT_TRUE(Shown() == music.file("Party.gif") && Picture().cacheKey() == first);
    player->PlClear();
    EXPECT_TRUE(Picture().isNull() && Shown().isEmpty());

    // The options dialog open: no change, but clearing the list still empties.
    player->PlRead(list);
    player->OptionsVisible = true;
    player->LoadCover(music.write("Other.jpg", PictureBytes("JPG", Qt::blue)));
    EXPECT_EQ(Shown(), music.file("Party.gif"));
    player->PlClear();
    EXPECT_TRUE(Picture().isNull());
    player->OptionsVisible = false;

    // Pictures that cannot be decoded clear the cover, without a word.
    for (const QByteArray& bad : {QByteArray("not a picture"), RedGif().left(20)}) {
        player->PlRead(list);
        player->LoadCover(music.write("bad.gif", bad));
        EXPECT_TRUE(Shown().isEmpty() && Picture().isNull() && dialogs.messages.isEmpty());
    }
}

TEST_F(CoverTest, DottedNamesLargePicturesAndTheNowPlayingWindow) {
    // Opened first, the window shows the cover the settings name.
    player->settings.LastCover = music.write("last.bmp", PictureBytes("BMP", Qt::blue));
    player->DoIt(Code(Action::NowPlaying));
    const bool shown = album.visible && !album.picture.isNull();
    player->DoIt(Code(Action::NowPlaying)); // a toggle
    EXPECT_TRUE(shown && !album.visible);

    for (const QString name : {"Vol.2/Party", "Mr. Big"}) {
        music.write(name + ".jpg", PictureBytes("JPG", Qt::red));
        player->PlRead(music.write(name + ".m3u", ""));
        EXPECT_EQ(Shown(), music.file(name + ".jpg"));
    }
    player->LoadCover(music.write("wide.jpg", PictureBytes("JPG", Qt::red, QSize(2000, 1000))));
    EXPECT_TRUE(Picture().size() == QSize(100, 50) && !album.visible); // decoded at the size shown

    // Without one the Now Playing window shows the cover. Clearing the list
    // empties it but leaves it open; a missing picture hides it.
    ShowCoverArea(false);
    player->LoadCover(music.file("Mr. Big.jpg"));
    EXPECT_TRUE(album.visible && album.picture.size() == QSize(8, 8));
    player->PlClear();
    const bool emptied = album.visible && album.picture.isNull();
    player->LoadCover(music.file("gone"));
    EXPECT_TRUE(emptied && !album.visible);
}
