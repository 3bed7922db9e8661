// The skinned main window, offscreen: painting, outline, mouse, keys, list, drops, menu.
#include "ui/PlaylistView.h"
#include "ui/SurfacePainter.h"
#include "ui/WindowFixture.h"

#include <QCloseEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QUrl>

using namespace velto;
using velto::test::WindowFixture;

namespace {

class SkinnedWindow : public WindowFixture {
protected:
    QImage Rendered() { return form.grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // Where the window paints something over its face.
    QRegion Covered() const {
        QRegion r;
        for (const auto& d : s().Dig)
            for (const GlyphBlit& g : d.glyphs)
                r += QRect(g.target, g.source.size());
        for (const auto& f : s().Lbl)
            if (f.visible && !f.caption.isEmpty()) r += f.rect;
        for (const auto& l : s().Ind)
            if (l.visible) r += l.rect.adjusted(-1, -1, 1, 1);
        for (const auto& k : s().iSlider)
            if (k.visible) r += k.rect;
        if (s().iCover.visible) r += s().iCover.rect;
        if (s().PlNames.visible) r += s().PlNames.rect;
        return r;
    }

    // Local files dragged onto a widget, in the drag source's order.
    void Drop(QWidget* target, const QStringList& paths) {
        const int before = model().Count();
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& p : paths)
            urls << QUrl::fromLocalFile(p);
        data.setUrls(urls);
        // Shift asks the file manager for a move; the answer is always a copy.
        const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter({20, 20}, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(target, &enter);
        ASSERT_TRUE(enter.isAccepted() && enter.dropAction() == Qt::CopyAction);
        QDropEvent drop({20, 20}, offered, &data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(target, &drop);
        ASSERT_TRUE(drop.isAccepted() && drop.dropAction() == Qt::CopyAction);
        EXPECT_EQ(model().Count(), before); // nothing is scanned inside the drop
        QCoreApplication::processEvents();
    }
    QStringList Paths() const { return Entries(&PlaylistEntry::path); }
    PlaylistView* List() const { return form.ListView(); }
};

const QPoint kBareFace(230, 20); // between the default skin's lights and buttons

} // namespace

TEST_F(SkinnedWindow, TheDefaultSkinShowsItsFaceAndPaintingChangesNothing) {
    LoadDefaultSkin();
    player->settings.ScrollName = 1;
    AddTracks(
        {{"first.mp3", 120000}, {"A title longer than the field of twenty-five.mp3", 120000}});
    player->TNum = 2;
    player->PlayIt();
    Show();
    const QImage shown = Rendered();
    const QImage& face = s().face;
    ASSERT_TRUE(shown.size() == QSize(460, 484) && face.size() == shown.size());
    const QRegion inside = form.mask(), covered = Covered();
    int compared = 0, differing = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (inside.contains(QPoint(x, y)) && !covered.contains(QPoint(x, y)))
                ++compared, differing += shown.pixel(x, y) != (face.pixel(x, y) | 0xFF000000u);
    EXPECT_TRUE(compared > 460 * 484 / 2 && differing == 0) << compared << " " << differing;
    // Every glyph shows the resource cell it was cut from.
    for (const DigitFieldElement& field : s().Dig)
        for (const GlyphBlit& g : field.glyphs)
            EXPECT_EQ(shown.copy(QRect(g.target, g.source.size())),
                      s().ResBmp.copy(g.source).convertToFormat(shown.format()));
    EXPECT_EQ(List()->geometry(), QRect(12, 296, 436, 154));

    // Painting again neither scrolls the title nor changes the surface.
    const int16_t start = player->ScrollStart;
    const uint64_t revision = s().revision;
    EXPECT_EQ(Rendered(), shown);
    EXPECT_TRUE(player->ScrollStart == start && s().revision == revision);
    player->Timer2_Timer(); // the tick scrolls, and the window shows it
    EXPECT_TRUE(player->ScrollStart == start + 1 && Rendered() != shown);
    // A change repaints only its own area.
    Surface after = s();
    after.Ind[light::Playing].visible = !after.Ind[light::Playing].visible;
    after.Lbl[lbl::Title].caption += "x";
    EXPECT_EQ(ChangedArea(s(), after),
              QRegion(after.Ind[light::Playing].rect) + after.Lbl[lbl::Title].rect);
    after.face = after.face.copy();
    EXPECT_EQ(ChangedArea(s(), after), QRegion(0, 0, 460, 484));
}

TEST_F(SkinnedWindow, TheOutlineCutsTheWindowUntilASkinWithoutOneComes) {
    auto load = [&](const QByteArray& records) { return LoadRecords(records), form.mask(); };
    const QRegion mask = load("M8,2,4,4\r\nP10,10\r\nP60,10\r\nP60,60\r\nP10,60\r\n"
                              "P120,20\r\nP180,20\r\nP180,80\r\nP120,80\r\n");
    EXPECT_EQ(mask, QRegion(10, 10, 50, 50) + QRegion(120, 20, 60, 60));
    EXPECT_TRUE(load("").isEmpty()); // no outline records: rectangular again
}

TEST_F(SkinnedWindow, ButtonsHoverPressAndActThroughTheMouseAndKeysAndTheFaceDrags) {
    LoadDefaultSkin();
    player->skin.CoolFlag = 2;
    AddTracks({{"a.mp3", 60000}});
    Show();
    const QPoint play = s().Btn[Code(Action::Play)].rect.center();
    Mouse(QEvent::MouseMove, play, Qt::NoButton, Qt::NoButton);
    EXPECT_TRUE(s().TmpBtn.visible);
    QEvent leave(QEvent::Leave); // the pointer leaves the window from the button
    QApplication::sendEvent(&form, &leave);
    EXPECT_FALSE(s().TmpBtn.visible);

    Mouse(QEvent::MouseButtonPress, play, Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(s().TmpBtn.visible && player->Playing == 0);
    Mouse(QEvent::MouseButtonRelease, play, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(player->Playing, -1);

    // A double click is one click on a text field: the time mode switches once.
    const QPoint time = s().Lbl[lbl::Time].rect.center();
    Click(time);
    Mouse(QEvent::MouseButtonDblClick, time, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, time, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(player->TimeFlag, -1);
    player->SetVol(0.5f);
    Key(&form, Qt::Key_Plus, "+");
    EXPECT_EQ(Caption(lbl::VolumePercent), "55%");

    // Dragging the bare face follows the pointer across a wide desktop.
    form.move(2150, 30);
    Mouse(QEvent::MouseButtonPress, kBareFace, Qt::LeftButton, Qt::LeftButton);
    ASSERT_EQ(player->DragFlag, -1);
    QPoint screen = form.pos() + kBareFace;
    for (int step = 0; step < 4; ++step) {
        screen += QPoint(60, 5);
        // The local position may be from before the window's last move; the screen one cannot lag.
        const QPoint was = form.pos() - (step == 0 ? QPoint() : QPoint(60, 5));
        Mouse(&form, QEvent::MouseMove, screen - was, Qt::NoButton, Qt::LeftButton, screen);
    }
    Mouse(QEvent::MouseButtonRelease, kBareFace, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(player->DragFlag, 0);
    EXPECT_EQ(form.pos(), QPoint(2390, 50));
}

TEST_F(SkinnedWindow, TheListPlaysOnDoubleClickAndLeavesTypedCharactersToTheSkin) {
    LoadDefaultSkin();
    const QStringList paths =
        AddTracks({{"alpha.mp3", 60000}, {"bravo.mp3", 60000}, {"charlie.mp3", 60000}});
    Show();
    QWidget* viewport = List()->viewport();
    const QPoint row = List()->visualRect(model().index(2)).center();
    const QPoint global = viewport->mapToGlobal(row);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                              QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        const bool down = type != QEvent::MouseButtonRelease;
        Mouse(viewport, type, row, Qt::LeftButton, down ? Qt::LeftButton : Qt::NoButton, global);
    }
    EXPECT_TRUE(player->TNum == 3 && player->Playing == -1 && media[0].OpenName() == paths[2]);

    // With the list focused: "a" is the skin's add key, not a search for
    // "alpha"; "v" stops; the arrows and Delete stay with the list.
    Key(List(), Qt::Key_A, "a");
    EXPECT_EQ(dialogs.fileRequests.back().title, "Open Media file");
    Key(List(), Qt::Key_V, "v");
    EXPECT_TRUE(player->Playing == 0 && model().Selection() == 2);
    Key(List(), Qt::Key_Up, QString());
    Key(List(), Qt::Key_Delete, QString()); // the entry above goes
    EXPECT_EQ(Paths(), QStringList({paths[0], paths[2]}));
}

TEST_F(SkinnedWindow, DroppedFilesJoinInTheirOrderAndADroppedPlaylistIsRead) {
    LoadDefaultSkin();
    Show();
    const QString a = music.write("c-third.mp3", "x"), b = music.write("a-first.mp3", "x"),
                  c = music.write("b-second.wav", "x");
    Drop(&form, {a, b, c});
    EXPECT_EQ(Paths(), QStringList({a, b, c}));
    EXPECT_TRUE(model().At(1).name == "a-first" && Caption(lbl::PlaylistCount) == " 3");
    const QString list = music.write("mix.m3u", "one.mp3\r\ntwo.mp3\r\n");
    Drop(List()->viewport(), {list, a});
    EXPECT_EQ(Paths(), QStringList({a, b, c, music.file("one.mp3"), music.file("two.mp3"), a}));
}

TEST_F(SkinnedWindow, ARightClickOpensTheMenuButNotWhileTheLeftHoldsAndATrackPressSeeks) {
    LoadDefaultSkin();
    AddTracks({{"a.mp3", 100000}});
    Show();
    int menus = 0;
    QString choose; // the item to run
    QTimer closer;  // runs inside the menu's own event loop
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        ++menus;
        for (QAction* action : menu->actions())
            if (action->text() == choose) action->trigger();
        menu->close();
    });
    closer.start(0);
    // The held button, drag and knob cases are WindowInput's; here the events reach it.
    const QPoint sizeButton(428, 11);
    Mouse(QEvent::MouseButtonPress, sizeButton, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonPress, sizeButton, Qt::RightButton, Qt::LeftButton | Qt::RightButton);
    Mouse(QEvent::MouseButtonRelease, sizeButton, Qt::RightButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, sizeButton, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(player->HFlag, 1); // the button acts on its own release, once
    Key(&form, Qt::Key_Escape, "\x1b");
    Click(kBareFace);
    EXPECT_TRUE(player->HFlag == 1 && !player->surface.TmpBtn.visible);
    Click(sizeButton);

    // A press on the position track moves the knob there, not the window.
    player->PlayIt();
    const QPoint onTrack(200, 112), was = form.pos();
    Mouse(QEvent::MouseButtonPress, onTrack, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, onTrack + QPoint(20, 0), Qt::NoButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, onTrack + QPoint(20, 0), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(form.pos(), was);
    ASSERT_EQ(media[0].plays.size(), 2u);
    EXPECT_NEAR(media[0].plays.back().first, 100000.0 * (209 - 12) / 414, 1);
    EXPECT_EQ(menus, 0);

    choose = "Clear Playlist";
    Click(kBareFace, Qt::RightButton);
    EXPECT_TRUE(menus == 1 && model().Count() == 0) << menus;
}

TEST_F(SkinnedWindow, TheQuitButtonClosesTheWindowWhichShutsDownAndEndsTheEventLoop) {
    LoadDefaultSkin();
    AddTracks({{"a.mp3", 60000}});
    Show();
    bool bounded = false; // the loop did not end by itself
    QTimer::singleShot(10000, &form, [&] { bounded = true, QApplication::quit(); });
    QTimer::singleShot(0, &form, [&] { player->DoIt(Code(Action::Quit)); });
    QApplication::exec();
    EXPECT_FALSE(bounded || form.isVisible());
    EXPECT_TRUE(QFile::exists(userDir.file("playlist.m3u"))); // the shut-down ran
    QCloseEvent again; // a window manager's close after that is accepted too
    QApplication::sendEvent(&form, &again);
    EXPECT_TRUE(again.isAccepted());
}

TEST_F(SkinnedWindow, TheListsScrollBarTakesTheListsColours) {
    LoadDefaultSkin();
    player->playlist.Append(std::vector<PlaylistEntry>(60, {"Track", "/m/t.mp3"}));
    Show();
    QScrollBar* bar = List()->verticalScrollBar();
    ASSERT_TRUE(bar->isVisible());
    const QImage shown = bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const PlaylistArea& area = player->surface.PlNames;
    QMap<QRgb, int> counts; // mostly the list's background, nothing lighter than its text
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            ++counts[shown.pixel(x, y)];
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        EXPECT_LE(QColor(it.key()).lightness(), area.textColor.lightness());
    EXPECT_EQ(counts.key(*std::max_element(counts.cbegin(), counts.cend())), area.background.rgb());
    // A press below the handle pages down, at the bottom too: no arrow buttons there.
    const QPointF low(bar->width() / 2, bar->height() - 2);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, low, bar->mapToGlobal(low), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {});
        QApplication::sendEvent(bar, &click);
    }
    EXPECT_EQ(bar->value(), bar->pageStep());
}

// Text fields and the playlist set Latin text letter by letter, but a title in
// a joining script still comes out joined.
TEST(FieldFonts, TextsThatNeedShapingAreStillShaped) {
    const auto drawn = [](const QFont& font, const QString& text) {
        QImage image(240, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.setFont(font);
        p.drawText(image.rect(), Qt::AlignLeft, text);
        return image;
    };
    const QFont field = FieldFont(QString(), 14);
    QFont shaped = field;
    shaped.setStyleStrategy(QFont::PreferDefault);
    const QString arabic = QString::fromUtf8("\xd9\x85\xd8\xb1\xd8\xad\xd8\xa8\xd8\xa7");
    ASSERT_NE(drawn(field, arabic), drawn(shaped, arabic)); // unshaped, the letters stand apart
    EXPECT_EQ(drawn(FontForText(field, arabic), arabic), drawn(shaped, arabic));
    for (const QString& text : {QString("e\u0301t\u00e9"), QString("\u05e9\u05dc\u05d5\u05dd")})
        EXPECT_FALSE(FontForText(field, text).styleStrategy() & QFont::PreferNoShaping);
    EXPECT_EQ(FontForText(field, QString("Caf\u00e9 \u2013 \u201cAV\u201d")), field);
}
