#include "screens/number_split.h"

#include "engine/rounding.h"
#include "tests/support/journal_fixture.h"

namespace cesuan {
namespace {

class NumberSplitTest : public JournalTest {
protected:
    NumberSplit screen;
};

TEST_F(NumberSplitTest, StartsWithTheBoxNames) {
    EXPECT_EQ(screen.text1, u"");
    EXPECT_EQ(screen.text2, u"整数部分");
    EXPECT_EQ(screen.text3, u"小数部分");
}

TEST_F(NumberSplitTest, SplitWritesBothParts) {
    // Expected texts from the two routines' own rules (engine/rounding.h): the integer part
    // keeps the sign ("-0" above -1), the fractional digits have neither sign nor point.
    struct Case { const char16_t *number, *integer, *fraction; };
    const Case cases[] = {
        {u"-12.345", u"-12", u"345"},
        {u"-0.5", u"-0", u"5"},
        {u"12", u"12", u"0"},
        {u" 3.25 ", u"3", u"25"},
        {u"1E+30", u"1E+30", u"0"},   // large, exponent form: returned as it is
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(q(c.number).toStdString());
        screen.text1 = q(c.number);
        screen.split();
        EXPECT_EQ(screen.text1, q(c.number));  // the number stays as typed
        EXPECT_EQ(screen.text2, q(c.integer));
        EXPECT_EQ(screen.text3, q(c.fraction));
    }
}

TEST_F(NumberSplitTest, EmptyNumberGetsTheRoutinesResultsForAnEmptyText) {
    screen.split();
    EXPECT_EQ(screen.text2, IntegerPartText(CalcValue(QString())));
    EXPECT_EQ(screen.text3, FractionDigitsText(CalcValue(QString())));
    EXPECT_EQ(screen.text2, u"0");
}

TEST_F(NumberSplitTest, LeavesTheJournalAlone) {
    LogFailure(q(u"earlier failure"));
    screen.text1 = q(u"7.5");
    screen.split();
    EXPECT_EQ(journal().errorCount, 1);
    EXPECT_EQ(journal().lastMessage, u"earlier failure");
}

}  // namespace
}  // namespace cesuan
