// The digit fields as the player shows them: SetDD on a loaded skin,
// Form_Paint, ClearInf and clicks on the text fields.
#include "core/skin_test_support.h"
#include "fakes/PlaybackFixture.h"
#include "skin/SkinLoader.h"
#include "skin/WindowInput.h"

using namespace velto;
using velto::test::PlaybackFixture;

namespace {

// Digit sheets at (0,0), 10 x 12 cells; the title's character sheet at
// (0,40), 8 x 10 cells. Field 5 is left out.
const QByteArray kFields = "D1,10,10,0,0,10,12,4,0,0,0,Time\r\n"
                           "D2,70,10,0,0,10,12,4,0,0,3,Track\r\n"
                           "D3,110,10,0,0,10,12,4,0,0,8,Clock\r\n"
                           "D4,10,30,0,0,10,12,4,0,0,3,Bit rate\r\n"
                           "D6,10,50,0,40,8,10,0,1,1,12,Title\r\n";

class Display : public PlaybackFixture {
protected:
    Display() {
        const QString skin = test::WriteSkin(programDir, "fields.skin", kFields);
        player->LoadSkin(skin, false);
    }
    const std::vector<GlyphBlit>& Glyphs(int f) const { return player->surface.Dig[f].glyphs; }
    // Style 0: the glyph index of each place.
    std::vector<int> Digits(int f) const {
        std::vector<int> out;
        for (const GlyphBlit& g : Glyphs(f))
            out.push_back(g.source.x() / 10);
        return out;
    }
    // Style 1 and 2: the character each place shows.
    QString Characters(int f) const {
        QString out;
        for (const GlyphBlit& g : Glyphs(f)) {
            const int column = g.source.x() / 8, row = (g.source.y() - 40) / 10;
            out += QChar((row + 2) * 16 + column);
        }
        return out;
    }
    void SetStyle(int16_t style) { player->skin->DigTab[6].e1 = style; }
};

constexpr int B = 10; // blank glyph
constexpr int C = 12; // colon glyph

} // namespace

TEST_F(Display, NumbersShowWithTheirLeadingZerosBlanked) {
    player->SetDD(2, 7);
    EXPECT_EQ(Digits(2), std::vector<int>({B, B, 7}));
    EXPECT_EQ(Glyphs(2)[2].target, QPoint(90, 10));
    player->SetDD(2, 0);
    EXPECT_EQ(Digits(2), std::vector<int>({B, B, B}));
    player->SetDD(1, 65);
    EXPECT_EQ(Digits(1), std::vector<int>({B, 1, C, 0, 5}));
    EXPECT_EQ(Glyphs(1)[2].source.width(), 4); // the colon is sep wide
    EXPECT_EQ(Glyphs(1)[3].target.x(), 10 + 10 + 10 + 4);

    const int changes = window.surfaceChanges;
    const uint64_t revision = player->surface.revision;
    player->SetDD(1, 65); // the same glyphs: nothing to repaint
    player->SetDD(5, 42); // a field the skin does not have
    player->SetDD(7, 1);
    EXPECT_EQ(window.surfaceChanges, changes);
    EXPECT_EQ(player->surface.revision, revision);
    EXPECT_TRUE(Glyphs(5).empty());
}

TEST_F(Display, TheClockFieldAndItsMarker) {
    clock.now.setTime(QTime(14, 5, 30));
    player->settings.TimeFmt = 0;
    player->SetDD(3, 0);
    EXPECT_EQ(Digits(3), std::vector<int>({B, 2, C, 0, 5}));
    EXPECT_EQ(Caption(9), "PM");
    player->settings.TimeFmt = 1;
    player->SetDD(3, 0);
    EXPECT_EQ(Digits(3), std::vector<int>({1, 4, C, 0, 5}));
    EXPECT_EQ(Caption(9), "   ");
    clock.now.setTime(QTime(9, 5, 0));
    player->SetDD(3, 0); // the 24-hour clock keeps its leading zero
    EXPECT_EQ(Digits(3), std::vector<int>({0, 9, C, 0, 5}));
    player->settings.TimeFmt = 0;
    player->SetDD(3, 0);
    EXPECT_EQ(Caption(9), "AM");
}

TEST_F(Display, ALongTitleScrollsOneStepPerCallThroughItsLoop) {
    const QString title = "ABCDEFGHIJklmnopqrst"; // 20 characters, 12 places
    const QString loop = title + "  *  " + title;
    player->settings.ScrollName = 1;
    for (int start = 1; start <= 24; ++start) {
        player->SetDD(6, title);
        ASSERT_EQ(Characters(6), loop.mid(start - 1, 12)) << start;
    }
    player->SetDD(6, title);
    EXPECT_EQ(Characters(6), title.left(12)); // position 25 is position 1 again
    EXPECT_EQ(Glyphs(6)[1].target, QPoint(10 + 8 + 1, 50));

    player->SetDD(6, "Short"); // a title that fits stands still
    EXPECT_EQ(Characters(6), "Short       ");
    EXPECT_EQ(player->ScrollStart, 1);
    player->settings.ScrollName = 0;
    player->SetDD(6, title);
    player->SetDD(6, title);
    EXPECT_EQ(Characters(6), title.left(12));
    EXPECT_EQ(player->ScrollStart, 1);
}

TEST_F(Display, CharacterStylesKeepOrRaiseTheCase) {
    SetStyle(1);
    player->SetDD(6, "Night owl");
    EXPECT_EQ(Characters(6), "Night owl   ");
    SetStyle(2);
    player->SetDD(6, "Night owl");
    EXPECT_EQ(Characters(6), "NIGHT OWL   ");
    SetStyle(3);
    player->SetDD(6, "a1!\"x");
    const auto& g = Glyphs(6);
    auto cell = [&](int i) { return QPoint(g[i].source.x() / 8, (g[i].source.y() - 40) / 10); };
    EXPECT_EQ(cell(0), QPoint(0, 0));  // A
    EXPECT_EQ(cell(1), QPoint(1, 1));  // 1
    EXPECT_EQ(cell(2), QPoint(17, 1)); // "!" is the sixth symbol
    EXPECT_EQ(cell(3), QPoint(27, 0)); // double quote
    EXPECT_EQ(cell(4), QPoint(23, 0)); // X
    EXPECT_EQ(cell(5), QPoint(29, 0)); // blank
}

TEST_F(Display, FormPaintRedrawsEveryFieldFromTheState) {
    player->settings.ScrollName = 1;
    player->settings.TimeFmt = 1;
    clock.now.setTime(QTime(21, 47, 12));
    player->Elapsed = 65900; // whole seconds, truncated
    player->TNum = 2;
    player->surface.Lbl[10].caption = "128";
    player->SongName = "A title of twenty ch";
    player->ScrollStart = 1;
    player->Form_Paint();
    EXPECT_EQ(Digits(1), std::vector<int>({B, 1, C, 0, 5}));
    EXPECT_EQ(Digits(2), std::vector<int>({B, B, 2}));
    EXPECT_EQ(Digits(3), std::vector<int>({2, 1, C, 4, 7}));
    EXPECT_EQ(Digits(4), std::vector<int>({1, 2, 8}));
    EXPECT_EQ(Characters(6), "A title of t");
    EXPECT_EQ(Caption(3).left(5), "21:47");
    // Each redraw scrolls the title one step, as a call of SetDD does.
    EXPECT_EQ(player->ScrollStart, 2);
    player->Form_Paint();
    EXPECT_EQ(player->ScrollStart, 3);
}

TEST_F(Display, ClearInfEmptiesTheTrackFieldsAndClicksOnFieldsOneAndTwo) {
    for (int n : {1, 4, 10, 11, 12, 13, 14})
        player->surface.Lbl[n].caption = "x";
    player->surface.iSlider[1].visible = true;
    player->ClearInf();
    EXPECT_EQ(Caption(1), ":");
    for (int n : {4, 10, 11, 12, 13})
        EXPECT_EQ(Caption(n), "") << n;
    EXPECT_EQ(Caption(14), "x");
    EXPECT_FALSE(player->surface.iSlider[1].visible);

    player->input->Lbl_Click(1);
    EXPECT_EQ(player->TimeFlag, -1);
    player->input->Lbl_Click(3);
    player->input->Lbl_Click(2);
    EXPECT_EQ(player->TimeFlag, -1);
    player->input->Lbl_Click(1);
    EXPECT_EQ(player->TimeFlag, 0);
}
