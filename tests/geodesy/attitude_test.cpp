#include "geodesy/attitude.h"

#include "../support/journal_fixture.h"

#include <cmath>
#include <numbers>
#include <random>

namespace cesuan {
namespace {

using AttitudeTest = JournalTest;

PlanePoint P(const char16_t* x, const char16_t* y, const char16_t* z) { return {q(x), q(y), q(z)}; }

// D.MMSSss to decimal degrees, in double, for comparisons with a tolerance.
double DmsToDegrees(const CalcValue& dms) {
    const double v = dms.toDouble().value();
    const double d = std::floor(v);
    const double minutesAndSeconds = (v - d) * 100;
    const double m = std::floor(minutesAndSeconds + 1e-9);
    return d + m / 60 + (minutesAndSeconds - m) * 100 / 3600;
}

struct Expected {
    const char16_t *a, *b, *c, *d, *strike, *dipDirection, *dip;
};

void ExpectPlane(const PlaneResult& r, const Expected& e) {
    EXPECT_EQ(r.a.text(), q(e.a));
    EXPECT_EQ(r.b.text(), q(e.b));
    EXPECT_EQ(r.c.text(), q(e.c));
    EXPECT_EQ(r.d.text(), q(e.d));
    EXPECT_EQ(r.strike.text(), q(e.strike));
    EXPECT_EQ(r.dipDirection.text(), q(e.dipDirection));
    EXPECT_EQ(r.dip.text(), q(e.dip));
}

// Z = X + Y + 3: the normal (−1, −1, 1) falls to the south-west; the dip is arctan(√2) =
// 54.7356103°, 54°44′08.2″; the triangle is equilateral with sides 2√2.
TEST_F(AttitudeTest, EquilateralTriangleOnAnInclinedPlane) {
    PlaneResult r;
    ASSERT_TRUE(PlaneAttitude(journal, P(u"0", u"2", u"5"), P(u"2", u"0", u"5"), P(u"0", u"0", u"3"), r));
    ExpectPlane(r, {u"-1", u"-1", u"1", u"-3", u"135", u"225", u"54.44082"});
    EXPECT_EQ(r.side12.text(), q(u"2.82843"));
    EXPECT_EQ(r.side23.text(), q(u"2.82843"));
    EXPECT_EQ(r.side13.text(), q(u"2.82843"));
    EXPECT_EQ(r.confidence.text(), q(u"100"));
    EXPECT_TRUE(journal.notices.empty());
}

// Hand-worked planes, one row per case of the strike table. Angles: arctan(0.5) =
// 26.565051° = 26°33′54.18″; arctan(1) = 45°; arctan(√5) = 65.905157° = 65°54′18.57″.
TEST_F(AttitudeTest, StrikeDipDirectionAndDipByCase) {
    struct Case {
        const char* name;
        PlanePoint p1, p2, p3;
        Expected want;
    };
    const Case cases[] = {
        {"level", P(u"0", u"0", u"5"), P(u"3", u"0", u"5"), P(u"0", u"4", u"5"),
         {u"0", u"0", u"1", u"-5", u"0", u"0", u"0"}},
        {"vertical Y = 0", P(u"0", u"0", u"0"), P(u"1", u"0", u"0"), P(u"0", u"0", u"1"),
         {u"0", u"1", u"0", u"0", u"0", u"90", u"90"}},
        {"vertical X = 5", P(u"5", u"0", u"0"), P(u"5", u"1", u"0"), P(u"5", u"0", u"1"),
         {u"1", u"0", u"0", u"-5", u"90", u"0", u"90"}},
        {"vertical X = Y", P(u"0", u"0", u"0"), P(u"1", u"1", u"0"), P(u"0", u"0", u"1"),
         {u"1", u"-1", u"0", u"0", u"45", u"135", u"90"}},
        // P2 straight above P1: the strike is taken towards P3; arctan(−1) + 180 = 135.
        {"vertical X = -Y", P(u"0", u"0", u"0"), P(u"0", u"0", u"1"), P(u"1", u"-1", u"0"),
         {u"1", u"1", u"0", u"0", u"135", u"45", u"90"}},
        {"vertical X = 2Y - 1", P(u"1", u"1", u"0"), P(u"3", u"2", u"0"), P(u"1", u"1", u"7"),
         {u"1", u"-2", u"0", u"1", u"26.335418", u"116.335418", u"90"}},
        {"Z = Y", P(u"0", u"0", u"0"), P(u"1", u"0", u"0"), P(u"0", u"1", u"1"),
         {u"0", u"-1", u"1", u"0", u"0", u"270", u"45"}},
        {"Z = -Y", P(u"0", u"0", u"0"), P(u"1", u"0", u"0"), P(u"0", u"1", u"-1"),
         {u"0", u"1", u"1", u"0", u"0", u"90", u"45"}},
        {"Z = -X", P(u"0", u"0", u"0"), P(u"0", u"1", u"0"), P(u"1", u"0", u"-1"),
         {u"1", u"0", u"1", u"0", u"90", u"0", u"45"}},
        {"Z = X", P(u"0", u"0", u"0"), P(u"0", u"1", u"0"), P(u"1", u"0", u"1"),
         {u"-1", u"0", u"1", u"0", u"90", u"180", u"45"}},
        {"a 1, b -2", P(u"0", u"0", u"0"), P(u"1", u"0", u"-1"), P(u"0", u"1", u"2"),
         {u"1", u"-2", u"1", u"0", u"26.335418", u"296.335418", u"65.541857"}},
        {"a 1, b 2", P(u"0", u"0", u"0"), P(u"1", u"0", u"-1"), P(u"0", u"1", u"-2"),
         {u"1", u"2", u"1", u"0", u"153.260582", u"63.260582", u"65.541857"}},
        {"a -1, b 2", P(u"0", u"0", u"0"), P(u"1", u"0", u"1"), P(u"0", u"1", u"-2"),
         {u"-1", u"2", u"1", u"0", u"26.335418", u"116.335418", u"65.541857"}},
        {"a -1, b -2", P(u"0", u"0", u"0"), P(u"1", u"0", u"1"), P(u"0", u"1", u"2"),
         {u"-1", u"-2", u"1", u"0", u"153.260582", u"243.260582", u"65.541857"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PlaneResult r;
        ASSERT_TRUE(PlaneAttitude(journal, c.p1, c.p2, c.p3, r));
        ExpectPlane(r, c.want);
        EXPECT_TRUE(journal.notices.empty());
    }
}

// Sides 3, 5 and 4: confidence 100 × (3 + 4 − 5) / 5 = 40.
TEST_F(AttitudeTest, SidesAndConfidence) {
    PlaneResult r;
    ASSERT_TRUE(PlaneAttitude(journal, P(u"0", u"0", u"5"), P(u"3", u"0", u"5"), P(u"0", u"4", u"5"), r));
    EXPECT_EQ(r.side12.text(), q(u"3"));
    EXPECT_EQ(r.side23.text(), q(u"5"));
    EXPECT_EQ(r.side13.text(), q(u"4"));
    EXPECT_EQ(r.confidence.text(), q(u"40"));
}

TEST_F(AttitudeTest, DegeneratePointsAreRefusedWithTheirMessage) {
    const QString allEqual = q(u"三点坐标数据完全相同 =====> 数据有误----无法计算面体参数？");
    const QString twoEqual = q(u"三点坐标有两点数据相同 =====> 数据有误----无法计算面体参数？");
    const QString inLine = q(u"三点坐标在一条直线上 =====> 数据有误----无法计算面体参数？");
    struct Case {
        const char* name;
        PlanePoint p1, p2, p3;
        QString message;
    };
    const Case cases[] = {
        {"all equal", P(u"1", u"2", u"3"), P(u"1", u"2", u"3"), P(u"1", u"2", u"3"), allEqual},
        // Equal after rounding to 5 places.
        {"all equal to 5 places", P(u"1", u"2", u"3"), P(u"1.000001", u"2", u"3"), P(u"1", u"1.999999", u"3"),
         allEqual},
        {"1 = 2", P(u"1", u"2", u"3"), P(u"1", u"2", u"3"), P(u"4", u"5", u"7"), twoEqual},
        {"2 = 3", P(u"4", u"5", u"7"), P(u"1", u"2", u"3"), P(u"1", u"2", u"3"), twoEqual},
        {"1 = 3", P(u"1", u"2", u"3"), P(u"4", u"5", u"7"), P(u"1", u"2", u"3"), twoEqual},
        {"on a line", P(u"0", u"0", u"0"), P(u"1", u"1", u"0"), P(u"2", u"2", u"0"), inLine},
        {"on a vertical line", P(u"7", u"8", u"0"), P(u"7", u"8", u"1"), P(u"7", u"8", u"-3"), inLine},
        {"on a sloping line", P(u"1", u"2", u"3"), P(u"2", u"4", u"6"), P(u"-1", u"-2", u"-3"), inLine},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        journal.notices.clear();
        PlaneResult r;
        EXPECT_FALSE(PlaneAttitude(journal, c.p1, c.p2, c.p3, r));
        EXPECT_EQ(NoticeTexts(journal.notices), QStringList{c.message});
        for (const Notice& n : journal.notices) EXPECT_EQ(n, InformationNotice(n.text)) << "an information box with OK";
    }
}

// Z = X / 3 with X up to 3E10: a = −0.33333333333333 (14 places) puts the constant of the
// second point at −0.0001 instead of 0; the warning is shown and the result still given.
TEST_F(AttitudeTest, ImpreciseConstantOnlyWarns) {
    PlaneResult r;
    ASSERT_TRUE(PlaneAttitude(journal, P(u"0", u"0", u"0"), P(u"30000000000", u"0", u"10000000000"), P(u"0", u"1", u"0"), r));
    EXPECT_EQ(NoticeTexts(journal.notices), QStringList{q(u"根据三点坐标推导出来面体方程式---其常数 d 参数精度误差大于1/10毫米---"
                                       u"计算结果有少量误差，请参考使用。")});
    EXPECT_EQ(r.a.text(), q(u"-0.33333333333333"));
    EXPECT_EQ(r.strike.text(), q(u"90"));
    EXPECT_EQ(r.dipDirection.text(), q(u"180"));
}

// Dip direction, dip and strike against the normal (P2 − P1) × (P3 − P1) in double: the plane
// falls towards the horizontal part of the upward normal, and its dip is the normal's angle
// from the vertical.
TEST_F(AttitudeTest, AgreesWithVectorGeometryOnRandomTriples) {
    std::mt19937 random(20261210);
    std::uniform_int_distribution<int> horizontal(-500000, 500000);  // thousandths
    std::uniform_int_distribution<int> vertical(-100000, 100000);
    const auto text = [](int thousandths) { return QString::number(thousandths / 1000.0, 'f', 3); };
    int checked = 0;
    for (int i = 0; i < 300; ++i) {
        int c[9];
        for (int k = 0; k < 9; ++k) c[k] = k % 3 == 2 ? vertical(random) : horizontal(random);
        const double u[3] = {(c[3] - c[0]) / 1000.0, (c[4] - c[1]) / 1000.0, (c[5] - c[2]) / 1000.0};
        const double v[3] = {(c[6] - c[0]) / 1000.0, (c[7] - c[1]) / 1000.0, (c[8] - c[2]) / 1000.0};
        double n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
        const double length = std::hypot(n[0], n[1], n[2]);
        if (length < 1e-3 * std::hypot(u[0], u[1], u[2]) * std::hypot(v[0], v[1], v[2])) continue;
        if (n[2] < 0) n[0] = -n[0], n[1] = -n[1], n[2] = -n[2];
        constexpr double kDegrees = 180 / std::numbers::pi;
        const double dip = std::atan2(std::hypot(n[0], n[1]), n[2]) * kDegrees;
        const double dipDirection = std::fmod(std::atan2(n[1], n[0]) * kDegrees + 360, 360);
        const double strike = std::fmod(dipDirection + 90, 180);

        SCOPED_TRACE(testing::Message() << "triple " << i);
        PlaneResult r;
        ASSERT_TRUE(PlaneAttitude(journal, {text(c[0]), text(c[1]), text(c[2])}, {text(c[3]), text(c[4]), text(c[5])},
                                  {text(c[6]), text(c[7]), text(c[8])}, r));
        const auto angularGap = [](double x, double y, double period) {
            const double g = std::fmod(std::abs(x - y), period);
            return std::min(g, period - g);
        };
        EXPECT_LT(angularGap(DmsToDegrees(r.dipDirection), dipDirection, 360), 1e-5);
        EXPECT_LT(std::abs(DmsToDegrees(r.dip) - dip), 1e-5);
        EXPECT_LT(angularGap(DmsToDegrees(r.strike), strike, 180), 1e-5);
        EXPECT_EQ(r.c.text(), q(u"1"));
        ++checked;
    }
    EXPECT_GT(checked, 250);
}

}  // namespace
}  // namespace cesuan
