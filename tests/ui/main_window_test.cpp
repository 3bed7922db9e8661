// The skinned main window, offscreen: painting, outline, mouse, keys, the
// playlist view, drops and the popup menu.
#include "core/skin_test_support.h"
#include "skin/WindowInput.h"
#include "ui/PlaylistView.h"
#include "ui/WindowFixture.h"

#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

using namespace velto;
using velto::test::WindowFixture;

namespace {

class SkinnedWindow : public WindowFixture {
protected:
    QImage Rendered() { return form.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // What covers the face: every visible element the window paints over it.
    QRegion Covered() const {
        const Surface& s = player->surface;
        QRegion r;
        for (size_t n = 1; n < s.Dig.size(); ++n)
            for (const GlyphBlit& g : s.Dig[n].glyphs)
                r += QRect(g.target, g.source.size());
        for (const auto& f : s.Lbl)
            if (f.visible && !f.caption.isEmpty()) r += f.rect;
        for (const auto& l : s.Ind)
            if (l.visible) r += l.rect.adjusted(-1, -1, 1, 1);
        for (const auto& k : s.iSlider)
            if (k.visible) r += k.rect;
        if (s.iCover.visible) r += s.iCover.rect;
        if (s.PlNames.visible) r += s.PlNames.rect;
        if (s.TmpBtn.visible) r += s.TmpBtn.rect;
        return r;
    }

    QString LoadTestSkin(const QByteArray& records) {
        const QString skin = test::WriteSkin(programDir, "shape.skin", records);
        player->LoadSkin(skin, false);
        return skin;
    }

    // A drop of local files on a widget, in the given order.
    static void Drop(QWidget* target, QPoint at, const QStringList& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& p : paths)
            urls << QUrl::fromLocalFile(p);
        data.setUrls(urls);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
    }

    QStringList Paths() const {
        QStringList out;
        for (int i = 0; i < player->playlist.Count(); ++i)
            out << player->playlist.At(i).path;
        return out;
    }
    PlaylistView* List() const { return form.ListView(); }
};

} // namespace

TEST_F(SkinnedWindow, TheDefaultSkinShowsItsFaceWhereNoElementCoversIt) {
    LoadDefaultSkin();
    AddTracks({{"first.mp3", 120000}, {"second.mp3", 120000}});
    player->TNum = 2;
    player->PlayIt();
    Show();
    const QImage shown = Rendered();
    const QImage& face = player->surface.face;
    ASSERT_EQ(shown.size(), QSize(460, 484));
    ASSERT_EQ(face.size(), shown.size());
    const QRegion inside = form.mask();
    ASSERT_FALSE(inside.isEmpty());
    const QRegion covered = Covered();
    int compared = 0, differing = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (!inside.contains(QPoint(x, y)) || covered.contains(QPoint(x, y))) continue;
            ++compared;
            if (shown.pixel(x, y) != (face.pixel(x, y) | 0xFF000000u)) ++differing;
        }
    }
    EXPECT_GT(compared, 460 * 484 / 2);
    EXPECT_EQ(differing, 0);
    // The list is a child widget placed by the skin.
    EXPECT_TRUE(List()->isVisible());
    EXPECT_EQ(List()->geometry(), QRect(12, 296, 436, 154));
}

TEST_F(SkinnedWindow, TheOutlineCutsTheWindowAndAnIncompleteOneLeavesItRectangular) {
    LoadTestSkin("N4\r\nP100,0\r\nP200,50\r\nP100,100\r\nP0,50\r\n");
    QRegion mask = form.mask();
    for (QPoint inside :
         {QPoint(100, 50), QPoint(100, 3), QPoint(196, 50), QPoint(100, 96), QPoint(3, 50)})
        EXPECT_TRUE(mask.contains(inside)) << inside.x() << "," << inside.y();
    for (QPoint corner : {QPoint(2, 2), QPoint(197, 2), QPoint(2, 97), QPoint(197, 97)})
        EXPECT_FALSE(mask.contains(corner)) << corner.x() << "," << corner.y();

    LoadTestSkin("N4\r\nP100,0\r\nP200,50\r\nP100,100\r\n"); // three of four points
    EXPECT_TRUE(form.mask().isEmpty());

    LoadTestSkin("M8,2,4,4\r\nP10,10\r\nP60,10\r\nP60,60\r\nP10,60\r\n"
                 "P120,20\r\nP180,20\r\nP180,80\r\nP120,80\r\n");
    mask = form.mask();
    EXPECT_EQ(mask, QRegion(10, 10, 50, 50) + QRegion(120, 20, 60, 60));
    EXPECT_FALSE(mask.contains(QPoint(90, 40)));

    LoadTestSkin(""); // a skin without outline records: rectangular again
    EXPECT_TRUE(form.mask().isEmpty());
}

TEST_F(SkinnedWindow, DraggingTheFaceFollowsTheMouseAcrossAWideDesktop) {
    LoadDefaultSkin();
    Show();
    form.move(2150, 30);
    const QPoint grip(230, 20); // bare face between the lights and the buttons
    ASSERT_EQ(form.ButtonAt(grip) + form.TextFieldAt(grip) + form.SliderAt(grip), 0);
    Mouse(QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
    ASSERT_EQ(player->DragFlag, -1);
    QPoint screen = form.pos() + grip;
    for (int step = 0; step < 4; ++step) {
        screen += QPoint(60, 5);
        // The local position a window system reports can lag a move just
        // made; the window follows the pointer's screen position.
        const QPoint stale = screen - (form.pos() - QPoint(60, 5));
        Mouse(&form, QEvent::MouseMove, step == 0 ? screen - form.pos() : stale, Qt::NoButton,
              Qt::LeftButton, screen);
    }
    EXPECT_EQ(form.pos(), QPoint(2390, 50));
    Mouse(QEvent::MouseButtonRelease, screen - form.pos(), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(player->DragFlag, 0);
    EXPECT_EQ(form.pos(), QPoint(2390, 50));
}

TEST_F(SkinnedWindow, ButtonsHoverPressAndActThroughTheMouse) {
    LoadDefaultSkin();
    AddTracks({{"a.mp3", 60000}});
    Show();
    Mouse(QEvent::MouseMove, Centre(12), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(player->input->LastIndex, 12);
    Mouse(QEvent::MouseButtonPress, Centre(12), Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(player->surface.TmpBtn.visible);
    EXPECT_EQ(player->surface.TmpBtn.source, QRect(178, 162, 46, 22));
    EXPECT_EQ(player->Playing, 0);
    Mouse(QEvent::MouseButtonRelease, Centre(12), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(player->Playing, -1);
    EXPECT_FALSE(player->surface.TmpBtn.visible);
    EXPECT_EQ(player->DragFlag, 0);

    const int16_t flag = player->TimeFlag;
    Click(player->surface.Lbl[1].rect.center()); // the time field switches its mode
    EXPECT_EQ(player->TimeFlag, static_cast<int16_t>(~flag));
    EXPECT_EQ(player->DragFlag, 0);
}

TEST_F(SkinnedWindow, TheListPlaysOnDoubleClickAndLeavesTypedCharactersToTheSkin) {
    LoadDefaultSkin();
    const QStringList paths = AddTracks(
        {{"alpha.mp3", 60000}, {"bravo.mp3", 60000}, {"charlie.mp3", 60000}, {"xray.mp3", 60000}});
    Show();
    QWidget* viewport = List()->viewport();
    const QPoint row = List()->visualRect(player->playlist.index(2)).center();
    const QPoint global = viewport->mapToGlobal(row);
    Mouse(viewport, QEvent::MouseButtonPress, row, Qt::LeftButton, Qt::LeftButton, global);
    Mouse(viewport, QEvent::MouseButtonRelease, row, Qt::LeftButton, Qt::NoButton, global);
    EXPECT_EQ(player->playlist.Selection(), 2);
    EXPECT_EQ(player->Playing, 0);
    Mouse(viewport, QEvent::MouseButtonDblClick, row, Qt::LeftButton, Qt::LeftButton, global);
    Mouse(viewport, QEvent::MouseButtonRelease, row, Qt::LeftButton, Qt::NoButton, global);
    EXPECT_EQ(player->TNum, 3);
    EXPECT_EQ(player->Playing, -1);
    EXPECT_EQ(media[0].OpenName(), paths[2]);

    // With the list focused: "a" is the skin's add key, not a search for
    // "alpha"; "v" stops, "x" plays; the arrows and Delete stay with the list.
    Key(List(), Qt::Key_A, "a");
    EXPECT_EQ(dialogs.fileRequests.back().title, "Open Media file");
    EXPECT_EQ(player->playlist.Selection(), 2);
    Key(List(), Qt::Key_V, "v");
    EXPECT_EQ(player->Playing, 0);
    EXPECT_EQ(player->playlist.Selection(), 2);
    Key(List(), Qt::Key_X, "x");
    EXPECT_EQ(player->Playing, -1);
    EXPECT_EQ(player->playlist.Selection(), 2);
    Key(List(), Qt::Key_Up, QString());
    EXPECT_EQ(player->playlist.Selection(), 1);
    Key(List(), Qt::Key_Delete, QString());
    EXPECT_EQ(Paths(), QStringList({paths[0], paths[2], paths[3]}));
    EXPECT_EQ(player->playlist.Selection(), 1);

    // The design aids reach the window from the list too.
    Key(List(), Qt::Key_QuoteLeft, "`");
    EXPECT_TRUE(player->surface.Btn[12].opaque);
    Key(List(), Qt::Key_Escape, QString(QChar(27)));
    EXPECT_FALSE(player->surface.Btn[12].opaque);
    player->input->InFlag = 1;
    Key(List(), Qt::Key_V, "v");
    EXPECT_EQ(player->Playing, -1);
}

TEST_F(SkinnedWindow, KeysOnTheWindowRunTheSkinsButtons) {
    LoadDefaultSkin();
    AddTracks({{"a.mp3", 60000}, {"b.mp3", 60000}});
    Show();
    player->SetVol(0.5f);
    Key(&form, Qt::Key_Plus, "+");
    EXPECT_EQ(player->surface.Lbl[18].caption, "55%");
    Key(&form, Qt::Key_Minus, "-");
    Key(&form, Qt::Key_Minus, "-");
    EXPECT_EQ(player->surface.Lbl[18].caption, "45%");
    Key(&form, Qt::Key_Space, " ");
    EXPECT_EQ(player->Playing, -1);
    Key(&form, Qt::Key_B, "b");
    EXPECT_EQ(player->TNum, 2);
    Key(&form, Qt::Key_AsciiTilde, "~");
    EXPECT_TRUE(player->surface.Btn[15].border);
    Key(&form, Qt::Key_Escape, QString(QChar(27)));
    EXPECT_FALSE(player->surface.Btn[15].border);
}

TEST_F(SkinnedWindow, DroppedFilesJoinInTheirOrderAndADroppedPlaylistIsRead) {
    LoadDefaultSkin();
    Show();
    const QString a = music.write("c-third.mp3", "x"), b = music.write("a-first.mp3", "x"),
                  c = music.write("b-second.wav", "x");
    Drop(&form, {230, 20}, {a, b, c});
    EXPECT_EQ(Paths(), QStringList({a, b, c}));
    EXPECT_EQ(player->playlist.At(1).name, "a-first");
    EXPECT_EQ(player->surface.Lbl[16].caption, " 3");

    const QString list = music.write("mix.m3u", "one.mp3\r\ntwo.mp3\r\n");
    Drop(List()->viewport(), {20, 20}, {list, a});
    EXPECT_EQ(Paths(), QStringList({a, b, c, music.file("one.mp3"), music.file("two.mp3"), a}));

    QMimeData web;
    web.setUrls({QUrl("http://example.net/song.mp3")});
    QDragEnterEvent enter({5, 5}, Qt::CopyAction, &web, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&form, &enter);
    EXPECT_FALSE(enter.isAccepted()); // no local files: nothing to take
}

TEST_F(SkinnedWindow, ARightClickOpensTheCommandMenuAndAnItemRunsItsAction) {
    LoadDefaultSkin();
    AddTracks({{"a.mp3", 60000}, {"b.mp3", 60000}});
    Show();
    QStringList captions;
    QTimer::singleShot(0, [&] {
        QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        for (QWidget* w : QApplication::topLevelWidgets())
            if (!menu && w->isVisible()) menu = qobject_cast<QMenu*>(w);
        ASSERT_NE(menu, nullptr);
        QAction* clear = nullptr;
        for (QAction* action : menu->actions()) {
            captions << action->text();
            if (action->text() == "Clear Playlist") clear = action;
        }
        if (!clear) {
            menu->close();
            return;
        }
        const QPoint at = menu->actionGeometry(clear).center();
        Mouse(menu, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton,
              menu->mapToGlobal(at));
        Mouse(menu, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton,
              menu->mapToGlobal(at));
    });
    Click({230, 20}, Qt::RightButton);
    EXPECT_EQ(captions,
              QStringList({"&Options...", "&Play", "&Stop", "P&ause", "&Next", "Pre&vious",
                           "Add &File", "Select S&kin", "&Visual Playlist Selector",
                           "&Load Playlist", "Clear Playlist", "Exit"}));
    EXPECT_EQ(player->playlist.Count(), 0);
    EXPECT_EQ(player->DragFlag, 0);
}

TEST_F(SkinnedWindow, PaintingNeitherScrollsTheTitleNorChangesTheSurface) {
    LoadDefaultSkin();
    player->settings.ScrollName = 1;
    AddTracks({{"A title much longer than the field of twenty-five.mp3", 60000}});
    player->PlayIt();
    Show();
    const int16_t start = player->ScrollStart;
    const uint64_t revision = player->surface.revision;
    const QImage first = Rendered();
    form.repaint();
    const QImage second = Rendered();
    EXPECT_EQ(player->ScrollStart, start);
    EXPECT_EQ(player->surface.revision, revision);
    EXPECT_EQ(first, second);
    player->Timer2_Timer(); // the tick scrolls, and the window shows it
    EXPECT_EQ(player->ScrollStart, start + 1);
    EXPECT_NE(Rendered(), second);
}
