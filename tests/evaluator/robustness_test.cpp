// Random formulas from the formula alphabet, Chinese characters and garbage: every one
// must come back (no hang, no crash) with a journal that tells the truth.

#include "angles/angle_units.h"
#include "evaluator/settings.h"
#include "tests/evaluator/calculate.h"
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
    RecordingMessageBox box;
    const AngleUnit units[] = {AngleUnit::Radian, AngleUnit::Dms, AngleUnit::DecimalDegree};
    double slowest = 0;
    for (int i = 0; i < 3000; ++i) {
        const QString formula = randomFormula(rng);
        CurrentAngleUnit() = units[i % 3];
        DecimalPlaces() = i % 29;
        const auto start = std::chrono::steady_clock::now();
        const QString result = Calculate(formula, box);
        slowest = std::max(slowest, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        const CalcErrorJournal& j = Journal();
        ASSERT_GE(j.errorCount, 0) << formula.toStdString();
        if (j.errorCount > 0) {
            EXPECT_FALSE(j.firstMessage.isEmpty()) << formula.toStdString();
            EXPECT_TRUE(result == u"error" || result == u"Error") << formula.toStdString();
        } else {
            EXPECT_FALSE(result.isEmpty()) << formula.toStdString();
        }
    }
    CurrentAngleUnit() = AngleUnit::Radian;
    DecimalPlaces() = 15;
    // A guard against a walk that stops making progress, not a speed measure.
    EXPECT_LT(slowest, 2.0);
}

TEST(Robustness, LongFormulasFinish) {
    RecordingMessageBox box;
    QString nested = QStringLiteral("1");
    for (int i = 0; i < 300; ++i) nested = QStringLiteral("(") + nested + QStringLiteral("+1)");
    EXPECT_EQ(Calculate(nested, box), u"301");
    QString flat;
    for (int i = 0; i < 2000; ++i) flat += QStringLiteral("+1");
    EXPECT_EQ(Calculate(flat, box), u"2000");
    EXPECT_EQ(Calculate(QString(5000, u'('), box), u"Error");
    EXPECT_EQ(Calculate(QString(5000, u'!'), box), u"0");  // nothing usable is left
}

}  // namespace
}  // namespace cesuan
