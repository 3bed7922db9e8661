#include "skin/FieldReader.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace velto;

TEST(SkinFields, FieldsEndAtCommasAndLineEndsAndQuotesMayHoldCommas) {
    FieldReader in(QStringLiteral("a,b\r\nc\rd\ne,  spaced out  ,\t\"a, b\" ,"
                                  "\"  kept  \"junk,,\"open, line\nnext"));
    QStringList got;
    while (!in.AtEnd())
        got << in.Field();
    // Blanks inside quotes stay, text after the quote goes, an unclosed
    // quote ends at the line end.
    EXPECT_EQ(got, QStringList({"a", "b", "c", "d", "e", "spaced out", "a, b", "  kept  ", "",
                                "open, line", "next"}));
    EXPECT_THROW(in.Field(), SkinError);
}

// A head alone on its line: the line read takes the next line, verbatim.
TEST(SkinFields, ALineReadTakesTheRestOfTheLineOrTheNextLineAfterAFieldEndedOne) {
    FieldReader in(QStringLiteral("/,rest of it\r\n;\r\n  kept, verbatim  \r\nnext"));
    EXPECT_EQ(in.Field(), "/");
    EXPECT_EQ(in.Line(), "rest of it");
    EXPECT_EQ(in.Field(), ";");
    EXPECT_EQ(in.Line(), "  kept, verbatim  ");
    EXPECT_EQ(in.Line(), "next");
    EXPECT_THROW(in.Line(), SkinError);
}

TEST(SkinFields, NumbersAreWholeFieldsRoundedHalfToEvenWithinTheirWidth) {
    FieldReader in(QStringLiteral("12, -3 ,,2.5,3.5,+7,1e2,32767,-32768"));
    for (int want : {12, -3, 0, 2, 4, 7, 100, 32767, -32768})
        EXPECT_EQ(in.Int16(), want);
    EXPECT_THROW(in.Int16(), SkinError); // past the end

    for (const char* bad : {"abc", "12abc", "32768", "-32769", "٣"}) {
        FieldReader r(QString::fromUtf8(bad));
        EXPECT_THROW(r.Int16(), SkinError) << bad;
    }
    FieldReader wide(QStringLiteral("40000,-2147483648,2147483648"));
    EXPECT_EQ(wide.Int32(), 40000);
    EXPECT_EQ(wide.Int32(), INT32_MIN);
    EXPECT_THROW(wide.Int32(), SkinError);
}
