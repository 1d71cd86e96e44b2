// Survey error theory: worked examples of repeated observations and of the propagation of
// mean errors.

#include "numerics/error_theory.h"

#include <gtest/gtest.h>

#include <cmath>

namespace cesuan {
namespace {

QString q(const char16_t* text) { return QString::fromUtf16(text); }

const StopFlag kGo{false};

TEST(Observations, HorizontalAngleInSixRounds) {
    // An exercise of the engineering survey question banks ("用经纬仪观测某水平角六个测回",
    // app.ixiawen.com/question/48686973): 36°51′30″, 26″, 28″, 24″, 25″, 23″ give the mean
    // 36°51′26″, m = ±2.6″ and the mean's m = ±1.1″. Here the seconds.
    const ObservationSummary s = ReadObservations(CalcSettings(), q(u"30 26 28\n24,25,23"), kGo);
    ASSERT_TRUE(s.ok()) << s.problem.toStdString();
    EXPECT_EQ(s.n, 6);
    EXPECT_DOUBLE_EQ(s.mean, 26);
    EXPECT_DOUBLE_EQ(s.vv, 34);
    EXPECT_NEAR(s.m, 2.6, 0.05);
    EXPECT_DOUBLE_EQ(s.m, std::sqrt(34.0 / 5));
    EXPECT_NEAR(s.mMean, 1.1, 0.05);
    EXPECT_EQ(s.corrections, (QList<double>{-4, 0, -2, 2, 1, 3}));
    EXPECT_TRUE(s.blunders.isEmpty());
    EXPECT_EQ(*s.relative, 24);  // 26 / 1.0646, rounded down
}

TEST(Observations, DistanceMeasuredFiveTimes) {
    // An exercise of the same question banks ("对某段距离测量了五次", siewoo.com/kaoshi/shiti-175263):
    // 121.314, 121.330, 121.320, 121.327, 121.335 m give L = 121.325 m, m = ±0.0083 m,
    // m_L = ±0.0037 m and a relative error of about 1:32700.
    const ObservationSummary s =
        ReadObservations(CalcSettings(), q(u"121.314\n121.330\n121.320\n121.327\n121.335"), kGo);
    ASSERT_TRUE(s.ok());
    EXPECT_NEAR(s.mean, 121.3252, 1e-12);
    EXPECT_NEAR(s.m, 0.0083, 0.00005);
    EXPECT_NEAR(s.mMean, 0.0037, 0.00005);
    EXPECT_NEAR(*s.relative, 32700, 100);
}

TEST(Observations, BlundersAndProblems) {
    // Eleven equal readings and one 10 off: only that one is beyond 3m.
    QList<double> values(11, 100.0);
    values.insert(4, 110.0);
    const ObservationSummary s = SummariseObservations(values);
    EXPECT_EQ(s.blunders, QList<int>{5});
    EXPECT_FALSE(SummariseObservations({5, 5, 5}).relative);  // m = 0: no relative error

    EXPECT_EQ(ReadObservations(CalcSettings(), q(u"12.5"), kGo).problem, q(u"至少需要两个观测值才能计算中误差。"));
    EXPECT_EQ(ReadObservations(CalcSettings(), q(u"1 2 abc"), kGo).problem.left(10), q(u"第3个观测值“abc"));
}

PropagationResult propagate(const QString& formula, const QStringList& lines, const CalcSettings& settings = {}) {
    const PropagationInput input = ReadPropagationVariables(settings, lines, kGo);
    EXPECT_TRUE(input.ok()) << input.problem.toStdString();
    return Propagate(settings, formula, input.variables, kGo);
}

TEST(Propagation, SquareFromItsFourSides) {
    // A control survey exercise (zaojiaoba.cn/zuoye/2428595): the four sides of a square
    // measured as 200 m, each ±30 mm; the perimeter S = a1+a2+a3+a4 has m_S = ±60 mm, the area
    // P = (a1·a2 + a3·a4)/2 has m_P = ±√(4·(100·0.03)²) = ±6 m².
    const QStringList sides = {q(u"r=200±0.03"), q(u"s=200±0.03"), q(u"t=200 +- 0.03"), q(u"u = 200±0.03")};
    const PropagationResult perimeter = propagate(q(u"r+s+t+u"), sides);
    ASSERT_TRUE(perimeter.ok()) << perimeter.problem.toStdString();
    EXPECT_DOUBLE_EQ(perimeter.value, 800);
    EXPECT_NEAR(perimeter.m, 0.06, 1e-12);
    const PropagationResult area = propagate(q(u"(r*s+t*u)/2"), sides);
    EXPECT_DOUBLE_EQ(area.value, 40000);
    EXPECT_NEAR(area.m, 6, 1e-9);
    for (const double share : area.shares) EXPECT_NEAR(share, 25, 1e-9);
}

TEST(Propagation, SmallAngleOffsetInDegreesAndShares) {
    // The offset of a point 40 m off a base line by the small-angle method, Δ = S·β/ρ with
    // ρ = 200000″ and m_β = ±5″: m_Δ = 5/200000 · 40000 mm = ±1.0 mm (survey engineer exam
    // 2011, ti.zuoweng.com/ti/2qJEKKKQ). S is taken as exact.
    const PropagationResult offset = propagate(q(u"s*w/200000"), {q(u"s=40000±0"), q(u"w=12±5")});
    EXPECT_NEAR(offset.m, 1.0, 1e-9);
    EXPECT_EQ(offset.shares, (QList<double>{0, 100}));

    // h = D·sin α in degrees: ∂h/∂α is per degree, so α's mean error is in degrees too.
    CalcSettings degrees;
    degrees.angleUnit = AngleUnit::DecimalDegree;
    const PropagationResult h = propagate(q(u"x*sin(y)"), {q(u"x=100±0.01"), q(u"y=30±0.01")}, degrees);
    ASSERT_TRUE(h.ok());
    EXPECT_NEAR(h.value, 50, 1e-12);
    const double dAlpha = 100 * std::cos(M_PI / 6) * M_PI / 180;
    EXPECT_NEAR(h.derivatives[1], dAlpha, 1e-9);
    EXPECT_NEAR(h.m, std::hypot(0.5 * 0.01, dAlpha * 0.01), 1e-12);
}

TEST(Propagation, Problems) {
    const CalcSettings settings;
    struct Case {
        const char16_t* line;
        const char16_t* problem;
    };
    const Case cases[] = {
        {u"x=5", u"第1行“x=5”写法不对：应写成 x=观测值±中误差，如 x=125.36±0.02（± 也可写成 +-）。"},
        {u"a=5±1", u"第1行的变量“a”不对：变量是 r～z 中的一个字母。"},
        {u"x=5±-1", u"第1行的中误差是负数。"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadPropagationVariables(settings, {q(c.line)}, kGo).problem, q(c.problem));
    EXPECT_EQ(ReadPropagationVariables(settings, {q(u"x=1±1"), q(u"x=2±1")}, kGo).problem, q(u"变量 x 写了不止一次。"));
    EXPECT_EQ(ReadPropagationVariables(settings, {q(u"")}, kGo).problem, q(u"没有给出变量：每行写一个 x=观测值±中误差。"));

    // ln at a value whose neighbourhood is partly below 0 cannot be differentiated there.
    const PropagationInput input = ReadPropagationVariables(settings, {q(u"x=0±1")}, kGo);
    const PropagationResult r = Propagate(settings, q(u"sqrt(x)"), input.variables, kGo);
    EXPECT_TRUE(r.problem.startsWith(q(u"函数式在变量 x 的观测值附近无法计算"))) << r.problem.toStdString();

    const PropagationResult unused = propagate(q(u"2*x"), {q(u"x=1±1"), q(u"y=1±1")});
    EXPECT_EQ(unused.notes, QStringList{q(u"变量 y 没有出现在函数式中（它的偏导数为0）。")});
}

}  // namespace
}  // namespace cesuan
