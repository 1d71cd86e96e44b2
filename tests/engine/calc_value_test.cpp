#include "engine/calc_value.h"
#include "engine/number_text.h"
#include "tests/support/journal_fixture.h"

namespace cesuan {
namespace {

using Kind = CalcValue::Kind;

TEST(CalcValueText, DecimalAndDoubleForms) {
    EXPECT_EQ(CalcValue(Decimal96::fromParts(310, 2, false)).text(), u"3.1");
    EXPECT_EQ(CalcValue(Decimal96::fromParts(25, 2, true)).text(), u"-0.25");
    EXPECT_EQ(CalcValue(Decimal96::fromParts(1, 28, false)).text(), u"0.0000000000000000000000000001");
    EXPECT_EQ(CalcValue(Decimal96::fromParts(0, 5, true)).text(), u"0");

    struct Case { double value; const char16_t* text; };
    const Case cases[] = {
        {123456789012345678901.0, u"1.23456789012346E+20"},
        {1e-5, u"1E-05"},
        {1e-4, u"0.0001"},
        {123456789012345.0, u"123456789012345"},
        {999999999999999.9, u"1E+15"},   // rounds up into the next decade
        {1e100, u"1E+100"},
        {-1.5e-300, u"-1.5E-300"},
        {0.1 + 0.2, u"0.3"},
        {-0.0, u"0"},
    };
    for (const Case& c : cases) EXPECT_EQ(CalcValue(c.value).text(), QString::fromUtf16(c.text)) << c.value;
    EXPECT_EQ(CalcValue(q(u"  7 ")).trimmedText(), u"7");
    EXPECT_TRUE(CalcValue(QString()).isEmpty());
}

class ToCalcValueTest : public JournalTest {};

TEST_F(ToCalcValueTest, DecimalRangeAndFallback) {
    struct Case {
        const char16_t* in;
        Kind kind;
        const char16_t* text;
        int fallbacks;
    };
    const Case cases[] = {
        {u"", Kind::Decimal, u"0", 0},
        {u"   ", Kind::Decimal, u"0", 0},
        {u"\t5", Kind::Decimal, u"0", 0},  // compares below a blank
        {u" 12.50 ", Kind::Decimal, u"12.5", 0},
        {u"1.5E+3", Kind::Decimal, u"1500", 0},
        {u"-1E-28", Kind::Decimal, u"-0.0000000000000000000000000001", 0},  // bound included
        {u"1e-400", Kind::Decimal, u"0", 0},
        {u"1E+29", Kind::Double, u"1E+29", 1},
        {u"7.92281625142642E+28", Kind::Double, u"7.92281625142642E+28", 1},  // bound excluded
        {u"79228162514264337593543950335", Kind::Double, u"7.92281625142643E+28", 1},
        {u"5E-29", Kind::Double, u"5E-29", 1},
        // As a decimal only four digits would be left: 0.0000000000000000000000001235.
        {u"1.2345678901234E-25", Kind::Double, u"1.2345678901234E-25", 1},
        {u"123456789012345678901234567.8", Kind::Decimal, u"123456789012345678901234567.8", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.in).toStdString());
        ResetJournal(journal);
        const CalcValue v = ToCalcValue(journal, q(c.in));
        EXPECT_EQ(v.kind(), c.kind);
        EXPECT_EQ(v.text(), QString::fromUtf16(c.text));
        EXPECT_EQ(journal.doubleFallbackCount, c.fallbacks);
        EXPECT_EQ(journal.reliableDigits, c.fallbacks ? 15 : 29);
        EXPECT_EQ(journal.errorCount, 0);
    }
}

TEST_F(ToCalcValueTest, ValuesKeepTheirForm) {
    EXPECT_EQ(ToCalcValue(journal, 0.1).kind(), Kind::Decimal);  // a double in range becomes its 15 digits
    EXPECT_EQ(ToCalcValue(journal, 1.0 / 3).text(), u"0.333333333333333");
    EXPECT_EQ(ToCalcValue(journal, 1e-40).kind(), Kind::Double);
    EXPECT_EQ(ToCalcValue(journal, Decimal96::fromParts(7, 0, false)).text(), u"7");
    EXPECT_EQ(journal.doubleFallbackCount, 1);
    // The largest decimal lies beyond the bound as a double.
    EXPECT_EQ(ToCalcValue(journal, Decimal96::max()).kind(), Kind::Double);
}

TEST_F(ToCalcValueTest, NoNumberLogsAndGivesTextZero) {
    const QString message = q(u"  进行[Quv数转数]运算时， abc 数值超出计算范围，我无法计算！返回数值用[空值]表示。");
    const CalcValue v = ToCalcValue(journal, q(u" abc "));
    EXPECT_EQ(v.kind(), Kind::Text);
    EXPECT_EQ(v.text(), u"0");
    EXPECT_EQ(journal.errorCount, 1);
    EXPECT_EQ(journal.firstMessage, message);
    EXPECT_EQ(journal.lastMessage, message);
    EXPECT_EQ(journal.messageLog, message + q(u"\r\n"));

    for (const char16_t* bad : {u"1e400", u"1,5", u"--1", u"1e", u".", u"1.2.3", u"1 2"}) {
        ResetJournal(journal);
        EXPECT_EQ(ToCalcValue(journal, q(bad)).text(), u"0") << QString::fromUtf16(bad).toStdString();
        EXPECT_EQ(journal.errorCount, 1);
    }
    ResetJournal(journal);
    EXPECT_FALSE(journal.firstMessage.isEmpty()) << "a reset keeps the first message";
}

TEST_F(ToCalcValueTest, ResetKeepsFirstMessageUntilNextFailure) {
    ToCalcValue(journal, q(u"x1"));
    ToCalcValue(journal, q(u"x2"));
    EXPECT_EQ(journal.errorCount, 2);
    EXPECT_TRUE(journal.firstMessage.contains(u" x1 "));
    EXPECT_TRUE(journal.lastMessage.contains(u" x2 "));
    EXPECT_EQ(journal.messageLog.count(q(u"\r\n")), 2);

    ResetJournal(journal);
    EXPECT_EQ(journal.errorCount, 0);
    EXPECT_EQ(journal.lastMessage, u"");
    EXPECT_EQ(journal.messageLog, u"");
    EXPECT_TRUE(journal.firstMessage.contains(u" x1 "));
    ToCalcValue(journal, q(u"x3"));
    EXPECT_TRUE(journal.firstMessage.contains(u" x3 "));
}

TEST(NumberTextRoutines, CountExponentMarks) {
    EXPECT_EQ(CountExponentMarks(q(u"1.5E+3")), 1);
    EXPECT_EQ(CountExponentMarks(q(u" 2e5 ")), 1);
    EXPECT_EQ(CountExponentMarks(q(u"eE")), 2);
    EXPECT_EQ(CountExponentMarks(Decimal96::fromParts(1500, 0, false)), 0);
    EXPECT_EQ(CountExponentMarks(1e30), 1);
    EXPECT_EQ(CountExponentMarks(CalcValue()), 0);
}

TEST(NumberTextRoutines, SignificantDigitCount) {
    struct Case { const char16_t* in; int count; };
    const Case cases[] = {
        {u"-0.0", 0}, {u"100", 3}, {u"0.01200", 4}, {u"-12.5E+10", 3}, {u"", 0},
        {u" 0 0 7", 1}, {u"1a23", 1}, {u"+-1.0", 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SignificantDigitCount(q(c.in)), c.count) << QString::fromUtf16(c.in).toStdString();
}

TEST(NumberTextRoutines, TruncateSignificant) {
    struct Case { const char16_t* in; int n; const char16_t* out; };
    const Case cases[] = {
        {u"3.14159265358979323846", 15, u"3.14159265358979"},
        {u"1.2345678901234567E+20", 5, u"1.2345E+20"},
        {u"12345", 3, u"12345"},          // no point: returned whole
        {u"1234.5", 3, u"1234."},         // the cut only falls after the point
        {u"0.000123456", 2, u"0.00012"},  // leading zeros do not count
        {u"-0.5", 4, u"-0.5"},
        {u" 2.50 ", 2, u"2.5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TruncateSignificant(q(c.in), c.n), QString::fromUtf16(c.out))
            << QString::fromUtf16(c.in).toStdString();
}

TEST(NumberTextGrammar, ParsesAndRejects) {
    EXPECT_EQ(ParseDouble(std::string_view(" -1.5e3 ")), -1500.0);
    EXPECT_EQ(ParseDouble(std::string_view(".5")), 0.5);
    EXPECT_EQ(ParseDouble(std::string_view("5.")), 5.0);
    EXPECT_EQ(ParseDouble(std::string_view("1e-400")), 0.0);
    EXPECT_FALSE(ParseDouble(std::string_view("1e400")));
    EXPECT_FALSE(ParseDouble(std::string_view("1e+")));
    EXPECT_FALSE(ParseDouble(std::string_view("+")));
    EXPECT_FALSE(ParseDouble(std::string_view("0x10")));
    EXPECT_FALSE(ParseDouble(std::string_view("\t1")));
    // The point is "." whatever the locale.
    EXPECT_EQ(FormatDouble(0.5), u"0.5");
}

}  // namespace
}  // namespace cesuan
