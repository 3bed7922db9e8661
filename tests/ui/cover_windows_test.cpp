// The Track Info and Now Playing windows and the skin's cover area, offscreen.
#include "support/TestPictures.h"
#include "trackinfo/TrackInfoForm.h"
#include "ui/WindowFixture.h"
#include "ui/frmAlbum.h"
#include "ui/frmInfo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace velto;

namespace {
bool IsRed(QRgb c) { return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60; }
using CoverWindows = test::WindowFixture;
} // namespace

TEST_F(CoverWindows, TrackInfoWindowShowsTheFormAndItsCoverAndEditEnablesSave) {
    const QString mp3 = music.write("one.mp3", test::TaggedMp3("One", "Greatest"));
    music.write("Greatest.jpg", test::PictureBytes("JPG", Qt::red, QSize(300, 300)));
    player->playlist.Append({{"one", mp3}});
    player->PlayIt();
    InfoWindowOpener opener;
    opener.Attach(&player->InfoForm());
    opener.ShowInfo();
    frmInfo* w = opener.Window();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->txtFileName->text() + w->txtTrack->text() + w->cboGenre->currentText(),
              mp3 + "07Rock");
    EXPECT_TRUE(!w->imgCover->pixmap().isNull() && !w->cmdSave->isEnabled());
    w->cbEdit->click();
    EXPECT_TRUE(w->cmdSave->isEnabled());
    w->cmdOk->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(opener.Window(), nullptr);
}

TEST_F(CoverWindows, NowPlayingWindowAndCoverAreaKeepThePictureShape) {
    frmAlbum nowPlaying;
    nowPlaying.resize(300, 200);
    EXPECT_EQ(nowPlaying.CoverRect(), QRect(50, 0, 200, 200));

    // A wide picture in the default skin's cover area: as wide as the area, face above and below.
    LoadDefaultSkin();
    Show();
    const QString wide = music.write("wide.bmp", test::PictureBytes("BMP", Qt::red, {400, 100}));
    player->playlist.Append({{"wide", wide}});
    player->PlayIt();
    StopTimers();
    const QRect area = player->surface.iCover.rect;
    const QImage shot = form.grab().toImage();
    EXPECT_TRUE(IsRed(shot.pixel(area.center())) &&
                !IsRed(shot.pixel(area.center().x(), area.top() + 2)));

    // A double click on it picks a cover.
    const QString chosen = music.write("chosen.bmp", test::PictureBytes("BMP", Qt::blue));
    dialogs.fileAnswers.push_back(FileDialogResult{chosen, "chosen.bmp", 1});
    Mouse(QEvent::MouseButtonDblClick, area.center(), Qt::LeftButton, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_TRUE(dialogs.fileRequests.size() == 1u && player->LastShownCover() == chosen);
}
