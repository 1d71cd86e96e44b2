#include "evaluator/decompose.h"
#include "evaluator/normalise.h"
#include "tests/support/journal_fixture.h"

#include <QElapsedTimer>
#include <QRandomGenerator>

namespace cesuan {
namespace {

const char16_t kAdjacent[] = u" 算式中存在多个运算符相临的错误，请修改算式。";
const char16_t kOrder[] = u" 算式--括号顺序--错误,请修改。";
const char16_t kPairing[] = u" 算式--括号无法配对--错误,请修改。";

class DecomposeTest : public JournalTest {};

TEST_F(DecomposeTest, AdjacentOperatorsCountEveryPlaceAndLogOneMessage) {
    struct Case { const char16_t* in; int count; };
    const Case cases[] = {
        {u"2.x", 1},  {u"5+*3", 2}, {u"5*/3", 2}, {u"(*3)", 2}, {u"*5", 1},  {u"/5", 1},
        {u"^5", 1},   {u"\\5", 1},  {u"!5", 1},   {u"%5", 1},   {u"e5", 1},  {u"e-5", 1},
        {u"E+5", 1},  {u"()", 2},   {u"(1+)", 2}, {u"5+!", 2},  {u"5^%2", 2}, {u"2-)", 2},
        {u"2*", 0},   {u"2*-3", 0}, {u"2^-3", 0}, {u"-5", 0},   {u"5!!", 0}, {u"ex", 0},
        {u"5e5", 0},  {u"(-3)", 0}, {u"2.5", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(q(c.in).toStdString());
        ResetJournal(journal);
        journal.firstMessage = q(u"上次计算的消息");  // left from an earlier calculation
        const QString out = DecomposeFormula(journal, q(c.in));
        EXPECT_EQ(journal.errorCount, c.count);
        if (c.count == 0) continue;
        EXPECT_EQ(out, q(u" ") + q(c.in).toLower() + q(u" "));  // padded, nothing inserted
        EXPECT_EQ(journal.lastMessage, q(kAdjacent));
        EXPECT_EQ(journal.firstMessage, q(kAdjacent));
        EXPECT_EQ(journal.messageLog, q(kAdjacent) + q(u"\r\n"));
    }
}

TEST_F(DecomposeTest, ImpliedMultiplicationAndSpacing) {
    struct Case { const char16_t* in; const char16_t* want; };
    const Case cases[] = {
        {u"sh(+2.0123)+sh(-2)", u" sh ( +2.0123 ) +sh ( -2 )  "},
        {u"1e-5+2", u" 1e-5 + 2 "},
        {u"1E+5", u" 1e+5 "},
        {u"5-3", u" 5 - 3 "},
        {u"-5", u" -5 "},
        {u"2*-3", u" 2 * -3 "},
        {u"2^-3", u" 2 ^ -3 "},
        {u"7/2\\3", u" 7 / 2 \\ 3 "},
        {u"(1)*(2)", u"  ( 1 )  *  ( 2 )  "},  // two spaced characters in a row: two blanks
        {u"2(3+4)", u" 2 *  ( 3 + 4 )  "},
        {u"(1+2)(3+4)", u"  ( 1 + 2 )  *  ( 3 + 4 )  "},
        {u"(2)3", u"  ( 2 )  * 3 "},
        {u"(2)x", u"  ( 2 )  * x "},
        {u"(2)e", u"  ( 2 )  * e "},
        {u"3π", u" 3 * π "},
        {u"π3", u" π * 3 "},
        {u"3π4", u" 3 * π * 4 "},  // the digit before π has its star already
        {u"πε", u" π * ε "},
        {u"ε(1)", u" ε *  ( 1 )  "},
        {u"5!2", u" 5! * 2 "},
        {u"50%x", u" 50% * x "},
        {u"5!(2)", u" 5! *  ( 2 )  "},
        {u"2sin30", u" 2 * sin30 "},
        {u"2x", u" 2 * x "},
        {u"2e5", u" 2e5 "},
        {u"sin30", u" sin30 "},
    };
    for (const Case& c : cases) {
        ResetJournal(journal);
        EXPECT_EQ(DecomposeFormula(journal, q(c.in)), q(c.want)) << q(c.in).toStdString();
        EXPECT_EQ(journal.errorCount, 0) << q(c.in).toStdString();
    }
}

TEST_F(DecomposeTest, BracketErrorsAreLoggedOnceAndTheSpacedTextReturned) {
    struct Case { const char16_t* in; const char16_t* message; const char16_t* out; };
    const Case cases[] = {
        {u"(1+2", kPairing, u"  ( 1 + 2 "},
        {u"1+2)", kPairing, u" 1 + 2 )  "},
        {u")1+2(", kOrder, u"  )  * 1 + 2 *  (  "},
        {u"((1)", kPairing, u"  (  ( 1 )  "},
        {u"(1))", kPairing, u"  ( 1 )  )  "},
        {u"(1)+(2", kPairing, u"  ( 1 ) + ( 2 "},  // a sign after a blank stays unspaced
        {u"1)+(2", kOrder, u" 1 ) + ( 2 "},
        {u")(", kOrder, u"  )  *  (  "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(q(c.in).toStdString());
        ResetJournal(journal);
        EXPECT_EQ(DecomposeFormula(journal, q(c.in)), q(c.out));
        EXPECT_EQ(journal.errorCount, 1);
        EXPECT_EQ(journal.firstMessage, q(c.message));
        EXPECT_EQ(journal.lastMessage, q(c.message));
        EXPECT_EQ(journal.messageLog, q(c.message) + q(u"\r\n"));
    }
    for (const char16_t* fine : {u"(1+2)", u"((1+2)*3)", u"(1)+(2)", u"sin(cos(0))"}) {
        ResetJournal(journal);
        DecomposeFormula(journal, q(fine));
        EXPECT_EQ(journal.errorCount, 0) << q(fine).toStdString();
    }
}

TEST_F(DecomposeTest, EmptyFormulaGivesZeroAndLogsNothing) {
    for (const char16_t* in : {u"", u"   ", u"空算式错误", u"  空算式错误 "}) {
        EXPECT_EQ(DecomposeFormula(journal, q(in)), u"0");
        EXPECT_EQ(SimplifyFormula(journal, q(in)), u"0");
    }
    EXPECT_EQ(journal.errorCount, 0);
    EXPECT_TRUE(journal.messageLog.isEmpty());
}

TEST(CheckBrackets, DriverAndDecompositionRanges) {
    struct Case { const char16_t* text; BracketError driver; BracketError all; };
    const Case cases[] = {
        {u"(1+2", BracketError::Pairing, BracketError::Pairing},
        {u"1+2)", BracketError::Pairing, BracketError::Pairing},
        {u")1+2(", BracketError::Order, BracketError::Order},
        {u"(1+2)", BracketError::None, BracketError::None},
        {u"(1)+((2))", BracketError::None, BracketError::None},
        {u"(()5", BracketError::None, BracketError::Pairing},  // only the last character errs
        {u")5", BracketError::None, BracketError::Order},
        {u"1)", BracketError::Pairing, BracketError::Pairing},
        {u"5", BracketError::None, BracketError::None},
        {u"(", BracketError::None, BracketError::None},
        {u"", BracketError::None, BracketError::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CheckBrackets(q(c.text), false), c.driver) << q(c.text).toStdString();
        EXPECT_EQ(CheckBrackets(q(c.text), true), c.all) << q(c.text).toStdString();
    }
}

TEST_F(DecomposeTest, LogBracketErrorTexts) {
    LogBracketError(journal, BracketError::None);
    EXPECT_EQ(journal.errorCount, 0);
    LogBracketError(journal, BracketError::Order);
    LogBracketError(journal, BracketError::Pairing);
    EXPECT_EQ(journal.errorCount, 2);
    EXPECT_EQ(journal.firstMessage, u" 算式--括号顺序--错误,请修改。");
    EXPECT_EQ(journal.messageLog, u" 算式--括号顺序--错误,请修改。\r\n 算式--括号无法配对--错误,请修改。\r\n");
}

TEST_F(DecomposeTest, SimplifyFormula) {
    struct Case { const char16_t* in; const char16_t* want; };
    const Case cases[] = {
        {u"5 - - 3", u"5--3"},  {u"5-+3", u"5-3"},   {u"5++3", u"5+3"},   {u"5+-3", u"5+-3"},
        {u"5+++3", u"5+3"},     {u"5-++3", u"5-3"},  {u"5-+-3", u"5--3"}, {u" 2E+5 ", u"2e+5"},
        {u"\u30005\u3000+\u3000+3", u"5+3"},
        {u"\u3000", u""},       // not empty when trimmed; nothing left after the blanks go
    };
    for (const Case& c : cases) EXPECT_EQ(SimplifyFormula(journal, q(c.in)), q(c.want)) << q(c.in).toStdString();
    EXPECT_EQ(journal.errorCount, 0);
}

TEST_F(DecomposeTest, GarbageAndLongInputsNeitherCrashNorStall) {
    static const QString pool = q(u"0123456789.+-*/\\^!%()πεexsinABC测算 \u3000");
    QRandomGenerator rng(99);
    auto randomText = [&](int length) {
        QString s;
        for (int i = 0; i < length; ++i)
            s.append(rng.bounded(10) == 0 ? QChar(char16_t(rng.bounded(0x10000u))) : pool[rng.bounded(pool.size())]);
        return s;
    };
    for (int n = 0; n < 2000; ++n) {
        const QString in = randomText(int(rng.bounded(1, 30)));
        ResetJournal(journal);
        const QString out = DecomposeFormula(journal, in);
        ASSERT_TRUE(out == u"0" || (out.startsWith(u' ') && out.endsWith(u' '))) << in.toStdString();
        ResetJournal(journal);
        DecomposeFormula(journal, NormaliseFormula(in));
        SimplifyFormula(journal, in);
    }

    const QString inputs[] = {
        q(u"2π").repeated(5000),          // a star at every π
        q(u"(1)").repeated(3400),         // stars between brackets, then spacing
        q(u"1+").repeated(5000) + q(u"1"),   // every sign spaced
        q(u"(").repeated(5000) + q(u"1)").repeated(5000),
        q(u"*").repeated(10000),          // an error at nearly every place
        randomText(10000),
    };
    QElapsedTimer timer;
    timer.start();
    for (const QString& in : inputs) {
        ResetJournal(journal);
        DecomposeFormula(journal, in);
        SimplifyFormula(journal, in);
    }
    ResetJournal(journal);
    EXPECT_EQ(DecomposeFormula(journal, inputs[0]).size(), 2 + (5000 * 4 - 1) + 2 * (5000 * 2 - 1));  // 2 * π * 2 ...
    EXPECT_EQ(journal.errorCount, 0);
    ResetJournal(journal);
    DecomposeFormula(journal, inputs[3]);
    EXPECT_EQ(journal.errorCount, 0);
    ResetJournal(journal);
    DecomposeFormula(journal, inputs[4]);
    EXPECT_EQ(journal.errorCount, 1 + 2 * 9999);
    EXPECT_LT(timer.elapsed(), 2000);
}

}  // namespace
}  // namespace cesuan
