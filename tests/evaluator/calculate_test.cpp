// The one entry point of a calculation: the outcome it returns, and contexts that never meet.

#include "evaluator/calculate.h"

#include "tests/support/journal_fixture.h"

#include <thread>
#include <vector>

namespace cesuan {
namespace {

TEST(Calculate, OutcomeOfOneFormula) {
    struct Case {
        const char16_t* typed;
        int places;
        const char16_t* formula;  // as the formula box shows it afterwards
        const char16_t* result;
        int firstDoubtfulDigit;   // 0: not approximate
        int errorCount;
    };
    const Case cases[] = {
        {u"１＋２", 15, u" 1 + 2 ", u"3", 0, 0},
        // lg1 is a double step: 15 reliable digits; the sum has 16 after rounding to 15 places.
        {u"1.2345678901234567890+lg1", 15, u" 1.2345678901234567890 + lg1 ", u"1.23456789012345", 16, 0},
        {u"1/0", 15, u" 1 / 0 ", u"error", 0, 2},
        {u"5+*3", 15, u" 5+*3 ", u"Error", 0, 2},  // rejected by the check: never evaluated
        {u"2/3", 3, u" 2 / 3 ", u"0.667", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(q(c.typed).toStdString());
        CalcContext context;
        context.settings.decimalPlaces = c.places;
        const CalcOutcome outcome = Calculate(context, q(c.typed));
        EXPECT_EQ(outcome.formula, q(c.formula));
        EXPECT_EQ(outcome.result, q(c.result));
        EXPECT_EQ(outcome.approximate, c.firstDoubtfulDigit != 0);
        EXPECT_EQ(outcome.firstDoubtfulDigit, c.firstDoubtfulDigit);
        EXPECT_EQ(context.journal.errorCount, c.errorCount);
        EXPECT_EQ(outcome.errorCount, c.errorCount);
        EXPECT_EQ(outcome.firstMessage.isEmpty(), c.errorCount == 0);
        EXPECT_EQ(outcome.messageLog, context.journal.messageLog);
    }
}

TEST(Calculate, NoticesBelongToTheirCalculation) {
    CalcContext context;
    const CalcOutcome poles = Calculate(context, q(u"csc0+csc0"));
    EXPECT_EQ(NoticeTexts(poles.notices), QStringList(2, q(u"csc(x)为无穷大，采用近似计算....1E+28。")));
    EXPECT_EQ(poles.notices, context.journal.notices);
    EXPECT_TRUE(Calculate(context, q(u"1+1")).notices.empty());
    EXPECT_TRUE(context.journal.notices.empty());
}

TEST(Calculate, SettingsComeFromTheContextOnly) {
    CalcContext degrees, radians;
    degrees.settings.angleUnit = AngleUnit::DecimalDegree;
    degrees.settings.memoryVariables[0] = 30;  // r
    EXPECT_EQ(Calculate(degrees, q(u"sin(r)")).result, u"0.5");
    EXPECT_EQ(Calculate(radians, q(u"r")).result, u"1");  // the other context keeps r = 1
}

TEST(Calculate, ContextsOnTwoThreadsGiveTheSerialResults) {
    const QStringList formulas = {q(u"sin1+cos2"), q(u"2^0.5"), q(u"1.0001^5000"), q(u"ln(ε)*3!"),
                                  q(u"1/0"),       q(u"sec90"), q(u"(1/3)^20*3^20"), q(u"arctan1")};
    const auto run = [&formulas](AngleUnit unit) {
        QStringList results;
        for (int round = 0; round < 20; ++round) {
            for (const QString& formula : formulas) {
                CalcContext context;
                context.settings.angleUnit = unit;
                context.settings.decimalPlaces = 28;
                const CalcOutcome outcome = Calculate(context, formula);
                results.append(outcome.result + u'|' + context.journal.messageLog +
                               QString::number(context.journal.notices.size()));
            }
        }
        return results;
    };
    const QStringList serialRadians = run(AngleUnit::Radian), serialDms = run(AngleUnit::Dms);
    QStringList parallelRadians, parallelDms;
    std::thread first([&] { parallelRadians = run(AngleUnit::Radian); });
    std::thread second([&] { parallelDms = run(AngleUnit::Dms); });
    first.join();
    second.join();
    EXPECT_EQ(parallelRadians, serialRadians);
    EXPECT_EQ(parallelDms, serialDms);
    EXPECT_NE(serialRadians, serialDms);
}

TEST(AlignResultText, PadsToThePlacesOnTheDecimalPoint) {
    struct Case { int places; const char16_t* result; int blanks; const char16_t* tail; };
    const Case cases[] = {
        {5, u"3.14159", 29, u"3.14159"},
        {5, u"2.5", 29, u"2.5____"},
        {5, u"12", 28, u"12._____"},
        {5, u"-0.5", 28, u"-0.5____"},
        {5, u"1.5E+30", 29, u"1.5E+30"},  // exponent form: no padding
        {0, u"12", 28, u"12."},           // the point stays
        // 30 integer digits or more: no blanks, and the point only at width 30.
        {5, u"12345678901234567890123456789012", 0, u"12345678901234567890123456789012____"},
        {2, u"123456789012345678901234567890", 0, u"123456789012345678901234567890.__"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AlignResultText(q(c.result), false, c.places), QString(c.blanks, u' ') + q(c.tail))
            << q(c.result).toStdString();
    }
    // An approximate result: 约数 in front, blanks instead of "_".
    EXPECT_EQ(AlignResultText(QStringLiteral("1.23456789012345"), true, 15),
              QStringLiteral("约数") + QString(25, u' ') + QStringLiteral("1.23456789012345 "));
}

TEST(CleanResultText, GivesBackTheNumberTheAlignmentPadded) {
    struct Case { const char16_t* result; bool approximate; int places; };
    const Case cases[] = {
        {u"7", false, 15},
        {u"-6", false, 0},
        {u"-0.5", false, 5},
        {u"0.3333333333333333333333333333", true, 28},
        {u"479001558.464642617773159716", true, 15},
        {u"1.07150860718627E+301", false, 15},
        {u"1.5E-30", true, 3},
        {u"123456789012345678901234567890", false, 2},
        {u"12345678901234567890123456789012", false, 5},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CleanResultText(AlignResultText(q(c.result), c.approximate, c.places)), q(c.result))
            << q(c.result).toStdString();

    // Texts that are no number stay as shown, only the blanks round them go.
    EXPECT_EQ(CleanResultText(QStringLiteral(" 1/0   除数为0错误！请修改算式后计算。 ")),
              QStringLiteral("1/0   除数为0错误！请修改算式后计算。"));
    EXPECT_EQ(CleanResultText(QStringLiteral("度分秒 -0.1749     百分度 -0.1495")),
              QStringLiteral("度分秒 -0.1749     百分度 -0.1495"));
    EXPECT_EQ(CleanResultText(QStringLiteral("Error")), QStringLiteral("Error"));
    EXPECT_EQ(CleanResultText(QStringLiteral(" ")), QString());
    // A part of the result picked out.
    EXPECT_EQ(CleanResultText(QStringLiteral("   3.25__")), QStringLiteral("3.25"));
}

}  // namespace
}  // namespace cesuan
