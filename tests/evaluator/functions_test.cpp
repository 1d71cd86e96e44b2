#include "angles/angle_units.h"
#include "engine/calc_value.h"
#include "evaluator/calculate.h"
#include "evaluator/format_result.h"
#include "tests/support/journal_fixture.h"

namespace cesuan {
namespace {

class FunctionsTest : public testing::Test {
protected:
    // The formula computed as the compute button does, in the unit.
    CalcOutcome calculate(AngleUnit unit, const char16_t* formula) {
        context.settings.angleUnit = unit;
        return Calculate(context, QString::fromUtf16(formula));
    }
    CalcContext context;
    const CalcErrorJournal& journal = context.journal;
};

struct Case {
    AngleUnit unit;
    const char16_t* formula;
    const char16_t* result;
    int reliableDigits;
};

TEST_F(FunctionsTest, ValuesInEveryUnit) {
    const Case cases[] = {
        {AngleUnit::Radian, u"sin1", u"0.841470984807897", 27},
        {AngleUnit::DecimalDegree, u"sin90", u"1", 29},  // whole multiples of 90° are exact points
        {AngleUnit::Dms, u"cos90", u"0", 29},
        {AngleUnit::DecimalDegree, u"2sin30", u"1", 27},
        {AngleUnit::DecimalDegree, u"arcsin1", u"90", 15},
        // The inverse functions carry 15 digits (the result is cut there and marked 约数):
        // 0.785398163397448 rad is just below 45°, 44.595999999999994 before the cut.
        {AngleUnit::Radian, u"arcsin1", u"1.57079632679489", 15},
        {AngleUnit::Dms, u"arctan1", u"44.5959999999999", 15},
        {AngleUnit::Radian, u"lg100", u"2", 15},
        {AngleUnit::Radian, u"ln(ε)", u"1", 15},
        {AngleUnit::Radian, u"sh0", u"0", 29},
        {AngleUnit::Radian, u"ch0", u"1", 29},
        {AngleUnit::Radian, u"th0", u"0", 29},
        // Computed in double, whose 15th digit is wrong: sh 67 is 6.26181585421106890…E+28.
        {AngleUnit::Radian, u"sh67", u"62618158542110500000000000000", 14},
        {AngleUnit::Radian, u"sin(x)", u"0.656986598718789", 27},  // x holds 7
        {AngleUnit::Radian, u"2x*3", u"42", 29},
        {AngleUnit::Radian, u"π", u"3.141592653589793", 29},
        {AngleUnit::Radian, u"5!", u"120", 29},
        {AngleUnit::Radian, u"-3!", u"-6", 29},
        {AngleUnit::Radian, u"0!", u"0", 29},
        {AngleUnit::Radian, u"2.5!", u"2", 29},       // rounded half to even
        {AngleUnit::Radian, u"3.5!", u"24", 29},
        {AngleUnit::Radian, u"26!", u"403291461126605635584000000", 29},
        {AngleUnit::Radian, u"50%", u"0.5", 29},
        {AngleUnit::Radian, u"3+50%", u"3.5", 29},
        {AngleUnit::Radian, u"3!%", u"0.06", 29},     // a postfix after a postfix is applied
        {AngleUnit::Radian, u"1e30%", u"10000000000000000000000000000", 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.formula).toStdString() + " unit " + std::to_string(int(c.unit)));
        const CalcOutcome outcome = calculate(c.unit, c.formula);
        EXPECT_EQ(outcome.result, QString::fromUtf16(c.result)) << journal.messageLog.toStdString();
        EXPECT_EQ(journal.reliableDigits, c.reliableDigits);
        EXPECT_EQ(journal.errorCount, 0);
        EXPECT_TRUE(journal.notices.empty());
    }
}

TEST_F(FunctionsTest, PolesShowABoxAndGoOn) {
    struct Pole { AngleUnit unit; const char16_t* formula; const char16_t* box; };
    const Pole poles[] = {
        {AngleUnit::DecimalDegree, u"sec90", u"sec(x)为无穷大，采用近似计算....1E+28。"},
        {AngleUnit::Radian, u"csc0", u"csc(x)为无穷大，采用近似计算....1E+28。"},
        {AngleUnit::Radian, u"cth0", u"cth(x)为无穷大，采用近似计算....1E+28。"},
    };
    for (const Pole& p : poles) {
        EXPECT_EQ(calculate(p.unit, p.formula).result, u"10000000000000000000000000000");
        EXPECT_EQ(journal.errorCount, 0);
        EXPECT_EQ(NoticeTexts(journal.notices), QStringList{QString::fromUtf16(p.box)});
    }
}

TEST_F(FunctionsTest, FailuresEndInError) {
    struct Failure { AngleUnit unit; const char16_t* formula; const char16_t* first; };
    const Failure failures[] = {
        {AngleUnit::Radian, u"arcsin2", u"arcsin(x)中 x 大于1错误，计算结果无效。"},
        {AngleUnit::Radian, u"arccos(-2)", u"arccos(x)中 x 小于-1错误，计算结果无效。"},
        {AngleUnit::Radian, u"ln0", u"ln(x)的x 小于等于0错误。"},
        {AngleUnit::Radian, u"lg(-1)", u"lg(x)的x 小于等于0错误。"},
        {AngleUnit::Radian, u"arcsec1", u"arcsec(x)无意义，计算结果无效。"},
        {AngleUnit::Radian, u"27!", u"阶乘计算时数值太大，超出计算范围。"},
        {AngleUnit::Radian, u"sinx", u"sinx 函数错误！请修改算式后计算。"},  // x beside a letter
        {AngleUnit::Radian, u"abc", u"abc  函数错误！请修改算式后计算。"},
        {AngleUnit::Radian, u"arcsinh1", u"arcsin 函数错误！请修改算式后计算。"},
        {AngleUnit::Radian, u"tan(π/2)", u"  进行[QuvTan]正切运算时， 1.5707963267948966192313216916 数值超出计算范围，我无法计算！返回数值用 [空值] 表示。"},
        // |x| < 1 has no real arcsec: a failure of the evaluation itself.
        {AngleUnit::Radian, u"arcsec0.5", u"  K表达式计算过程中，arcsec0.5出现超出计算范围错误，我无法计算！返回数值用 [空值] 表示。"},
    };
    for (const Failure& f : failures) {
        SCOPED_TRACE(QString::fromUtf16(f.formula).toStdString());
        EXPECT_EQ(calculate(f.unit, f.formula).result, u"error");
        EXPECT_EQ(journal.firstMessage, QString::fromUtf16(f.first));
        EXPECT_TRUE(journal.lastMessage.startsWith(u"  表达式计算过程中，")) << journal.lastMessage.toStdString();
    }
}

// The example formulas of the history, evaluated at 28 places; where a step in double or
// a decimal function lowers reliableDigits, the main window cuts the result after that
// many significant digits and marks it 约数, and the reference shows the cut result. Two
// examples show digits that are wrong, and are cut before them (true values from mpmath at
// 40 digits): 8 is -0.79671477785929012945…, so its 14th digit is not 8; 9 in D.MMSS is
// -0.17495398055810353896081457559…, in decimal degrees -0.14953522801953204279371161888…,
// 2.4 and 3.1 units off in the 27th digit.
TEST_F(FunctionsTest, HistoryExamplesReproduceTheirReferences) {
    struct Example { int slot; AngleUnit unit; const char16_t* formula; const char16_t* reference; };
    const Example examples[] = {
        {1, AngleUnit::Radian, u"示例  -1。115671/-5.0432123478加3。33123-4。444+(-5。53456*-2.0123456+8。8880123)\\-3.3456",
         u"2.4059120570021821219456683533"},
        {2, AngleUnit::Radian, u"示例  -1。123^3-(4。4441-5。5554%)^-8。8881-3.7!/567.37143", u"-1.458550153546744806316377515"},
        {3, AngleUnit::Radian, u"示例  -1-2.0034521除3.0023417+33-44", u"-12.667296497264118870946634755"},
        {7, AngleUnit::Dms, u"示例   sec ( 23.45599 ) -csc ( 34.595987 ) -arcsec ( -2.0123 ) +arccsc ( -3.016789 ) ",
         u"-139.339136444862"},
        {8, AngleUnit::Radian, u"示例   ( lg ( 6.234 )  / lg ( 0.24531231 )  ) -ln ( 1.3456317 ) +lg ( 6.345210 ) ",
         u"-0.7967147778592"},
        {9, AngleUnit::Dms, u"示例  sin(45.555555)+cos(145.555555)-tan(45.555555555)-cot(-45.555555555)",
         u"-0.17495398055810353896081457"},
        {9, AngleUnit::DecimalDegree, u"示例  sin(45.555555)+cos(145.555555)-tan(45.555555555)-cot(-45.555555555)",
         u"-0.14953522801953204279371162"},
        {10, AngleUnit::Radian, u"示例  -0。11 加  [ 2.2 - 3。3 ]  乘以 -2 _  ( 5.5 - 6.6 + 7.7 )  除 -9 ",
         u"2.8233333333333333333333333333"},
        {11, AngleUnit::Radian, u"示例  -23.123e25*5 + 1.23456e12*1.2e1-1.111111111111111111122222222222222222222333333333e3/12345",
         u"-1156149999999985185280000000.1"},
        {12, AngleUnit::Radian, u"示例  12.234e12*45^3.00012+2.1234321e134/987654321^1.001", u"2.10590514306334E+125"},
        {17, AngleUnit::Radian,
         u"示例采用弧度制 ( 0.000000005 + 0.00000006 - 123.0004567 )  * 0.00012345 / 167.234567 \\ 234.12 *  ( 1 / 0.00123 ) % + 12! - 0.234 ^ 1.01765 ^ 9 ^  ( 1 / 2 )  ^  ( 1 / 3 )  ^  ( 1 / 7 ) -sin ( 1.5959 )  * cos ( 0.5959 ) +tan ( 1.5969) -cot ( 3.5856543 ) + π - ε - 1e-28 ",
         u"479001558.464642617773159716"},
        {18, AngleUnit::Radian, u"示例   r * s * t * u * v * w * x * y * z ", u"362880"},
    };
    context.settings.decimalPlaces = 28;
    for (const Example& e : examples) {
        SCOPED_TRACE("slot " + std::to_string(e.slot));
        const CalcOutcome outcome = calculate(e.unit, e.formula);
        ASSERT_EQ(journal.errorCount, 0) << journal.messageLog.toStdString();
        EXPECT_EQ(outcome.result, QString::fromUtf16(e.reference));
    }
}

}  // namespace
}  // namespace cesuan

namespace cesuan {
namespace {

TEST(FormatCalcResult, MantissaAndExponent) {
    struct Case { const char16_t *in, *out; };
    const Case cases[] = {
        {u"123.45", u"1.2345E+2"}, {u"0.00123", u"1.23E-3"}, {u"-12", u"-1.2E+1"}, {u"5", u"5E0"},
        {u"0", u"0E+0"},           {u"0.5", u"5E-1"},        {u"100", u"1.00E+2"},  // zeros kept
        {u"１２.５", u"1.25E+1"},  // normalised first
        {u"1e30", u"1E+30"},       // exponent form stays
        {u"-0.05", u"-5E-2"},
    };
    for (const Case& c : cases) {
        CalcErrorJournal journal;
        EXPECT_EQ(FormatCalcResult(journal, QString::fromUtf16(c.in)), QString::fromUtf16(c.out))
            << QString::fromUtf16(c.in).toStdString();
    }
}

}  // namespace
}  // namespace cesuan
