#include "skin/FieldReader.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace velto;

TEST(SkinFields, FieldsEndAtCommasAndEveryKindOfLineEnd) {
    FieldReader in(QStringLiteral("a,b\r\nc\rd\ne"));
    QStringList got;
    while (!in.AtEnd())
        got << in.Field();
    EXPECT_EQ(got, QStringList({"a", "b", "c", "d", "e"}));
    EXPECT_THROW(in.Field(), SkinError);
}

TEST(SkinFields, BlanksAroundFieldsAreDroppedAndQuotesMayHoldCommas) {
    FieldReader in(
        QStringLiteral("  spaced out  ,\t\"a, b\" ,\"  kept  \"junk,,\"open, line\nnext"));
    EXPECT_EQ(in.Field(), "spaced out");
    EXPECT_EQ(in.Field(), "a, b");
    EXPECT_EQ(in.Field(), "  kept  ");   // blanks inside quotes stay; text after the quote goes
    EXPECT_EQ(in.Field(), "");           // two commas: an empty field
    EXPECT_EQ(in.Field(), "open, line"); // an unclosed quote ends at the line end
    EXPECT_EQ(in.Field(), "next");
    EXPECT_TRUE(in.AtEnd());
}

TEST(SkinFields, ALineReadTakesTheRestOfTheLineOrTheNextLineAfterAFieldEndedOne) {
    FieldReader in(
        QStringLiteral("VeltoSkin\r\n  info, with comma  \r\n/,rest of it\r\n;\r\nswallowed\r\n"));
    EXPECT_EQ(in.Field(), "VeltoSkin");
    EXPECT_EQ(in.Line(), "  info, with comma  "); // verbatim
    EXPECT_EQ(in.Field(), "/");
    EXPECT_EQ(in.Line(), "rest of it"); // "/," keeps the text on its line
    EXPECT_EQ(in.Field(), ";");
    EXPECT_EQ(in.Line(), "swallowed"); // a head alone on its line takes the next one
    EXPECT_TRUE(in.AtEnd());
    EXPECT_THROW(in.Line(), SkinError);

    FieldReader same(QStringLiteral("VeltoSkin,info on line one\nnext"));
    EXPECT_EQ(same.Field(), "VeltoSkin");
    EXPECT_EQ(same.Line(), "info on line one");
    EXPECT_EQ(same.Line(), "next");
}

TEST(SkinFields, NumbersAreWholeFieldsRoundedHalfToEvenWithinTheirWidth) {
    FieldReader in(QStringLiteral("12, -3 ,,2.5,3.5,+7,1e2,32767,-32768"));
    EXPECT_EQ(in.Int16(), 12);
    EXPECT_EQ(in.Int16(), -3);
    EXPECT_EQ(in.Int16(), 0); // empty
    EXPECT_EQ(in.Int16(), 2);
    EXPECT_EQ(in.Int16(), 4);
    EXPECT_EQ(in.Int16(), 7);
    EXPECT_EQ(in.Int16(), 100);
    EXPECT_EQ(in.Int16(), 32767);
    EXPECT_EQ(in.Int16(), -32768);

    for (const char* bad : {"abc", "12abc", "32768", "-32769", "1,5x", "٣"}) {
        FieldReader r(QString::fromUtf8(bad));
        if (QByteArray(bad) == "1,5x") r.Int16();
        EXPECT_THROW(r.Int16(), SkinError) << bad;
    }
    FieldReader wide(QStringLiteral("40000,-2147483648,2147483648"));
    EXPECT_EQ(wide.Int32(), 40000);
    EXPECT_EQ(wide.Int32(), INT32_MIN);
    EXPECT_THROW(wide.Int32(), SkinError);
    FieldReader none(QString{});
    EXPECT_TRUE(none.AtEnd());
    EXPECT_THROW(none.Int16(), SkinError);
}
