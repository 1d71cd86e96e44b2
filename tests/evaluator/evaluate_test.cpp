#include "evaluator/evaluate.h"
#include "evaluator/operand_scan.h"
#include "tests/support/journal_fixture.h"

namespace cesuan {
namespace {

class EvaluateTest : public testing::Test {
protected:
    CalcContext context;  // 15 places, radians, r..z = 1..9
    CalcErrorJournal& journal = context.journal;
};

struct TextCase {
    const char16_t* in;
    const char16_t* out;
};

TEST_F(EvaluateTest, FlatPrecedenceAndSigns) {
    const TextCase cases[] = {
        {u"2^3^2", u"64"},     // the leftmost power first
        {u"-2^2", u"4"},       // a unary sign binds tighter than every operator
        {u"2*-3^2", u"18"},
        {u"3-2^2", u"-1"},
        {u"6/2*3", u"9"},
        {u"7\\4*2", u"6"},
        {u"10-4-3", u"3"},
        {u"10-4+3", u"9"},
        {u"6/-2", u"-3"},
        {u"2--3", u"5"},       // a bracket result written back after a minus
        {u"1e-5+1", u"1.00001"},
        {u"1/3*3", u"0.9999999999999999999999999999"},
        {u"+7", u"7"},
        {u"007", u"7"},
        {u" 1 + 2 * 3 ", u"7"},
        {u"1e30*1e30", u"1E+60"},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.in).toStdString());
        ResetJournal(journal);
        EXPECT_EQ(EvaluateFlat(context, QString::fromUtf16(c.in)), QString::fromUtf16(c.out));
        EXPECT_EQ(journal.errorCount, 0);
    }
}

TEST_F(EvaluateTest, FlatFailures) {
    EXPECT_EQ(EvaluateFlat(context, q(u"5/0")), u"1");
    EXPECT_EQ(journal.errorCount, 1);
    EXPECT_EQ(journal.firstMessage, q(u" 5/0   除数为0错误！请修改算式后计算。"));

    ResetJournal(journal);
    EXPECT_EQ(EvaluateFlat(context, q(u"5\\0")), u"5");  // the remainder's own division fails
    EXPECT_EQ(journal.firstMessage,
              q(u"  进行[Quv两数商]运算时， 5/0 数值超出计算范围，我无法计算！返回数值用 [空值] 表示。"));

    ResetJournal(journal);
    EvaluateFlat(context, q(u"1.2.3+1"));
    // The scanner's error and failure, then the sum of what it returned fails as well.
    EXPECT_EQ(journal.errorCount, 3);
    EXPECT_TRUE(journal.messageLog.startsWith(
        q(u"1.2.3 表达式--小数点数太多--错误！请修改算式后计算。\r\n"
          u"  进行[向前取数字]运算时， 1.2.3+1 数值超出计算范围，我无法计算！返回错误数值。\r\n")));
    EXPECT_EQ(journal.firstMessage,
              q(u"  进行[向前取数字]运算时， 1.2.3+1 数值超出计算范围，我无法计算！返回错误数值。"));

    // Once the journal holds a failure, nothing more is evaluated.
    EXPECT_EQ(EvaluateFlat(context, q(u"1+1")), u"1");
    EXPECT_EQ(journal.errorCount, 3);
}

TEST_F(EvaluateTest, Scanners) {
    EXPECT_EQ(ScanOperandBefore(journal, q(u" 12.5e-3*4 "), 8), u"12.5e-3");
    EXPECT_EQ(ScanOperandBefore(journal, q(u" -2^2 "), 3), u"-2");      // after a blank: unary
    EXPECT_EQ(ScanOperandBefore(journal, q(u"3-2^2"), 3), u"2");        // after a digit: binary
    EXPECT_EQ(ScanOperandBefore(journal, q(u"2*-3^2"), 4), u"-3");
    EXPECT_EQ(ScanOperandBefore(journal, q(u"1E+30*2"), 5), u"1e+30");
    EXPECT_EQ(ScanOperandBefore(journal, q(u"x 5"), 3), u"5");         // a blank after digits ends it
    EXPECT_EQ(ScanOperandAfter(journal, q(u"2*-3.5+1"), 3), u"-3.5");
    EXPECT_EQ(ScanOperandAfter(journal, q(u"2e5"), 1), u"2e5");
    EXPECT_EQ(ScanOperandAfter(journal, q(u"2e-5*3"), 1), u"2e-5");
    EXPECT_EQ(ScanOperandAfter(journal, q(u"  7+1"), 1), u"  7");
    EXPECT_EQ(ScanOperandAfter(journal, q(u"5-3"), 1), u"5");
    EXPECT_EQ(journal.errorCount, 0);

    struct Failure { bool before; const char16_t* s; qsizetype at; const char16_t* log; };
    const Failure failures[] = {
        {false, u"2e", 1,
         u"2e 表达式--无数字--错误！请修改算式后计算。\r\n"
         u"  进行[向后取数字]运算时， 2e 数值超出计算范围，我无法计算！返回错误数值。\r\n"},
        {false, u"--5", 1,
         u"--5 表达式--正负号太多--错误！请修改算式后计算。\r\n"
         u"  进行[向后取数字]运算时， --5 数值超出计算范围，我无法计算！返回错误数值。\r\n"},
        {true, u"1e2e3", 5,
         u"1e2e3 表达式--存在多个 e E 字母--错误！请修改算式后计算。\r\n"
         u"  进行[向前取数字]运算时， 1e2e3 数值超出计算范围，我无法计算！返回错误数值。\r\n"},
        {true, u"*", 1,
         u"* 表达式--无数字--错误！请修改算式后计算。\r\n"
         u"  进行[向前取数字]运算时， * 数值超出计算范围，我无法计算！返回错误数值。\r\n"},
    };
    for (const Failure& f : failures) {
        SCOPED_TRACE(QString::fromUtf16(f.s).toStdString());
        ResetJournal(journal);
        const QString s = QString::fromUtf16(f.s);
        f.before ? ScanOperandBefore(journal, s, f.at) : ScanOperandAfter(journal, s, f.at);
        EXPECT_EQ(journal.errorCount, 1);
        EXPECT_EQ(journal.messageLog, QString::fromUtf16(f.log));
    }
}

TEST_F(EvaluateTest, FormulasWithBrackets) {
    struct Case { const char16_t* in; int places; const char16_t* out; };
    const Case cases[] = {
        {u"(1+2)*(3+4)", 15, u"21"},
        {u" ( 1 + 2 )  *  ( 3 + 4 ) ", 15, u"21"},  // as the decomposition spaces it
        {u"((1+2))", 15, u"3"},
        {u"2*(3+(4-1))", 15, u"12"},
        {u"2-(-3)", 15, u"5"},
        {u"2*(-3)", 15, u"-6"},
        {u"2^(1/2)", 15, u"1.414213562373095"},
        {u"((2)+(3))*((4))", 15, u"20"},
        {u"1/3", 2, u"0.33"},
        {u"2/3", 2, u"0.67"},
        {u"2.5", 0, u"3"},
        {u"-2.5", 0, u"-3"},
        {u"1/3", 28, u"0.3333333333333333333333333333"},
        {u"1e30*1e30", 2, u"1E+60"},  // exponent form: unrounded
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.in).toStdString());
        ResetJournal(journal);
        context.settings.decimalPlaces = c.places;
        EXPECT_EQ(EvaluateFormula(context, QString::fromUtf16(c.in)), QString::fromUtf16(c.out));
        EXPECT_EQ(journal.errorCount, 0);
    }
}

TEST_F(EvaluateTest, FormulaFailures) {
    struct Case { const char16_t* in; int errors; const char16_t* first; const char16_t* last; };
    const Case cases[] = {
        {u"(1+2", 1, u" 算式--括号无法配对--错误,请修改。", u" 算式--括号无法配对--错误,请修改。"},
        {u"1+2)", 1, u" 算式--括号无法配对--错误,请修改。", u" 算式--括号无法配对--错误,请修改。"},
        {u")1+2(", 1, u" 算式--括号顺序--错误,请修改。", u" 算式--括号顺序--错误,请修改。"},
        {u"1/(1-1)", 2, u" 1/0   除数为0错误！请修改算式后计算。",
         u"  表达式计算过程中，1/(1-1)出现超出计算范围错误，我无法计算！返回数值用 error 表示。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.in).toStdString());
        ResetJournal(journal);
        EXPECT_EQ(EvaluateFormula(context, QString::fromUtf16(c.in)), u"error");
        EXPECT_EQ(journal.errorCount, c.errors);
        EXPECT_EQ(journal.firstMessage, QString::fromUtf16(c.first));
        EXPECT_EQ(journal.lastMessage, QString::fromUtf16(c.last));
    }
    // A journal with failures: "error" at once, nothing logged.
    EXPECT_EQ(EvaluateFormula(context, q(u"1+1")), u"error");
    EXPECT_EQ(journal.errorCount, 2);
}

}  // namespace
}  // namespace cesuan
