// The digit fields of the default skin as the window shows them: each glyph
// place holds, pixel for pixel, the resource cell its D record names.
#include "ui/WindowFixture.h"

using namespace velto;
using velto::test::WindowFixture;

namespace {

struct Place {
    QRect cell;   // in the resource picture
    QPoint where; // in the window
};

// Style 0 with gap 0: digit cells along the sheet, separators `sep` wide.
void AddDigits(std::vector<Place>& out, QPoint origin, QPoint sheet, QSize cell, int sep,
               std::vector<int> indexes) {
    for (int index : indexes) {
        const int width = index >= 11 ? sep : cell.width();
        out.push_back(
            {QRect(sheet.x() + index * cell.width(), sheet.y(), width, cell.height()), origin});
        origin.rx() += width;
    }
}

bool SamePixels(const QImage& shown, const QImage& resource, const Place& p) {
    for (int y = 0; y < p.cell.height(); ++y)
        for (int x = 0; x < p.cell.width(); ++x)
            if (shown.pixel(p.where + QPoint(x, y)) !=
                (resource.pixel(p.cell.topLeft() + QPoint(x, y)) | 0xFF000000u))
                return false;
    return true;
}

} // namespace

using DisplayPixels = WindowFixture;

TEST_F(DisplayPixels, EachGlyphPlaceShowsTheCellItsFieldChose) {
    clock.now = QDateTime(QDate(2026, 12, 7), QTime(21, 7, 30));
    player->settings.TimeFmt = 1;
    LoadDefaultSkin();
    AddTracks({{"First.mp3", 240000}, {"Night owl, 7am.mp3", 240000}});
    player->TNum = 2;
    player->PlayIt();
    Tick(650); // 65 seconds in
    Show();
    ASSERT_EQ(player->Elapsed, 65000);

    constexpr int blank = 10, colon = 12;
    std::vector<Place> places;
    AddDigits(places, {40, 31}, {0, 0}, {20, 34}, 8, {blank, 1, colon, 0, 5}); // time
    AddDigits(places, {140, 41}, {264, 0}, {12, 16}, 6, {blank, blank, 2});    // track
    AddDigits(places, {254, 41}, {264, 0}, {12, 16}, 6, {2, 1, colon, 0, 7});  // 24-hour clock
    // The title on the 16-column character sheet, 25 places.
    const QString title = QString("Night owl, 7am").leftJustified(25);
    for (int i = 0; i < title.size(); ++i) {
        const int code = title.at(i).unicode();
        places.push_back(
            {QRect((code % 16) * 12, 38 + (code / 16 - 2) * 20, 12, 20), QPoint(20 + i * 12, 72)});
    }

    const QImage shown = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage& resource = player->surface.ResBmp;
    for (size_t i = 0; i < places.size(); ++i) {
        ASSERT_TRUE(resource.rect().contains(places[i].cell)) << i;
        EXPECT_TRUE(SamePixels(shown, resource, places[i]))
            << "place " << i << " at " << places[i].where.x() << "," << places[i].where.y();
    }
    // The cells differ from one another, so a wrong choice would show.
    EXPECT_FALSE(SamePixels(shown, resource, {places[1].cell, places[0].where}));
}
