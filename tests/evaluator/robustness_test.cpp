// Random formulas from the formula alphabet, Chinese characters and garbage: every one
// must come back (no hang, no crash) with a journal that tells the truth.

#include "angles/angle_units.h"
#include "evaluator/calculate.h"
#include "tests/support/journal_fixture.h"

#include <chrono>
#include <random>

namespace cesuan {
namespace {

const char16_t* const kPieces[] = {
    u"0", u"1", u"7", u"9", u".", u"12.5", u"0.001", u"1e30", u"2e-5", u"e", u"E",
    u"+", u"-", u"*", u"/", u"\\", u"^", u"!", u"%", u"(", u")", u"[", u"】",
    u"sin", u"cos", u"tan", u"cot", u"sec", u"csc", u"arcsin", u"arccos", u"arctan", u"arccot",
    u"arcsec", u"arccsc", u"sh", u"ch", u"th", u"cth", u"lg", u"ln", u"pi", u"π", u"ε",
    u"r", u"s", u"x", u"z", u"q", u"abc", u" ", u"　", u"加", u"减", u"乘", u"除", u"负", u"点",
    u"三", u"九", u"１", u"（", u"＝", u"等于", u"\t", u"\r\n", u"😀", u"\u0001", u"99999999999999999999999999999",
};

QString randomFormula(std::mt19937& rng) {
    std::uniform_int_distribution<int> length(1, 40);
    std::uniform_int_distribution<std::size_t> piece(0, std::size(kPieces) - 1);
    QString formula;
    for (int n = length(rng); n > 0; --n) formula += QString::fromUtf16(kPieces[piece(rng)]);
    return formula;
}

TEST(Robustness, RandomFormulasFinishWithAConsistentJournal) {
    std::mt19937 rng(20261210);
    const AngleUnit units[] = {AngleUnit::Radian, AngleUnit::Dms, AngleUnit::DecimalDegree};
    double slowest = 0;
    for (int i = 0; i < 3000; ++i) {
        const QString formula = randomFormula(rng);
        CalcContext context;
        context.settings.angleUnit = units[i % 3];
        context.settings.decimalPlaces = i % 29;
        const auto start = std::chrono::steady_clock::now();
        const CalcOutcome outcome = Calculate(context, formula);
        slowest = std::max(slowest, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        const CalcErrorJournal& j = context.journal;
        SCOPED_TRACE(formula.toStdString());
        // A failure is counted exactly when the log has a line.
        EXPECT_EQ(j.errorCount > 0, !j.messageLog.isEmpty());
        if (j.errorCount > 0) {
            EXPECT_FALSE(j.firstMessage.isEmpty());
            EXPECT_TRUE(outcome.result == u"error" || outcome.result == u"Error");
        } else {
            EXPECT_FALSE(outcome.result.isEmpty());
            EXPECT_NE(outcome.result, u"error");
        }
        // Only a value is cut to the digits the journal vouches for, and it says from where.
        if (outcome.approximate) {
            EXPECT_EQ(j.errorCount, 0);
            EXPECT_EQ(outcome.firstDoubtfulDigit, j.reliableDigits + 1);
        }
    }
    // A guard against a walk that stops making progress, not a speed measure.
    EXPECT_LT(slowest, 2.0);
}

TEST(Robustness, LongFormulasFinish) {
    const auto calculate = [](const QString& formula) {
        CalcContext context;
        return Calculate(context, formula).result;
    };
    QString nested = QStringLiteral("1");
    for (int i = 0; i < 300; ++i) nested = QStringLiteral("(") + nested + QStringLiteral("+1)");
    EXPECT_EQ(calculate(nested), u"301");
    QString flat;
    for (int i = 0; i < 2000; ++i) flat += QStringLiteral("+1");
    EXPECT_EQ(calculate(flat), u"2000");
    EXPECT_EQ(calculate(QString(5000, u'(')), u"Error");
    EXPECT_EQ(calculate(QString(5000, u'!')), u"0");  // nothing usable is left
}

}  // namespace
}  // namespace cesuan
