#include "screens/number_split.h"

#include "engine/rounding.h"
#include "tests/support/journal_fixture.h"

namespace cesuan {
namespace {

class NumberSplitTest : public testing::Test {
protected:
    NumberSplit screen;
};

TEST_F(NumberSplitTest, StartsWithTheBoxNames) {
    EXPECT_EQ(screen.number, u"");
    EXPECT_EQ(screen.integerPart, u"整数部分");
    EXPECT_EQ(screen.fractionDigits, u"小数部分");
}

TEST_F(NumberSplitTest, SplitWritesBothParts) {
    // The integer part keeps the sign ("-0" above -1), the fractional digits have neither
    // sign nor point, as the integer and fraction routines give them (engine/rounding.h).
    struct Case { const char16_t *number, *integer, *fraction; };
    const Case cases[] = {
        {u"-12.345", u"-12", u"345"},
        {u"-0.5", u"-0", u"5"},
        {u"12", u"12", u"0"},
        {u" 3.25 ", u"3", u"25"},
        // Any length, and an exponent written out: no digit is lost.
        {u"1E+30", u"1000000000000000000000000000000", u"0"},
        {u"123456789012345678901234567890.123456789", u"123456789012345678901234567890", u"123456789"},
        {u"1E-30", u"0", u"000000000000000000000000000001"},
        {u"-1.5e-3", u"-0", u"0015"},
        {u"0.000", u"0", u"0"},
        {u"1.50", u"1", u"5"},
        {u"abc", u"abc 不是数字", u""},
        {u"1e999999999", u"1e999999999 的位数太多，无法写出", u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(q(c.number).toStdString());
        screen.number = q(c.number);
        screen.split();
        EXPECT_EQ(screen.number, q(c.number));  // the number stays as typed
        EXPECT_EQ(screen.integerPart, q(c.integer));
        EXPECT_EQ(screen.fractionDigits, q(c.fraction));
    }
}

TEST_F(NumberSplitTest, EmptyNumberGetsTheRoutinesResultsForAnEmptyText) {
    screen.split();
    CalcErrorJournal journal;
    EXPECT_EQ(screen.integerPart, IntegerPartText(journal, CalcValue(QString())));
    EXPECT_EQ(screen.fractionDigits, FractionDigitsText(journal, CalcValue(QString())));
    EXPECT_EQ(screen.integerPart, u"0");
}

// A text that is no number is named in the box; nothing is logged and nothing shown as a
// number, and the next number splits as usual.
TEST_F(NumberSplitTest, ANonNumberIsNamedAndTheNextNumberSplits) {
    screen.number = q(u"abc");
    screen.split();
    EXPECT_EQ(screen.integerPart, u"abc 不是数字");
    EXPECT_EQ(screen.fractionDigits, u"");
    EXPECT_EQ(screen.journal().errorCount, 0);
    screen.number = q(u"7.5");
    screen.split();
    EXPECT_EQ(screen.integerPart, u"7");
    EXPECT_EQ(screen.fractionDigits, u"5");
}

}  // namespace
}  // namespace cesuan
