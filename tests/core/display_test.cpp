// Digit glyph layout, and the fields on a loaded skin: SetDD, Form_Paint, ClearInf, the tick.
#include "fakes/PlayerFixture.h"
#include "skin/DigitDisplay.h"

using namespace velto;

// Digit sheets at (0,0), 10 x 12 cells; the title's character sheet at
// (0,40), 8 x 10 cells. Field 5 is left out.
const QByteArray kFields = "D1,10,10,0,0,10,12,4,0,0,0,Time\r\n"
                           "D2,70,10,0,0,10,12,4,0,0,3,Track\r\n"
                           "D3,110,10,0,0,10,12,4,0,0,8,Clock\r\n"
                           "D4,10,30,0,0,10,12,4,0,0,3,Bit rate\r\n"
                           "D6,10,50,0,40,8,10,0,1,1,12,Title\r\n";

constexpr int B = 10, C = 12; // the blank and the colon glyph

class DisplayFields : public test::PlayerFixture {
protected:
    DisplayFields() { LoadRecords(kFields); }
    // Style 0: the glyph index of each place.
    std::vector<int> Digits(int f) const {
        std::vector<int> out;
        for (const GlyphBlit& g : s().Dig[f].glyphs)
            out.push_back(g.source.x() / 10);
        return out;
    }
    // Style 1: the character each place shows.
    QString Characters() const {
        QString out;
        for (const GlyphBlit& g : s().Dig[dig::Title].glyphs)
            out += QChar((g.source.y() - 40) / 10 * 16 + 32 + g.source.x() / 8);
        return out;
    }
    void TickAt(QTime time, int times = 1) {
        clock.now.setTime(time);
        for (int i = 0; i < times; ++i)
            player->Timer2_Timer();
    }
};

TEST_F(DisplayFields, FieldsShowTheirValuesRepaintOnlyOnChangeAndScrollALongTitleWithinTheirWidth) {
    player->SetDD(dig::TrackNumber, 105); // a zero after a digit stays
    EXPECT_EQ(Digits(dig::TrackNumber), std::vector<int>({1, 0, 5}));
    player->SetDD(dig::TrackNumber, 0);
    const int changes = window.surfaceChanges;
    player->SetDD(dig::TrackNumber, 0); // the same glyphs
    player->SetDD(dig::Frequency, 42);  // a field the skin does not have
    EXPECT_TRUE(window.surfaceChanges == changes && s().Dig[dig::Frequency].glyphs.empty() &&
                Digits(dig::TrackNumber) == std::vector<int>({B, B, B}));

    s().Lbl[lbl::TrackNumber].caption = "320";
    s().iSlider[slider::Position].visible = true;
    player->ClearInf();
    EXPECT_TRUE(Caption(lbl::Time) == ":" && Caption(lbl::TrackNumber).isEmpty() &&
                !s().iSlider[slider::Position].visible);

    // A long title scrolls one step a call through its loop.
    const QString title = "ABCDEFGHIJklmnopqrst"; // 20 characters, 12 places
    const QString loop = title + "  *  " + title;
    player->settings.ScrollName = 1;
    for (int start = 1; start <= 24; ++start) {
        player->SetDD(dig::Title, title);
        ASSERT_EQ(Characters(), loop.mid(start - 1, 12)) << start;
    }
    player->SetDD(dig::Title, title); // position 25 is position 1 again
    EXPECT_EQ(Characters(), title.left(12));
    player->SetDD(dig::Title, "Short");
    EXPECT_TRUE(Characters() == "Short       " && player->ScrollStart == 1);

    // Widest cells and gaps in glyph style 0, and a title (a long URL entry)
    // whose layout would run past 32 bits.
    LoadRecords("D6,5,80,0,0,32767,12,4,0,32767,30,Wide\r\n");
    player->SetDD(dig::Title, QString(40000, u'1'));
    const QRect field = player->surface.Dig[dig::Title].rect;
    const auto& glyphs = s().Dig[dig::Title].glyphs;
    ASSERT_TRUE(field.width() == 30 * 32767 && glyphs.size() == 30u); // one for each place
    EXPECT_TRUE(glyphs.front().target == field.topLeft() &&
                glyphs.back().target.x() == 5 + 29 * 65534);
}

TEST_F(DisplayFields, FormPaintRedrawsEveryFieldFromTheState) {
    player->settings.ScrollName = 1;
    clock.now.setTime(QTime(21, 47, 12));
    player->Elapsed = 65900; // whole seconds, truncated
    player->TNum = 2;
    player->SongName = "A title of twenty ch";
    player->ScrollStart = 1;
    player->Form_Paint();
    EXPECT_EQ(Digits(dig::PlayTime), std::vector<int>({B, 1, C, 0, 5})); // only one zero blank
    EXPECT_EQ(Digits(dig::Clock), std::vector<int>({B, 9, C, 4, 7}));
    EXPECT_TRUE(Characters() == "A title of t" && player->ScrollStart == 2); // one step, as SetDD
    // The clock text takes the chosen form at once, not at the next minute.
    EXPECT_EQ(QStringList({Caption(lbl::Clock), Caption(lbl::ClockSuffix)}),
              QStringList({"09:47 PM", "PM"}));
}

// Which minutes run is MinuteStep's; here the tick shows them.
TEST_F(DisplayFields, TheTickShowsEachNewMinuteOnceScrollsWhenAskedAndSetsTheVolumeKnob) {
    player->SongName = "ABCDEFGHIJKLMNOPQRST";
    DefineSlider(slider::Volume, 100, 50, 80, 0);
    player->Playback().volume.SetLevels(0x40004000u); // a quarter, set from outside
    TickAt(QTime(7, 0, 1), 3);                        // ScrollName off
    EXPECT_TRUE(player->ScrollStart == 1 && s().iSlider[slider::Volume].rect.left() == 120);
    player->settings.ScrollName = 1;
    TickAt(QTime(7, 0, 2), 2);
    EXPECT_TRUE(Characters().startsWith("BCD"));

    player->settings.TimeFmt = 1; // the 24-hour clock keeps its leading zero
    TickAt(QTime(8, 4, 59, 800)); // a minute whose second 00 was missed still runs
    EXPECT_EQ(QStringList({Caption(lbl::Clock), Caption(lbl::ClockSuffix)}),
              QStringList({"08:04   ", "   "}));
    EXPECT_EQ(Digits(dig::Clock), std::vector<int>({0, 8, C, 0, 4}));
    s().Lbl[lbl::Clock].caption = "mark"; // later ticks of that minute find it done
    TickAt(QTime(8, 4, 59, 999), 2);
    EXPECT_EQ(Caption(lbl::Clock), "mark");
}

// A sheet at (100,50) of 9 x 13 cells, separators 4 wide, a gap of 1.
static DigitTable Sheet(int16_t style, int16_t count) {
    return {100, 50, 9, 13, 4, style, 1, count};
}
// The cell (column, row) each glyph is cut from.
static std::vector<QPoint> Cells(int16_t style, int16_t count, const QString& text) {
    std::vector<QPoint> out;
    for (const GlyphBlit& g : LayoutGlyphs(Sheet(style, count), {0, 0, count * 9, 13}, text, 0))
        out.push_back({(g.source.x() - 100) / 9, (g.source.y() - 50) / 13});
    return out;
}

TEST(DigitGlyphs, FormatsCharacterStylesAndTheLetterSheet) {
    EXPECT_EQ(FormatDigits(8, 0, QTime(0, 30), 0).text, "12:30"); // midnight hour
    EXPECT_EQ(FormatDigits(7, 12.34, QTime(), 0).text, "012.3");
    const auto g = LayoutGlyphs(Sheet(0, 0), {10, 20, 40, 13}, "1:0", 0); // 9 wide, ":" 4, gap 1
    ASSERT_EQ(g.size(), 3u);
    EXPECT_TRUE(g[0].target.x() == 10 && g[1].target.x() == 20 && g[2].target.x() == 25);
    using P = QPoint;
    // Style 1 keeps lower case, 'a' = 97 is in row 4, and pads with blanks;
    // style 2 upper-cases; what lies outside the sheet is blank.
    EXPECT_EQ(Cells(1, 3, "ab"), std::vector<P>({P(1, 4), P(2, 4), P(0, 0)}));
    EXPECT_EQ(Cells(2, 1, "a"), std::vector<P>({P(1, 2)}));
    EXPECT_EQ(Cells(1, 1, QString(QChar(0xE9))), std::vector<P>({P(0, 0)}));
    // Style 3: letters, then digits, then symbols, upper-cased.
    EXPECT_EQ(Cells(3, 2, "z7"), std::vector<P>({P(25, 0), P(7, 1)}));
}
