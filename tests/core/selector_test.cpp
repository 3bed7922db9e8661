// The Visual Playlist Selector's rules on folders the tests make: the folder
// model, pages, the selection and loading it, with the window faked. What the
// window shows is tests/ui/selector_window_test.cpp's.
#include "fakes/PlayerFixture.h"
#include "selector/SelectorView.h"
#include "selector/VisSelector.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <algorithm>
#include <array>

using namespace velto;

class FakeSelectorView : public SelectorView {
public:
    explicit FakeSelectorView(VisSelector& s) : sel(s) {}
    void ShowTexts() override {}
    void ShowGrid() override { pictures.fill(QImage()), ++grids; }
    void ShowPicture(int i, const QImage& p) override { pictures.at(size_t(i)) = p, ++arrived; }
    QSize PictureBox() const override { return {40, 40}; }
    void Unload() override { ++unloads, sel.Form_Unload(); }

    VisSelector& sel;
    std::array<QImage, kSelectorPage> pictures;
    int grids = 0, arrived = 0, unloads = 0;
};

class Selector : public test::PlayerFixture {
protected:
    VisSelector& sel() { return player->Selector(); }
    // Polls until the listing and the page's pictures are in, or until the
    // dropped jobs have ended as well with `all`.
    void Settle(bool all = false) {
        const QDeadlineTimer deadline(10000);
        while ((sel().Busy() || (all && sel().Working())) && !deadline.hasExpired()) {
            QCoreApplication::processEvents();
            QThread::yieldCurrentThread();
        }
        QCoreApplication::processEvents();
        ASSERT_FALSE(sel().Busy());
    }
    void Open(const QString& folder) {
        player->settings.VisPLPath = folder;
        sel().Form_Load(view);
        Settle();
    }
    long Shown() { return std::ranges::count(sel().Cells, true, &SelectorCell::visible); }
    // Playlists 01.m3u... in `sub` of the music folder.
    void MakePlaylists(const QString& sub, int count, int from = 1) {
        for (int i = from; i < from + count; ++i)
            music.write(QStringLiteral("%1/%2.m3u").arg(sub).arg(i, 2, 10, QLatin1Char('0')),
                        "a.mp3\n");
    }

    FakeSelectorView view{player->Selector()};
};

// The page status and the pictures' fit are the window test's.
TEST_F(Selector, SubFoldersComeLastAndPagesStopAtTheirEnds) {
    MakePlaylists("Lists", 16);
    MakePlaylists("Lists/More", 1, 17);
    Open(music.file("Lists"));
    EXPECT_EQ(sel().FileList.last(), music.file("Lists/More/17.m3u"));
    sel().cPrev_Click(); // on the first page: stays
    EXPECT_EQ(sel().Page, 0);
    sel().cNext_Click();
    Settle();
    EXPECT_EQ(Shown(), 1);
    const int grids = view.grids;
    sel().cNext_Click(); // last page
    EXPECT_TRUE(sel().Page == 1 && view.grids == grids);

    // A click beyond the last entry, and Load with nothing selected, do nothing.
    sel().iPic_Click(1);
    sel().iPic_DblClick(5);
    sel().cLoad_Click();
    EXPECT_TRUE(sel().SelName.isEmpty() && view.unloads == 0);
    EXPECT_EQ(sel().PName, "Select playlist...");
}

TEST_F(Selector, MarkersStandForFoldersAndSetAsDefaultStoresTheNextListed) {
    music.write("Top/Rock.DIR", "ignored");
    music.write("Top/jazz.dir", "");
    music.write("Top/Mixed.m3u", "a.mp3\n");
    music.write("Top/Rock/Live_at_Home.m3u",
                "#EXTM3U\r\nC:\\Music\\one.mp3\r\n/srv/two.mp3\r\nthree.mp3\r\n");
    Open(music.file("Top"));
    EXPECT_EQ(sel().FileList,
              QStringList({music.file("Top/jazz.dir"), music.file("Top/Rock.DIR")}));
    sel().iPic_Click(1);
    EXPECT_TRUE(sel().PName == "Rock" && sel().PlayList.size() == 1); // a note, no entries

    sel().chkSetDef = true;
    sel().iPic_DblClick(1);
    Settle();
    EXPECT_EQ(sel().FileList, QStringList{music.file("Top/Rock/Live_at_Home.m3u")});
    EXPECT_EQ(player->settings.VisPLPath, music.file("Top/Rock/"));
    sel().iPic_Click(0);
    EXPECT_EQ(sel().PName, "Live at Home");
    EXPECT_EQ(sel().PlayList, QStringList({"#EXTM3U", "one.mp3", "two.mp3", "three.mp3"}));

    // "Select Dir": a cancel changes nothing, a folder is listed and stored.
    sel().cSelDir_Click();
    EXPECT_TRUE(dialogs.folderRequests.size() == 1u && sel().FileList.size() == 1);
    dialogs.folderAnswers.push_back(music.file("Top"));
    sel().cSelDir_Click();
    Settle();
    EXPECT_EQ(sel().FileList.size(), 2);
    EXPECT_EQ(player->settings.VisPLPath, music.file("Top/"));
}

TEST_F(Selector, AnUndecodablePictureShowsNocoverAndWithoutItNothing) {
    for (const char* name : {"L/a.m3u", "L/b.pls", "L/c.m3u"})
        music.write(name, "");
    music.write("L/c.JPG", "not a picture");
    test::WriteBitmap(programDir, "nocover.bmp", {8, 8}, Qt::blue);
    Open(music.file("L"));
    EXPECT_EQ(view.pictures[2].pixelColor(view.pictures[2].rect().center()),
              QColor(Qt::blue)); // undecodable: nocover

    QFile::remove(programDir.file("nocover.bmp"));
    sel().Form_Unload();
    Open(music.file("L"));
    EXPECT_TRUE(sel().DefPic.isEmpty() && view.pictures[1].isNull());
}

TEST_F(Selector, ClosingWhileAFolderIsListedCancelsIt) {
    MakePlaylists("Lists", 17);
    player->settings.VisPLPath = music.file("Lists");
    sel().Form_Load(view);
    sel().chkSetDef = true;
    EXPECT_TRUE(sel().Busy());
    sel().Form_Unload(); // never refused
    EXPECT_FALSE(sel().Busy());
    Settle(true);
    EXPECT_TRUE(view.arrived == 0 && sel().FileList.isEmpty() &&
                player->settings.VisPLPath == music.file("Lists")); // nothing stored again
    // A stopped listing ends early.
    EXPECT_TRUE(ListSelectorFolder(music.file("Lists"), [] { return true; }).isEmpty());

    // A page change while pictures come in shows the new page alone.
    test::WriteBitmap(programDir, "nocover.bmp", {8, 8}, Qt::blue);
    Open(music.file("Lists"));
    sel().cNext_Click();
    sel().cPrev_Click();
    sel().cNext_Click();
    Settle(true);
    EXPECT_EQ(Shown(), 1);
    for (size_t i = 0; i < view.pictures.size(); ++i)
        EXPECT_EQ(view.pictures[i].isNull(), i > 0) << i;
}
