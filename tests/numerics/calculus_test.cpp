// Derivatives and integrals of typed formulas: known values, each within the error the
// routine claims; the warnings collected while sampling; the refusal in 度分秒.

#include "numerics/calculus.h"
#include "numerics/calculus_texts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace cesuan {
namespace {

QString q(const char16_t* text) { return QString::fromUtf16(text); }

const StopFlag kGo{false};
constexpr double kInf = std::numeric_limits<double>::infinity();

struct DerivativeCase {
    const char16_t* formula;
    double at;
    int order;
    double expected;
};

TEST(Derivative, KnownValuesWithinTheClaimedError) {
    const DerivativeCase cases[] = {
        {u"sin(x)", 1, 1, std::cos(1.0)},
        {u"sin(x)", 1, 2, -std::sin(1.0)},
        {u"ε^x", 2, 1, std::exp(2.0)},
        {u"ε^x", 0, 2, 1},
        {u"ln(x)", 0.5, 1, 2},
        {u"ln(x)", 0.01, 2, -10000},
        {u"x^3-2*x+1", 3, 1, 25},
        {u"x^3-2*x+1", -2, 2, -12},
        {u"x^0.5", 4, 1, 0.25},
        {u"x*y", 5, 1, 8},  // y keeps its value 8
    };
    for (const DerivativeCase& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.formula).toStdString() + " at " + std::to_string(c.at));
        const CalculusResult r = Differentiate(CalcSettings(), q(c.formula), c.at, c.order, kGo);
        ASSERT_TRUE(r.ok()) << r.problem.toStdString();
        EXPECT_LE(std::fabs(r.value - c.expected), std::max(r.error, 1e-14 * std::fabs(c.expected)));
        EXPECT_LT(r.error, 1e-6 * std::max(1.0, std::fabs(c.expected)));
        EXPECT_GE(r.digits, 6);
    }
}

TEST(Derivative, PerUnitOfXAsTypedInDegrees) {
    CalcSettings degrees;
    degrees.angleUnit = AngleUnit::DecimalDegree;
    const CalculusResult r = Differentiate(degrees, QStringLiteral("sin(x)"), 60, 1, kGo);
    ASSERT_TRUE(r.ok());
    EXPECT_NEAR(r.value, 0.5 * std::numbers::pi / 180, std::max(r.error, 1e-15));
}

struct IntegralCase {
    const char16_t* formula;
    double from, to, expected;
};

TEST(Integral, KnownValuesWithinTheClaimedError) {
    const IntegralCase cases[] = {
        {u"sin(x)", 0, std::numbers::pi, 2},
        {u"x^0.5", 0, 1, 2.0 / 3},
        {u"1/ε^(x^2)", 0, kInf, std::sqrt(std::numbers::pi) / 2},
        {u"1/ε^(x^2)", -kInf, kInf, std::sqrt(std::numbers::pi)},
        {u"ε^x", 0, 1, std::numbers::e - 1},
        {u"ln(x)", 1, 2, 2 * std::log(2.0) - 1},
        {u"3*x^2+1", 2, -1, -12},
        {u"1/x^2", 1, kInf, 1},
        {u"1/(1-x)^0.5", 0, 1, 2},
    };
    for (const IntegralCase& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.formula).toStdString());
        const CalculusResult r = Integrate(CalcSettings(), q(c.formula), c.from, c.to, kGo);
        ASSERT_TRUE(r.ok()) << r.problem.toStdString();
        EXPECT_LE(std::fabs(r.value - c.expected), r.error);
        EXPECT_LT(r.error, 1e-6 * std::fabs(c.expected));
        EXPECT_GE(r.digits, 6);
    }
}

TEST(Integral, EndpointSingularityIsHandledOrNamed) {
    // 1/√x is integrable at 0 (∫₀¹ = 2); 1/x is not.
    const CalculusResult root = Integrate(CalcSettings(), q(u"1/x^0.5"), 0, 1, kGo);
    ASSERT_TRUE(root.ok()) << root.problem.toStdString();
    EXPECT_LE(std::fabs(root.value - 2), root.error);
    const CalculusResult pole = Integrate(CalcSettings(), q(u"1/x"), 0, 1, kGo);
    EXPECT_EQ(pole.problem, texts::calculus::kNotFinite);
}

TEST(Calculus, RefusedInDegreesMinutesSeconds) {
    CalcSettings dms;
    dms.angleUnit = AngleUnit::Dms;
    EXPECT_EQ(Differentiate(dms, QStringLiteral("sin(x)"), 30, 1, kGo).problem, texts::calculus::kDmsRefused);
    EXPECT_EQ(Integrate(dms, QStringLiteral("sin(x)"), 0, 30, kGo).problem, texts::calculus::kDmsRefused);
}

TEST(Calculus, FormulaErrorsNameThePlace) {
    const CalculusResult r = Differentiate(CalcSettings(), QStringLiteral("ln(x)"), -1, 1, kGo);
    ASSERT_FALSE(r.ok());
    EXPECT_TRUE(r.problem.contains(QStringLiteral("x = -1"))) << r.problem.toStdString();
    EXPECT_FALSE(Integrate(CalcSettings(), QString(), 0, 1, kGo).ok());
    // |x| has no derivative at 0, though its central quotients all say 0.
    const CalculusResult kink = Differentiate(CalcSettings(), QStringLiteral("(x^2)^0.5"), 0, 1, kGo);
    EXPECT_EQ(kink.problem, texts::calculus::kNoDerivative);
    EXPECT_TRUE(Differentiate(CalcSettings(), QStringLiteral("(x^2)^0.5"), 2, 1, kGo).ok());
}

TEST(Calculus, WarningsAreCollectedOnceWithTheirCount) {
    // sec(x) at its pole π/2 raises a notice at the sample that hits it; the sampler counts
    // each text instead of raising one box per sample.
    std::vector<CollectedWarning> warnings;
    SampleCurve(CalcSettings(), QStringLiteral("sec(x)"), 0, std::numbers::pi, 3, warnings, kGo);
    FunctionOfX f(CalcSettings(), QStringLiteral("sec(x)+csc(x)"), 28);
    f(0);
    f(0);
    f(1);
    ASSERT_EQ(f.warnings.size(), 1u);
    EXPECT_EQ(f.warnings[0].count, 2);
    EXPECT_TRUE(f.warnings[0].text.contains(QStringLiteral("为无穷大")));
    const QStringList lines = WarningLines(f.warnings);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("（共2次）")));
}

TEST(Calculus, CancelStopsTheWork) {
    const StopFlag stop{true};
    EXPECT_TRUE(Integrate(CalcSettings(), QStringLiteral("sin(x)"), 0, 1, stop).cancelled);
    EXPECT_TRUE(Differentiate(CalcSettings(), QStringLiteral("sin(x)"), 1, 1, stop).cancelled);
}

TEST(Calculus, ReadPoint) {
    EXPECT_EQ(ReadPoint(CalcSettings(), QStringLiteral("-∞"), QString(), true).value, -kInf);
    EXPECT_EQ(ReadPoint(CalcSettings(), QStringLiteral("inf"), QString(), true).value, kInf);
    EXPECT_FALSE(ReadPoint(CalcSettings(), QStringLiteral("∞"), QStringLiteral("x₀"), false).problem.isEmpty());
    EXPECT_DOUBLE_EQ(ReadPoint(CalcSettings(), QStringLiteral("2*3"), QString(), true).value, 6);
}

TEST(Calculus, DigitsSupported) {
    EXPECT_EQ(DigitsSupported(2, 1e-12), 12);
    EXPECT_EQ(DigitsSupported(2, 0), 15);
    EXPECT_EQ(DigitsSupported(2, 5), 1);
}

}  // namespace
}  // namespace cesuan
