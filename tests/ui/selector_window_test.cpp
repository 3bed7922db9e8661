// The Visual Playlist Selector's window, offscreen.
#include "fakes/PlayerFixture.h"
#include "selector/VisSelector.h"
#include "support/TestPictures.h"
#include "ui/selector/PictureCell.h"
#include "ui/selector/QtSelectorWindow.h"
#include "ui/selector/WindowPrint.h"
#include "ui/selector/frmVisLoader.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QEnterEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPrinter>
#include <QPushButton>
#include <QThread>

using namespace velto;

namespace {

class VisLoader : public test::PlayerFixture {
protected:
    VisLoader() {
        selectorWindow = &opener;
        MakePlayer();
        opener.Attach(&player->Selector());
    }
    ~VisLoader() override { opener.CloseWindow(); }

    frmVisLoader* Open(const QString& folder) {
        player->settings.VisPLPath = folder;
        return player->DoIt(Code(Action::PlaylistSelector)), opener.Window();
    }
    void Settle() {
        for (QDeadlineTimer deadline(10000); player->Selector().Busy() && !deadline.hasExpired();)
            QCoreApplication::processEvents(), QThread::yieldCurrentThread();
        QCoreApplication::processEvents();
    }
    static std::vector<QColor> Colours(const frmVisLoader& w) {
        return {w.palette().color(QPalette::Window), w.PlayList->palette().color(QPalette::Text)};
    }

    QtSelectorWindow opener;
};

double Aspect(QRect r) { return double(r.width()) / r.height(); }

} // namespace

TEST_F(VisLoader, ShowsThePageFittedHoveredInColoursAndPrinted) {
    for (int i = 1; i <= 17; ++i)
        music.write(QStringLiteral("L/%1.m3u").arg(i, 2, 10, QLatin1Char('0')), "Music\\x.mp3\n");
    music.write("L/01.jpg", test::PictureBytes("JPG", Qt::red, {300, 100}));
    music.write("L/02.bmp", test::PictureBytes("BMP", Qt::green, {50, 200}));
    test::WriteBitmap(programDir, "nocover.bmp", {8, 8}, Qt::blue);

    frmVisLoader* w = Open(music.file("L"));
    ASSERT_TRUE(w);
    EXPECT_EQ(w->cursor().shape(), Qt::BusyCursor);
    Settle();
    EXPECT_NE(w->cursor().shape(), Qt::BusyCursor);
    EXPECT_EQ(w->lPgStat->text(), "Page 1 of 2.  Total Playlists:17");

    // Each picture as large as its cell allows, its shape kept; nocover for the rest.
    const PictureCell &wide = *w->iPic[0], &tall = *w->iPic[1];
    EXPECT_TRUE(wide.PictureRect().width() == wide.contentsRect().width() &&
                tall.PictureRect().height() == tall.contentsRect().height());
    EXPECT_NEAR(Aspect(wide.PictureRect()), 3.0, 0.1);
    EXPECT_NEAR(Aspect(tall.PictureRect()), 0.25, 0.05);
    EXPECT_EQ(w->iPic[15]->Picture().toImage().pixelColor(2, 2), QColor(Qt::blue));

    // The border follows the pointer: one picture at a time.
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w->iPic[2], &enter);
    QApplication::sendEvent(w->iPic[2], &leave);
    QApplication::sendEvent(w->iPic[3], &enter);
    EXPECT_TRUE(!w->iPic[2]->Bordered() && w->iPic[3]->Bordered());

    // A click shows the playlist's lines; the next page has one picture.
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w->iPic[1], &press);
    EXPECT_TRUE(w->PName->text() == "02" && w->PlayList->count() == 1);
    w->cNext->click();
    Settle();
    EXPECT_TRUE(w->iPic[0]->isVisible() && !w->iPic[1]->isVisible() && w->PlayList->count() == 0);

    const std::vector<QColor> first = Colours(*w);
    w->cmdBg->click();
    EXPECT_EQ(Colours(*w), std::vector<QColor>({Qt::black, Qt::white}));
    w->cmdBg->click();
    EXPECT_EQ(Colours(*w), first);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFileName(userDir.file("selector.pdf")); // a PDF, by its name
    EXPECT_TRUE(PrintWindow(*w, printer) && userDir.read("selector.pdf").startsWith("%PDF"));
}

TEST_F(VisLoader, DoubleClickLoadsAndClosesAndClosingIsNeverRefused) {
    const QStringList tracks = AddTracks({{"one.mp3", 5000}, {"two.mp3", 5000}});
    model().Clear();
    music.write("L/Road_Trip.m3u", (tracks.join("\r\n") + "\r\n").toUtf8());
    player->settings.WinOnTop = 1;
    window.onTop = true;

    // Closed while its folder is still being listed.
    frmVisLoader* w = Open(music.file("L"));
    ASSERT_TRUE(w);
    EXPECT_FALSE(window.onTop);
    w->cCancel->click();
    EXPECT_TRUE(opener.Window() == nullptr && window.onTop);

    w = Open(music.file("L"));
    ASSERT_TRUE(w);
    EXPECT_EQ(Open(music.file("L")), w); // one selector at a time
    Settle();
    QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w->iPic[0], &dbl);
    EXPECT_EQ(Entries(&PlaylistEntry::path), tracks);
    EXPECT_TRUE(player->Playing == -1 && player->SongPath == tracks[0] &&
                opener.Window() == nullptr && window.onTop);
}
