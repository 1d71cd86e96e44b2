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

TEST_F(NumberSplitTest, LeavesTheJournalAlone) {
    screen.number = q(u"abc");  // no number: its failures are logged
    screen.split();
    const int logged = screen.journal().errorCount;
    const QString last = screen.journal().lastMessage;
    ASSERT_GT(logged, 0);
    screen.number = q(u"7.5");
    screen.split();
    EXPECT_EQ(screen.journal().errorCount, logged);
    EXPECT_EQ(screen.journal().lastMessage, last);
}

}  // namespace
}  // namespace cesuan
