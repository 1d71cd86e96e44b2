#include "engine/arithmetic.h"
#include "tests/support/journal_fixture.h"

#include <cmath>

namespace cesuan {
namespace {

using Kind = CalcValue::Kind;
using Routine = CalcValue (*)(CalcErrorJournal&, const CalcValue&, const CalcValue&);

class ArithmeticTest : public JournalTest {};

// Operands as the evaluator passes them: texts scanned out of a formula.
TEST_F(ArithmeticTest, DecimalFirstThenDouble) {
    struct Case {
        const char* name;
        Routine routine;
        const char16_t *x, *y;
        Kind kind;
        const char16_t* result;
        int fallbacks;
    };
    const Case cases[] = {
        {"0.1+0.2 exact", AddTwo, u"0.1", u"0.2", Kind::Decimal, u"0.3", 0},
        {"1+-1", AddTwo, u"1", u"-1", Kind::Decimal, u"0", 0},
        {"exponent text made decimal", AddTwo, u"1.5E+3", u"1", Kind::Decimal, u"1501", 0},
        {"1/3", DivideTwo, u"1", u"3", Kind::Decimal, u"0.3333333333333333333333333333", 0},
        {"2/3", DivideTwo, u"2", u"3", Kind::Decimal, u"0.6666666666666666666666666667", 0},
        {"10/3", DivideTwo, u"10", u"3", Kind::Decimal, u"3.3333333333333333333333333333", 0},
        {"difference", SubtractTwo, u"-2.5", u"0.25", Kind::Decimal, u"-2.75", 0},
        {"29 digits", MultiplyTwo, u"3.9614081257132168796771975167", u"2", Kind::Decimal,
         u"7.9228162514264337593543950334", 0},
        // The decimal product rounds to zero: the double keeps it.
        {"too small", MultiplyTwo, u"1E-20", u"1E-20", Kind::Double, u"1E-40", 1},
        {"quotient too small", DivideTwo, u"1E-20", u"1E+10", Kind::Double, u"1E-30", 1},
        // Both operands are decimals; the product overflows.
        {"overflow", MultiplyTwo, u"5E+28", u"2", Kind::Double, u"1E+29", 1},
        // The larger operand is a double already (beyond the bound): two fallbacks.
        {"sum overflow", AddTwo, u"79228162514264337593543950", u"79228162514264337593543950335",
         Kind::Double, u"7.93073906767786E+28", 2},
        {"sum of decimals overflows", AddTwo, u"50000000000000000000000000000",
         u"50000000000000000000000000000", Kind::Double, u"1E+29", 1},
        // An operand beyond the range is a double already: one fallback there, one here.
        {"double operand", AddTwo, u"1E+30", u"1", Kind::Double, u"1E+30", 2},
        {"zero product stays decimal", MultiplyTwo, u"0", u"1E-20", Kind::Decimal, u"0", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetJournal(journal);
        const CalcValue r = c.routine(journal, q(c.x), q(c.y));
        EXPECT_EQ(r.kind(), c.kind);
        EXPECT_EQ(r.text(), QString::fromUtf16(c.result));
        EXPECT_EQ(journal.doubleFallbackCount, c.fallbacks);
        EXPECT_EQ(journal.reliableDigits, c.fallbacks ? 15 : 29);
        EXPECT_EQ(journal.errorCount, 0);
    }
}

TEST_F(ArithmeticTest, MixedValueForms) {
    // A double in range takes part as the decimal of its 15 digits.
    EXPECT_EQ(MultiplyTwo(journal, 0.1, 3).text(), u"0.3");
    EXPECT_EQ(AddTwo(journal, 1.0 / 3, 0).text(), u"0.333333333333333");
    EXPECT_EQ(journal.doubleFallbackCount, 0);
    // A double beyond the range makes the step a double step.
    EXPECT_EQ(AddTwo(journal, 1e30, Decimal96(1)).kind(), Kind::Double);
}

TEST_F(ArithmeticTest, FailuresLogTheirOperands) {
    struct Case {
        const char* name;
        Routine routine;
        const char16_t *x, *y;
        const char16_t* message;
        int errors;
    };
    const Case cases[] = {
        {"division by zero", DivideTwo, u"1", u"0",
         u"  进行[Quv两数商]运算时， 1/0 数值超出计算范围，我无法计算！返回数值用 [空值] 表示。", 1},
        {"double overflow", MultiplyTwo, u"1E+300", u"1E+300",
         u"  进行[Quv两数积]运算时， 1E+300*1E+300 数值超出计算范围，我无法计算！返回数值用 [空值] 表示。", 1},
        {"empty operand", AddTwo, u"", u"1",
         u"  进行[Quv两数和]运算时， +1 数值超出计算范围，我无法计算！返回数值用 [空值] 表示。", 1},
        // The conversion logs first, then the routine itself.
        {"no number", SubtractTwo, u" abc ", u"2",
         u"  进行[Quv两数差]运算时， abc-2 数值超出计算范围，我无法计算！返回数值用 [空值] 表示。", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetJournal(journal);
        const CalcValue r = c.routine(journal, q(c.x), q(c.y));
        EXPECT_TRUE(r.isEmpty());
        EXPECT_EQ(journal.errorCount, c.errors);
        EXPECT_EQ(journal.lastMessage, QString::fromUtf16(c.message));
    }
    EXPECT_EQ(journal.firstMessage,
              q(u"  进行[Quv数转数]运算时， abc 数值超出计算范围，我无法计算！返回数值用[空值]表示。"));
}

TEST_F(ArithmeticTest, RemainderHasTheSignOfTheDividend) {
    struct Case { const char16_t *x, *y, *r; };
    const Case cases[] = {
        {u"4", u"3", u"1"},       {u"-4", u"3", u"-1"},  {u"4", u"-3", u"1"},
        {u"-5.12", u"3", u"-2.12"}, {u"7.5", u"2", u"1.5"}, {u"6", u"3", u"0"},
        {u"0.7", u"0.2", u"0.1"},
    };
    for (const Case& c : cases) {
        ResetJournal(journal);
        EXPECT_EQ(RemainderTwo(journal, q(c.x), q(c.y)).text(), QString::fromUtf16(c.r))
            << QString::fromUtf16(c.x).toStdString() << " \\ " << QString::fromUtf16(c.y).toStdString();
        EXPECT_EQ(journal.errorCount, 0);
    }
}

TEST_F(ArithmeticTest, RemainderByZeroWorksOnTheEmptyQuotient) {
    EXPECT_EQ(RemainderTwo(journal, q(u"10"), q(u"0")).text(), u"10");
    EXPECT_EQ(journal.errorCount, 1);
    EXPECT_EQ(journal.firstMessage,
              q(u"  进行[Quv两数商]运算时， 10/0 数值超出计算范围，我无法计算！返回数值用 [空值] 表示。"));
}

TEST_F(ArithmeticTest, RemainderOfAQuotientInExponentForm) {
    // 1E+30 / 7 is a double in exponent form: its integer part cannot rebuild the
    // multiple of 7, so the remainder comes from the two doubles.
    const CalcValue r = RemainderTwo(journal, q(u"1E+30"), q(u"7"));
    ASSERT_TRUE(r.isDouble());
    EXPECT_EQ(r.doubleValue(), std::fmod(1e30, 7.0));
    EXPECT_GE(r.doubleValue(), 0);
    EXPECT_LT(r.doubleValue(), 7);
    EXPECT_EQ(journal.reliableDigits, 15);
    EXPECT_EQ(journal.errorCount, 0);

    ResetJournal(journal);
    EXPECT_EQ(RemainderTwo(journal, q(u"-1E+30"), q(u"7")).doubleValue(), std::fmod(-1e30, 7.0));
}

TEST(IsZeroValue, AllForms) {
    EXPECT_TRUE(IsZeroValue(Decimal96::fromParts(0, 3, true)));
    EXPECT_TRUE(IsZeroValue(-0.0));
    EXPECT_TRUE(IsZeroValue(q(u" 0.00 ")));
    EXPECT_FALSE(IsZeroValue(q(u"1E-300")));
    EXPECT_FALSE(IsZeroValue(CalcValue()));
    EXPECT_FALSE(IsZeroValue(q(u"abc")));
}

}  // namespace
}  // namespace cesuan
