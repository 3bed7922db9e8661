#include "skin/DigitDisplay.h"
#include "skin/SkinState.h"

#include <gtest/gtest.h>

using namespace velto;

namespace {
DigitTable table(int16_t style, int16_t count) {
    DigitTable t;
    t.sx = 100;
    t.sy = 50;
    t.dw = 9;
    t.dh = 13;
    t.sep = 4;
    t.e1 = style;
    t.e2 = 1;
    t.count = count;
    return t;
}

// Glyph index of each blit along the sheet's first row (style 0).
std::vector<int> indexes(const std::vector<GlyphBlit>& g, const DigitTable& t) {
    std::vector<int> out;
    for (const auto& b : g) out.push_back((b.source.x() - t.sx) / t.dw);
    return out;
}
} // namespace

TEST(DigitDisplay, CountedFieldsBlankTheirLeadingZeros) {
    const DigitTable t = table(0, 3);
    const DigitText seven = FormatDigits(3, 7, QTime(), 0);
    EXPECT_EQ(seven.text, "007");
    EXPECT_EQ(indexes(LayoutGlyphs(t, {10, 20}, seven.text, seven.leadingZeroMode), t),
              std::vector<int>({10, 10, 7}));
    const DigitText zero = FormatDigits(3, 0, QTime(), 0);
    EXPECT_EQ(indexes(LayoutGlyphs(t, {10, 20}, zero.text, zero.leadingZeroMode), t),
              std::vector<int>({10, 10, 10}));
    // A zero after a digit stays.
    const DigitText hundred = FormatDigits(3, 105, QTime(), 0);
    EXPECT_EQ(indexes(LayoutGlyphs(t, {0, 0}, hundred.text, hundred.leadingZeroMode), t),
              std::vector<int>({1, 0, 5}));
    EXPECT_EQ(FormatDigits(7, 12.34, QTime(), 0).text, "012.3");
    EXPECT_EQ(FormatDigits(-2, 5, QTime(), 0).text, "");
}

TEST(DigitDisplay, MinutesAndSecondsBlankOnlyTheFirstZero) {
    const DigitTable t = table(0, 0);
    const DigitText d = FormatDigits(0, 65, QTime(), 0);
    EXPECT_EQ(d.text, "01:05");
    const auto g = LayoutGlyphs(t, {10, 20}, d.text, d.leadingZeroMode);
    ASSERT_EQ(g.size(), 5u);
    EXPECT_EQ(indexes(g, t), std::vector<int>({10, 1, 12, 0, 5}));
    // The colon is sep wide; each glyph is followed by the gap.
    EXPECT_EQ(g[2].source.width(), 4);
    EXPECT_EQ(g[1].target.x(), 10 + 9 + 1);
    EXPECT_EQ(g[3].target.x(), 10 + 9 + 1 + 9 + 1 + 4 + 1);
    EXPECT_EQ(g[0].target.y(), 20);
}

TEST(DigitDisplay, ClockFieldIn12And24HourForm) {
    const DigitText pm = FormatDigits(8, 0, QTime(15, 7), 0);
    EXPECT_EQ(pm.text, "03:07");
    EXPECT_TRUE(pm.setsClockSuffix);
    EXPECT_EQ(pm.clockSuffix, "PM");
    EXPECT_EQ(pm.leadingZeroMode, 0);
    EXPECT_EQ(FormatDigits(8, 0, QTime(0, 30), 0).text, "12:30");
    EXPECT_EQ(FormatDigits(8, 0, QTime(0, 30), 0).clockSuffix, "AM");
    const DigitText h24 = FormatDigits(8, 0, QTime(15, 7), 1);
    EXPECT_EQ(h24.text, "15:07");
    EXPECT_EQ(h24.clockSuffix, "   ");
    EXPECT_EQ(h24.leadingZeroMode, 1);
    EXPECT_EQ(FormatDigits(9, 0.5, QTime(), 0).text, "12:00:00");
}

TEST(DigitDisplay, LongTitlesScrollThroughTheLoopAndBack) {
    const QString title = "ABCDEFGHIJKLMNOPQRST"; // 20 characters
    int16_t start = 1;
    QStringList shown;
    for (int i = 0; i < 25; ++i) shown << ScrollText(title, 12, start);
    EXPECT_TRUE(shown[0].startsWith("ABCDEFGHIJKL"));
    EXPECT_TRUE(shown[1].startsWith("BCDEFGHIJKLM"));
    EXPECT_TRUE(shown[20].startsWith("  *  ABC"));
    EXPECT_TRUE(shown[23].startsWith("  ABCDEF"));
    EXPECT_EQ(shown[24], shown[0]); // position 25 is back to 1
    int16_t fits = 7;
    EXPECT_EQ(ScrollText("Short", 12, fits), "Short");
    EXPECT_EQ(fits, 1);
}

TEST(DigitDisplay, CharacterStylesAndTheLetterSheet) {
    const DigitTable lower = table(1, 4);
    const auto g = LayoutGlyphs(lower, {0, 0}, "ab", 0);
    ASSERT_EQ(g.size(), 4u); // count glyphs, blanks beyond the text
    // 'a' = 97: row 97/16-2 = 4, column 1.
    EXPECT_EQ(g[0].source.topLeft(), QPoint(100 + 1 * 9, 50 + 4 * 13));
    // Blank = 32: row 0, column 0.
    EXPECT_EQ(g[3].source.topLeft(), QPoint(100, 50));
    const auto upper = LayoutGlyphs(table(2, 1), {0, 0}, "a", 0);
    EXPECT_EQ(upper[0].source.topLeft(), QPoint(100 + 1 * 9, 50 + 2 * 13)); // 'A' = 65
    const auto outside = LayoutGlyphs(table(1, 1), {0, 0}, QString(QChar(0xE9)), 0);
    EXPECT_EQ(outside[0].source.topLeft(), QPoint(100, 50));

    const DigitTable sheet = table(3, 8);
    const auto letters = LayoutGlyphs(sheet, {0, 0}, "z7?*\"#@~", 0);
    auto cell = [&](int i) {
        return QPoint((letters[i].source.x() - 100) / 9, (letters[i].source.y() - 50) / 13);
    };
    EXPECT_EQ(cell(0), QPoint(25, 0)); // Z, upper-cased
    EXPECT_EQ(cell(1), QPoint(7, 1));
    EXPECT_EQ(cell(2), QPoint(3, 2));
    EXPECT_EQ(cell(3), QPoint(4, 2));
    EXPECT_EQ(cell(4), QPoint(27, 0));
    EXPECT_EQ(cell(5), QPoint(19 + 11, 1)); // "#" is the 19th symbol
    EXPECT_EQ(cell(6), QPoint(8, 0));
    EXPECT_EQ(cell(7), QPoint(29, 0)); // unknown: blank
}

TEST(DigitDisplay, TitlesShowInWideFieldsAndThroughNumberFormats) {
    EXPECT_EQ(FormatDigits(25, QString("Song Number 2"), QTime(), 0).text, "Song Number 2");
    EXPECT_EQ(FormatDigits(6, QString("Intro"), QTime(), 0).text, "Intro");
    EXPECT_EQ(FormatDigits(3, QString("12"), QTime(), 0).text, "012");
    EXPECT_EQ(FormatDigits(-1, QString("x"), QTime(), 0).text, "");
}
