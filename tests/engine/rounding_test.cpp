#include "engine/rounding.h"
#include "tests/support/journal_fixture.h"

namespace cesuan {
namespace {

using Kind = CalcValue::Kind;

class RoundingTest : public JournalTest {};

TEST_F(RoundingTest, RoundHalfUpAwayFromZero) {
    struct Case { const char16_t* x; int n; Kind kind; const char16_t* want; };
    const Case cases[] = {
        {u"2.675", 2, Kind::Decimal, u"2.68"},
        {u"-2.675", 2, Kind::Decimal, u"-2.68"},
        {u"0.995", 2, Kind::Decimal, u"1"},      // every kept digit 9 and a carry
        {u"-0.995", 2, Kind::Decimal, u"-1"},
        {u"-0.5", 0, Kind::Decimal, u"-1"},
        {u"0.5", 0, Kind::Decimal, u"1"},
        {u"0.049", 2, Kind::Decimal, u"0.05"},
        {u"-0.001", 2, Kind::Decimal, u"0"},
        {u"2.5", 2, Kind::Decimal, u"2.5"},      // no padding: a decimal has no trailing zeros
        {u"7", 3, Kind::Decimal, u"7"},
        {u"2.449", 1, Kind::Decimal, u"2.4"},    // only the next digit is looked at
        {u"1234.5678", -3, Kind::Decimal, u"1235"},  // below 0 rounds to whole numbers
        {u"1.45", 0, Kind::Decimal, u"1"},
        {u"1.5E-07", 5, Kind::Decimal, u"0"},
        {u"1.5E-07", 7, Kind::Decimal, u"0.0000002"},
        {u"1E+30", 2, Kind::Double, u"1E+30"},   // exponent form: unrounded
        {u"1E-30", 2, Kind::Double, u"1E-30"},
        {u"", 2, Kind::Decimal, u"0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.x).toStdString() + " to " + std::to_string(c.n));
        const CalcValue r = RoundHalfUp(journal, q(c.x), c.n);
        EXPECT_EQ(r.kind(), c.kind);
        EXPECT_EQ(r.text(), QString::fromUtf16(c.want));
    }
    EXPECT_EQ(journal.errorCount, 0);
}

TEST_F(RoundingTest, PlacesAreClampedTo28) {
    const CalcValue third = *Decimal96::fromText(std::string_view("0.3333333333333333333333333333"));
    EXPECT_EQ(RoundHalfUp(journal, third, 35).text(), RoundHalfUp(journal, third, 28).text());
    EXPECT_EQ(RoundHalfUp(journal, q(u"0.12345678901234567890123456785"), 27).text(),
              u"0.123456789012345678901234568");
}

TEST_F(RoundingTest, IntegerPartText) {
    struct Case { const char16_t *x, *want; };
    const Case cases[] = {
        {u"3.99", u"3"},   {u"-3.99", u"-3"}, {u"-0.5", u"-0"}, {u".5", u"0"},
        {u"12", u"12"},    {u"1E+30", u"1E+30"},
        {u"2E+20", u"200000000000000000000"},  // a decimal, written out
        {u"-3E-05", u"-0"}, {u"3E-05", u"0"},
        {u"1.2345678901234E-25", u"0"},         // a double in exponent form, tiny
        {u"-1.2345678901234E-25", u"-0"},
        {u"", u"0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IntegerPartText(journal, q(c.x)), QString::fromUtf16(c.want)) << QString::fromUtf16(c.x).toStdString();
}

TEST_F(RoundingTest, FractionDigitsText) {
    struct Case { const char16_t *x, *want; };
    const Case cases[] = {
        {u"0.5", u"5"},     {u"12", u"0"},     {u"-3.25", u"25"},   {u"7", u"0"},
        {u"1.5E-07", u"00000015"},              // becomes a decimal first
        {u"1.2345678901234E-25", u"1.2345678901234E-25"},  // small, exponent form: whole
        {u"1E+30", u"0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FractionDigitsText(journal, q(c.x)), QString::fromUtf16(c.want)) << QString::fromUtf16(c.x).toStdString();
}

TEST(DisplayWidth, GbkBytesPerCharacter) {
    struct Case { const char16_t* text; int width; };
    const Case cases[] = {
        {u"数值12", 6},
        {u"", 0},
        {u"abc", 3},
        {u"１２", 4},        // full-width digits
        {u"€", 1},           // one byte in code page 936
        {u"ÿ", 1},           // not in the code page
        {u"😀", 2},          // two UTF-16 units, neither writable
        {u"测算 CeSuan", 11},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DisplayWidth(QString::fromUtf16(c.text)), c.width) << QString::fromUtf16(c.text).toStdString();
}

}  // namespace
}  // namespace cesuan
